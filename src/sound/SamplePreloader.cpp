#include "sound/SamplePreloader.h"

namespace {
constexpr int kNew = 0;
constexpr int kPrevious = 1;
}  // namespace

void SamplePreloader::Load(int channel, int program) {
  std::lock_guard lock(mutex_);
  const auto c = static_cast<size_t>(channel) & midi::kChannelMask;
  synth_.reset();
  settings_.reset(new_fluid_settings());
  if (!settings_) return;
  fluid_settings_t* s = settings_.get();
  fluid_settings_setint(s, "synth.dynamic-sample-loading", 1);
  fluid_settings_setint(s, "synth.midi-channels", 2);
  fluid_settings_setint(s, "synth.polyphony", 1);
  fluid_settings_setint(s, "synth.reverb.active", 0);
  fluid_settings_setint(s, "synth.chorus.active", 0);
  synth_.reset(new_fluid_synth(s));
  if (!synth_) return;
  if (c == midi::kPercussionChannel) {
    fluid_synth_set_channel_type(synth_.get(), kNew, CHANNEL_TYPE_DRUM);
    fluid_synth_set_channel_type(synth_.get(), kPrevious, CHANNEL_TYPE_DRUM);
  }
  // Without selecting the presets the channels start with: only the two programs load.
  if (fluid_synth_sfload(synth_.get(), soundFontPath_.c_str(), 0) == FLUID_FAILED) {
    synth_.reset();
    return;
  }
  if (program_[c] >= 0) fluid_synth_program_change(synth_.get(), kPrevious, program_[c]);
  fluid_synth_program_change(synth_.get(), kNew, program);
  program_[c] = program;
}

void SamplePreloader::Release(int /*channel*/) {
  std::lock_guard lock(mutex_);
  synth_.reset();
  settings_.reset();
  ReturnFreedHeap();
}
