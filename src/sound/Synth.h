#pragma once
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

#include "sound/FluidHandles.h"
#include "sound/SamplePreloader.h"

// The built-in General MIDI synthesiser: FluidSynth with one sound font, loaded with
// dynamic sample loading, so that only the samples of the instruments in use are in memory.
// A channel selects its program only when it is first needed: at a program change, or at the
// first note sent to it (program 0, the standard drum kit on channel 9), so that a program
// nobody plays (the drum kit without the metronome) is never loaded. The samples load on the
// sending thread before the synthesiser selects the program (SamplePreloader), never on the
// audio thread and never under the lock the audio thread takes.
class Synth {
 public:
  // Output gain: an eight-note chord at full velocity and volume stays below full scale.
  static constexpr double kGain = 0.4;

  // The synthesiser with the sound font at the sample rate, or nullptr when either cannot be made.
  static std::unique_ptr<Synth> Create(const std::string& soundFontPath, int rate);

  // On the sending thread, before the message is queued for the audio thread: a note for a
  // channel without a program selects the channel's first one.
  void PrepareFor(uint32_t message);
  // Plays one short message with the meaning it has on a hardware synthesiser.
  void Apply(uint32_t message);
  // Whether the channel has selected a program (and holds its samples).
  bool HasProgram(int channel) const;
  // Silences every note on all 16 channels; programs and controllers stay.
  void Silence();
  // Adds the next frames of sound to the two buffers.
  void RenderAdd(float* left, float* right, int frames);

  fluid_synth_t* Handle() const { return synth_.get(); }
  int Rate() const { return rate_; }
  const std::string& SoundFontPath() const { return soundFontPath_; }

 private:
  Synth(FluidSettingsPtr settings, FluidSynthPtr synth, std::unique_ptr<SamplePreloader> preloader);
  // program < 0: the channel's first program, unless it has one already.
  void SelectProgram(int channel, int program);
  std::string soundFontPath_;
  int rate_ = 0;
  FluidSettingsPtr settings_;
  FluidSynthPtr synth_;
  std::unique_ptr<SamplePreloader> preloader_;
  // Bit n: channel n has selected a program. Changed under selecting_, which also keeps two
  // sending threads from selecting on one channel at once.
  mutable std::mutex selecting_;
  uint32_t selected_ = 0;
};
