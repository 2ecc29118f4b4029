#pragma once
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "sound/MidiSystem.h"
#include "support/CapturingMidiOut.h"

// A MIDI system for tests: one scripted output and input device, and a log of what the
// program asked of them and sent to them. It is the system in use while it exists.
// Records what the system's MIDI layer delivers and what it is asked.
struct ScriptedLog {
  int outputsOpened = 0;
  int inputCountAsked = 0;
  bool inputStarted = false;
  bool inputClosed = false;
  MidiInSink sink = nullptr;
  std::vector<uint32_t> sent;
  // What the input's next looks at the ports find, one entry a look; none: nothing changed.
  std::vector<MidiInPortChanges> portChanges;
  std::vector<std::string> portNames;
};

class ScriptedOut final : public MidiOutDevice {
 public:
  explicit ScriptedOut(ScriptedLog& log) : log_(log) {}
  void ShortMsg(uint32_t message) override { log_.sent.push_back(message); }
  void Reset() override { log_.sent.push_back(CapturingMidiOut::kReset); }

 private:
  ScriptedLog& log_;
};

class ScriptedIn final : public MidiInDevice {
 public:
  explicit ScriptedIn(ScriptedLog& log) : log_(log) {}
  ~ScriptedIn() override { log_.inputClosed = true; }
  void Start() override { log_.inputStarted = true; }
  void Stop() override { log_.inputStarted = false; }
  MidiInPortChanges ConnectNewPorts() override {
    if (log_.portChanges.empty()) return {};
    MidiInPortChanges next = log_.portChanges.front();
    log_.portChanges.erase(log_.portChanges.begin());
    return next;
  }

 private:
  ScriptedLog& log_;
};

class ScriptedMidiSystem final : public MidiSystem {
 public:
  ScriptedMidiSystem() { SetMidiSystem(this); }
  ~ScriptedMidiSystem() override { SetMidiSystem(nullptr); }
  int OutputCount() override {
    if (throwOnOutput) throw std::runtime_error("driver");
    return outputs;
  }
  std::unique_ptr<MidiOutDevice> OpenOutput(int index) override {
    if (!outputOpens || index != 0) return nullptr;
    ++log.outputsOpened;
    return std::make_unique<ScriptedOut>(log);
  }
  int InputCount() override {
    ++log.inputCountAsked;
    if (throwOnInput) throw std::runtime_error("no sequencer");
    return inputs;
  }
  std::unique_ptr<MidiInDevice> OpenInput(int index, MidiInSink sink) override {
    if (!inputOpens || index != 0) return nullptr;
    log.sink = sink;
    return std::make_unique<ScriptedIn>(log);
  }
  std::vector<std::string> InputPortNames() override { return log.portNames; }

  int outputs = 1;
  bool outputOpens = true;
  bool throwOnOutput = false;
  int inputs = 2;
  bool inputOpens = true;
  bool throwOnInput = false;
  ScriptedLog log;
};
