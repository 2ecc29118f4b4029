#pragma once
#include <array>
#include <memory>
#include <mutex>
#include <string>

#include "sound/FluidHandles.h"
#include "sound/MidiOutput.h"

// Loads the samples of a program before the playing synthesiser selects it. FluidSynth, with
// dynamic sample loading, reads a preset's samples from disk when a channel selects it, while
// it holds the synthesiser's lock, which the audio thread needs for every note. For each
// program change a second synthesiser on the same sound font is made for a moment: it selects
// the program first, so the samples are already in FluidSynth's sample cache (shared by both)
// when the playing one selects it; and it holds the channel's previous program until the
// playing one has let go of it, so that freeing its samples does not happen under that lock
// either. It goes at once after that: between program changes only the playing synthesiser
// holds samples, each loaded once.
// Used from the sending threads, never from the audio thread.
class SamplePreloader {
 public:
  explicit SamplePreloader(std::string soundFontPath) : soundFontPath_(std::move(soundFontPath)) {}

  // Before the playing synthesiser selects the program on the channel.
  void Load(int channel, int program);
  // After it has: the channel's previous program may go.
  void Release(int channel);

 private:
  std::mutex mutex_;
  std::string soundFontPath_;
  // Only from Load to Release: channel 0 the new program, channel 1 the previous one.
  FluidSettingsPtr settings_;
  FluidSynthPtr synth_;
  // The channels' programs; -1: none selected yet.
  std::array<int, midi::kChannelCount> program_ = [] {
    std::array<int, midi::kChannelCount> none{};
    none.fill(-1);
    return none;
  }();
};
