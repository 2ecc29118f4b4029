#include "sound/SamplePreloader.h"

namespace {
constexpr int kHoldOffset = midi::kChannelCount;
}

SamplePreloader::SamplePreloader(FluidSettingsPtr settings, FluidSynthPtr synth)
    : settings_(std::move(settings)), synth_(std::move(synth)) {}

std::unique_ptr<SamplePreloader> SamplePreloader::Create(const std::string& soundFontPath) {
  FluidSettingsPtr settings(new_fluid_settings());
  if (!settings) return nullptr;
  fluid_settings_t* s = settings.get();
  fluid_settings_setint(s, "synth.dynamic-sample-loading", 1);
  fluid_settings_setint(s, "synth.midi-channels", 2 * midi::kChannelCount);
  fluid_settings_setint(s, "synth.polyphony", 16);
  fluid_settings_setint(s, "synth.reverb.active", 0);
  fluid_settings_setint(s, "synth.chorus.active", 0);
  FluidSynthPtr synth(new_fluid_synth(s));
  if (!synth) return nullptr;
  fluid_synth_set_channel_type(synth.get(), midi::kPercussionChannel + kHoldOffset, CHANNEL_TYPE_DRUM);
  if (fluid_synth_sfload(synth.get(), soundFontPath.c_str(), 1) == FLUID_FAILED) return nullptr;
  return std::unique_ptr<SamplePreloader>(new SamplePreloader(std::move(settings), std::move(synth)));
}

void SamplePreloader::Load(int channel, int program) {
  std::lock_guard lock(mutex_);
  const auto c = static_cast<size_t>(channel) & midi::kChannelMask;
  fluid_synth_program_change(synth_.get(), static_cast<int>(c) + kHoldOffset, program_[c]);
  fluid_synth_program_change(synth_.get(), static_cast<int>(c), program);
  program_[c] = program;
}

void SamplePreloader::Release(int channel) {
  std::lock_guard lock(mutex_);
  const auto c = static_cast<size_t>(channel) & midi::kChannelMask;
  fluid_synth_program_change(synth_.get(), static_cast<int>(c) + kHoldOffset, program_[c]);
}
