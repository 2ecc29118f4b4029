#include "sound/MidiSystem.h"

#include <atomic>
#include <future>
#include <mutex>

#include "settings/ProgramSettings.h"
#include "sound/AlsaMidi.h"
#include "sound/AudioServers.h"
#include "sound/AudioEngine.h"
#include "sound/MidiInPorts.h"
#include "sound/Mixer.h"
#include "sound/SoundFont.h"

namespace {

// The synthesiser loading since StartLoadingSynth, with the font it loads.
std::mutex loadingLock;
std::future<std::unique_ptr<Synth>> loading;
std::string loadingFont;

std::unique_ptr<Synth> TakeSynth(const std::string& font) {
  {
    std::lock_guard lock(loadingLock);
    if (loading.valid() && loadingFont == font) return loading.get();
  }
  return Synth::Create(font, audio_servers::PreferredRate());
}

// The built-in synthesiser as output device 0; closing it stops the audio output.
class BuiltInSynthOut final : public MidiOutDevice {
 public:
  BuiltInSynthOut() : out_(GetAudioEngine().GetMixer()) {}
  ~BuiltInSynthOut() override { GetAudioEngine().DetachSynth(); }
  BuiltInSynthOut(const BuiltInSynthOut&) = delete;
  BuiltInSynthOut& operator=(const BuiltInSynthOut&) = delete;
  void ShortMsg(uint32_t message) override { out_.ShortMsg(message); }
  void Reset() override { out_.Reset(); }
  bool HasTimeline() const override { return out_.HasTimeline(); }
  bool Ready() const override { return out_.Ready(); }
  void ShortMsgAt(uint32_t message, uint32_t dueMs) override { out_.ShortMsgAt(message, dueMs); }
  void ResetAt(uint32_t dueMs) override { out_.ResetAt(dueMs); }

 private:
  MixerMidiOut out_;
};

class SystemMidi final : public MidiSystem {
 public:
  int OutputCount() override {
    return (FindSoundFont() ? 1 : 0) + static_cast<int>(alsa_midi::OutputPorts().size());
  }

  std::unique_ptr<MidiOutDevice> OpenOutput(int index) override {
    if (index < 0) return nullptr;
    if (auto font = FindSoundFont()) {
      if (index == 0) return OpenSynth(*font);
      --index;
    }
    return alsa_midi::OpenOutputPort(static_cast<size_t>(index));
  }

  // The program's own port and the keyboards' ports.
  int InputCount() override { return static_cast<int>(midi_in::PortNames().size()) + 1; }

  std::unique_ptr<MidiInDevice> OpenInput(int index, MidiInSink sink) override {
    return index == 0 ? midi_in::Open(sink, midiInPortName) : nullptr;
  }

  std::vector<std::string> InputPortNames() override {
    try {
      return midi_in::PortNames();
    } catch (const std::exception&) {
      return {};
    }
  }

 private:
  static std::unique_ptr<MidiOutDevice> OpenSynth(const std::string& font) {
    std::unique_ptr<Synth> synth = TakeSynth(font);
    if (!synth) return nullptr;
    GetAudioEngine().AttachSynth(std::move(synth));
    return std::make_unique<BuiltInSynthOut>();
  }
};

SystemMidi systemMidi;
std::atomic<MidiSystem*> installed{nullptr};

}  // namespace

void StartLoadingSynth() {
  const std::optional<std::string> font = FindSoundFont();
  if (!font) return;
  std::lock_guard lock(loadingLock);
  loadingFont = *font;
  loading = std::async(std::launch::async, [path = *font] { return Synth::Create(path, audio_servers::PreferredRate()); });
}

MidiSystem& GetMidiSystem() {
  MidiSystem* s = installed.load();
  return s ? *s : systemMidi;
}

void SetMidiSystem(MidiSystem* system) { installed.store(system); }
