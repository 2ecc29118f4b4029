#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "sound/FluidHandles.h"
#include "sound/SamplePreloader.h"

// The built-in General MIDI synthesiser: FluidSynth with one sound font, loaded with
// dynamic sample loading so that only the samples of the instruments in use are in memory.
// Loading the font also loads the samples of the programs its channels start with (program 0,
// the standard drum kit on channel 9); a program change loads the new program's samples on
// the sending thread before the synthesiser selects it (SamplePreloader), never on the audio
// thread and never under the lock the audio thread takes.
class Synth {
 public:
  // Output gain: an eight-note chord at full velocity and volume stays below full scale.
  static constexpr double kGain = 0.4;

  // The synthesiser with the sound font at the sample rate, or nullptr when either cannot be made.
  static std::unique_ptr<Synth> Create(const std::string& soundFontPath, int rate);

  // Plays one short message with the meaning it has on a hardware synthesiser.
  void Apply(uint32_t message);
  // Silences every note on all 16 channels; programs and controllers stay.
  void Silence();
  // Adds the next frames of sound to the two buffers.
  void RenderAdd(float* left, float* right, int frames);

  fluid_synth_t* Handle() const { return synth_.get(); }
  int Rate() const { return rate_; }
  const std::string& SoundFontPath() const { return soundFontPath_; }

 private:
  Synth(FluidSettingsPtr settings, FluidSynthPtr synth, std::unique_ptr<SamplePreloader> preloader);
  std::string soundFontPath_;
  int rate_ = 0;
  FluidSettingsPtr settings_;
  FluidSynthPtr synth_;
  std::unique_ptr<SamplePreloader> preloader_;
};
