#pragma once
#include <array>
#include <memory>
#include <mutex>
#include <string>

#include "sound/FluidHandles.h"
#include "sound/MidiOutput.h"

// Loads the samples of a program before the playing synthesiser selects it. FluidSynth, with
// dynamic sample loading, reads a preset's samples from disk when a channel selects it, while
// it holds the synthesiser's lock, which the audio thread needs for every note. This keeps a
// second synthesiser that never plays, on the same sound font: its channel c selects the
// program first, so the samples are already in FluidSynth's sample cache (shared by both) when
// the playing one selects it; and it holds the previous program until the playing one has let
// go of it, so that freeing its samples does not happen under that lock either.
// Used from the sending threads, never from the audio thread.
class SamplePreloader {
 public:
  // nullptr when the sound font cannot be loaded.
  static std::unique_ptr<SamplePreloader> Create(const std::string& soundFontPath);

  // Before the playing synthesiser selects the program on the channel.
  void Load(int channel, int program);
  // After it has: the channel's previous program may go.
  void Release(int channel);

 private:
  SamplePreloader(FluidSettingsPtr settings, FluidSynthPtr synth);
  std::mutex mutex_;
  FluidSettingsPtr settings_;
  FluidSynthPtr synth_;  // channel c mirrors channel c; channel c + 16 holds its previous program
  std::array<int, midi::kChannelCount> program_{};
};
