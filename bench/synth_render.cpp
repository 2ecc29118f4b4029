// Sound output figures: the audio driver's period and buffer, the synthesiser's render cost
// for one second of an eight-note chord, and the chord's peak level at the chosen gain.
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include "../tests/sound/SoundTestAudio.h"
#include "sound/AudioOutput.h"
#include "sound/Mixer.h"
#include "sound/SoundFont.h"
#include "sound/Synth.h"
#include "sound/WaveSource.h"

namespace {

constexpr int kBlock = PeriodFramesFor(AudioLatency::kSafe, Mixer::kDefaultRate);
constexpr int kSeconds = 1;
constexpr int kRepeats = 5;

void StartChord(Mixer& mixer) {
  for (uint32_t ch = 0; ch < 16; ++ch) mixer.Send(midi::Pack(midi::kControlChange + ch, midi::kChannelVolume, 127));
  for (uint32_t i = 0; i < 8; ++i) mixer.Send(midi::Pack(midi::kNoteOn + i, 48 + 4 * i, 127));
}

void MeasureFont(const char* path) {
  const auto start = std::chrono::steady_clock::now();
  std::unique_ptr<Synth> synth = Synth::Create(path, Mixer::kDefaultRate);
  const double loadMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  if (!synth) {
    std::printf("%s: cannot be loaded\n", path);
    return;
  }
  WaveSource wave;
  Mixer mixer(wave);
  mixer.SetSynth(synth.get());
  const int frames = Mixer::kDefaultRate * kSeconds;
  std::vector<float> left(static_cast<size_t>(frames)), right(left.size());
  double best = 1e9;
  float peak = 0;
  for (int r = 0; r < kRepeats; ++r) {
    mixer.Reset();
    StartChord(mixer);
    const auto t0 = std::chrono::steady_clock::now();
    for (int done = 0; done < frames; done += kBlock) {
      mixer.RenderOffline(left.data() + done, right.data() + done, std::min(kBlock, frames - done));
    }
    best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
    peak = std::max(peak, sound_test::Peak(left));
  }
  std::printf("%s: load %.0f ms; 1 s of an 8-note chord renders in %.1f ms = %.3f of real time "
              "(blocks of %d frames, best of %d); peak %.2f at gain %.2f\n",
              path, loadMs, best * 1000, best / kSeconds, kBlock, kRepeats, peak, Synth::kGain);
}

}  // namespace

int main() {
  WaveSource wave;
  Mixer mixer(wave);
  {
    AudioOutput output(mixer, 0, AudioLatency::kLow);
    if (output.Running()) {
      std::printf("audio driver %s at %d Hz: period %d frames = %.2f ms, buffer %.2f ms\n", output.DriverName().c_str(),
                  output.Rate(), output.PeriodFrames(), output.PeriodMs(), output.BufferMs());
    } else {
      std::printf("no audio driver could be opened\n");
    }
  }
  for (const std::string& place : SoundFontSearchOrder()) {
    if (place.back() != '/') MeasureFont(place.c_str());
  }
  return 0;
}
