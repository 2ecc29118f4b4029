#include "sound/Synth.h"

#include "sound/AudioServers.h"
#include "sound/MidiOutput.h"

Synth::Synth(FluidSettingsPtr settings, FluidSynthPtr synth, std::unique_ptr<SamplePreloader> preloader)
    : settings_(std::move(settings)), synth_(std::move(synth)), preloader_(std::move(preloader)) {}

std::unique_ptr<Synth> Synth::Create(const std::string& soundFontPath, int rate) {
  rate = audio_servers::SynthRateNear(rate);
  FluidSettingsPtr settings(new_fluid_settings());
  if (!settings) return nullptr;
  fluid_settings_setnum(settings.get(), "synth.sample-rate", rate);
  fluid_settings_setnum(settings.get(), "synth.gain", kGain);
  fluid_settings_setint(settings.get(), "synth.dynamic-sample-loading", 1);
  FluidSynthPtr synth(new_fluid_synth(settings.get()));
  if (!synth) return nullptr;
  // No channel selects a program yet: each does when it is first needed.
  if (fluid_synth_sfload(synth.get(), soundFontPath.c_str(), 0) == FLUID_FAILED) return nullptr;
  ReturnFreedHeap();
  auto preloader = std::make_unique<SamplePreloader>(soundFontPath);
  std::unique_ptr<Synth> made(new Synth(std::move(settings), std::move(synth), std::move(preloader)));
  made->soundFontPath_ = soundFontPath;
  made->rate_ = rate;
  return made;
}

void Synth::PrepareFor(uint32_t message) {
  if (midi::Kind(message) != midi::kNoteOn || midi::Data2(message) == 0) return;
  SelectProgram(midi::Channel(message), -1);
}

bool Synth::HasProgram(int channel) const {
  std::lock_guard lock(selecting_);
  return (selected_ >> (static_cast<uint32_t>(channel) & midi::kChannelMask) & 1u) != 0;
}

void Synth::SelectProgram(int channel, int program) {
  std::lock_guard lock(selecting_);
  const uint32_t bit = 1u << (static_cast<uint32_t>(channel) & midi::kChannelMask);
  if (program < 0) {
    if (selected_ & bit) return;
    program = 0;
  }
  if (preloader_) preloader_->Load(channel, program);
  fluid_synth_program_change(synth_.get(), channel, program);
  if (preloader_) preloader_->Release(channel);
  selected_ |= bit;
}

void Synth::Apply(uint32_t message) {
  const uint8_t status = midi::Status(message);
  if ((status & midi::kStatusBit) == 0) return;  // running status means nothing without its context
  fluid_synth_t* s = synth_.get();
  const int channel = midi::Channel(message);
  const int data1 = midi::Data1(message);
  const int data2 = midi::Data2(message);
  switch (midi::Kind(message)) {
    case midi::kNoteOff:
      fluid_synth_noteoff(s, channel, data1);
      break;
    case midi::kNoteOn:
      if (data2 == 0) {
        fluid_synth_noteoff(s, channel, data1);
      } else {
        fluid_synth_noteon(s, channel, data1, data2);
      }
      break;
    case midi::kPolyPressure:
      fluid_synth_key_pressure(s, channel, data1, data2);
      break;
    case midi::kControlChange:
      fluid_synth_cc(s, channel, data1, data2);
      break;
    case midi::kProgramChange:
      SelectProgram(channel, data1);
      break;
    case midi::kChannelPressure:
      fluid_synth_channel_pressure(s, channel, data1);
      break;
    case midi::kPitchBend:
      fluid_synth_pitch_bend(s, channel, data1 | (data2 << 7));
      break;
    default:
      break;  // system messages do not reach the synthesiser
  }
}

void Synth::Silence() { fluid_synth_all_notes_off(synth_.get(), -1); }

void Synth::RenderAdd(float* left, float* right, int frames) {
  float* buffers[2] = {left, right};
  // Effects go to the same pair of buffers, mixed with the dry sound.
  fluid_synth_process(synth_.get(), frames, 2, buffers, 2, buffers);
}
