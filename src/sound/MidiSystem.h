#pragma once
#include <memory>
#include <string>
#include <vector>

#include "sound/MidiOutput.h"

// Receives each incoming short message on the input's own thread.
using MidiInSink = void (*)(uint32_t message);

// Ports an input connected itself to, or lost (unplugged), since it was last asked.
struct MidiInPortChanges {
  std::vector<std::string> connected;
  std::vector<std::string> lost;
};

// An open MIDI input; it delivers messages between Start and Stop. Destroying it closes it.
class MidiInDevice {
 public:
  virtual ~MidiInDevice() = default;
  virtual void Start() = 0;
  virtual void Stop() = 0;
  // Connects to the ports that have appeared and lets go of those gone (user-interface thread).
  virtual MidiInPortChanges ConnectNewPorts() { return {}; }
};

// The system's MIDI devices: count them, open device n. Opening may throw.
class MidiSystem {
 public:
  virtual ~MidiSystem() = default;
  virtual int OutputCount() = 0;
  // nullptr when the device cannot be opened.
  virtual std::unique_ptr<MidiOutDevice> OpenOutput(int index) = 0;
  virtual int InputCount() = 0;
  virtual std::unique_ptr<MidiInDevice> OpenInput(int index, MidiInSink sink) = 0;
  // The names of the ports a keyboard may be on, for the MIDI settings; empty when none.
  virtual std::vector<std::string> InputPortNames() { return {}; }
};

// Output device 0 is the built-in synthesiser when a sound font is found, the ALSA sequencer
// output ports follow; input device 0 is the program's own input port, connected to the keyboards
// (every port, or the one named by midiInPortName).
MidiSystem& GetMidiSystem();
// Starts loading the built-in synthesiser (the sound font and the samples of the programs
// the channels start with) at the rate the audio output will run at, on a thread of its own, so that neither the window nor the first
// task waits for the disk. Opening output device 0 takes the loaded synthesiser, waiting for
// the rest of the load if it is still running; without this call it loads it there.
void StartLoadingSynth();
// Installs a MIDI system (tests script one); nullptr restores the real one.
void SetMidiSystem(MidiSystem* system);
