#include "sound/MidiSystem.h"

#include <atomic>

#include "sound/AlsaMidi.h"
#include "sound/AudioEngine.h"
#include "sound/Mixer.h"
#include "sound/SoundFont.h"

namespace {

// The built-in synthesiser as output device 0; closing it stops the audio output.
class BuiltInSynthOut final : public MidiOutDevice {
 public:
  BuiltInSynthOut() : out_(GetAudioEngine().GetMixer()) {}
  ~BuiltInSynthOut() override { GetAudioEngine().DetachSynth(); }
  BuiltInSynthOut(const BuiltInSynthOut&) = delete;
  BuiltInSynthOut& operator=(const BuiltInSynthOut&) = delete;
  void ShortMsg(uint32_t message) override { out_.ShortMsg(message); }
  void Reset() override { out_.Reset(); }

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

  int InputCount() override { return alsa_midi::InputCount(); }

  std::unique_ptr<MidiInDevice> OpenInput(int index, MidiInSink sink) override {
    return index == 0 ? alsa_midi::OpenInput(sink) : nullptr;
  }

 private:
  static std::unique_ptr<MidiOutDevice> OpenSynth(const std::string& font) {
    std::unique_ptr<Synth> synth = Synth::Create(font);
    if (!synth) return nullptr;
    GetAudioEngine().AttachSynth(std::move(synth));
    return std::make_unique<BuiltInSynthOut>();
  }
};

SystemMidi systemMidi;
std::atomic<MidiSystem*> installed{nullptr};

}  // namespace

MidiSystem& GetMidiSystem() {
  MidiSystem* s = installed.load();
  return s ? *s : systemMidi;
}

void SetMidiSystem(MidiSystem* system) { installed.store(system); }
