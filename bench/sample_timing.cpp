// Timing to the sample: clicks sent by the playback timer thread every 100 ms are rendered
// by a stand-in audio thread (blocks of one period on absolute deadlines). The click onsets
// in the recorded sound are compared with the ideal tick times plus one period of latency,
// once with timed delivery and once with each message played at the start of the next block.
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <memory>
#include <thread>
#include <vector>

#include "BenchStats.h"
#include "sound/AudioOutput.h"
#include "sound/Mixer.h"
#include "sound/Synth.h"
#include "sound/TimerService.h"
#include "sound/WaveSource.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr uint32_t kClickPeriodMs = 100;
constexpr int kClicks = 60;
constexpr int kBlock = PeriodFramesFor(AudioLatency::kSafe, Mixer::kDefaultRate);
constexpr double kRate = Mixer::kDefaultRate;
constexpr float kOnsetLevel = 0.05f;

struct Clicker {
  MidiOutDevice* out;
  std::atomic<int> sent{0};
};

void Click(void* user) {
  auto* c = static_cast<Clicker*>(user);
  if (c->sent >= kClicks) return;
  c->out->ShortMsg(midi::Pack(midi::kNoteOn + midi::kPercussionChannel, 37, 127));
  c->out->ShortMsg(midi::Pack(midi::kNoteOff + midi::kPercussionChannel, 37, 0));
  ++c->sent;
}

// First sample of each click: above the level after at least a quarter of a click period below it.
std::vector<size_t> Onsets(const std::vector<float>& s) {
  std::vector<size_t> onsets;
  const auto gap = static_cast<size_t>(kRate * kClickPeriodMs / 4000);
  size_t last = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    if (std::fabs(s[i]) < kOnsetLevel) continue;
    if (onsets.empty() || i - last > gap) onsets.push_back(i);
    last = i;
  }
  return onsets;
}

void Measure(bool timed) {
  std::unique_ptr<Synth> synth = Synth::Create("/usr/share/sounds/sf2/TimGM6mb.sf2", Mixer::kDefaultRate);
  if (!synth) return;
  fluid_synth_reverb_on(synth->Handle(), -1, 0);
  fluid_synth_chorus_on(synth->Handle(), -1, 0);
  WaveSource wave;
  Mixer mixer(wave);
  mixer.SetSynth(synth.get());
  mixer.SetTimed(true, kBlock, Mixer::kDefaultRate);
  if (!timed) mixer.SetTimed(false, 0, 0);
  MixerMidiOut out(mixer);

  const size_t frames = static_cast<size_t>(kRate * (kClicks * kClickPeriodMs + 500) / 1000);
  std::vector<float> left(frames + kBlock), right(frames + kBlock);
  const Clock::time_point audioStart = Clock::now() + std::chrono::milliseconds(20);
  std::atomic<bool> audioReady{false};
  std::thread audio([&] {
    for (size_t done = 0; done < frames; done += kBlock) {
      const auto due = audioStart + std::chrono::nanoseconds(static_cast<int64_t>(done * 1e9 / kRate));
      std::this_thread::sleep_until(due);
      mixer.RenderNow(left.data() + done, right.data() + done, kBlock);
      audioReady = true;
    }
  });
  while (!audioReady) std::this_thread::yield();

  Clicker clicker{&out};
  const Clock::time_point timerStart = Clock::now();
  const uint32_t id = GetTimerService().SetEvent(kClickPeriodMs, &Click, &clicker);
  audio.join();
  GetTimerService().KillEvent(id);

  const std::vector<size_t> onsets = Onsets(left);
  const double startFrame = std::chrono::duration<double>(timerStart - audioStart).count() * kRate;
  std::vector<double> error;
  for (size_t k = 0; k < onsets.size() && k < size_t{kClicks}; ++k) {
    const double ideal = startFrame + (k + 1) * kClickPeriodMs * kRate / 1000 + kBlock;
    error.push_back((static_cast<double>(onsets[k]) - ideal) * 1000 / kRate);
  }
  // The onset level sits a fixed number of samples into the click: its spread is the jitter.
  std::vector<double> jitter;
  double sum = 0;
  for (double e : error) sum += e;
  for (double e : error) jitter.push_back(e - sum / static_cast<double>(error.size()));
  std::printf("%s (period %d frames = %.2f ms):\n", timed ? "timed to the sample" : "at the next block", kBlock,
              kBlock * 1000 / kRate);
  PrintDeviations("  onset - (ideal tick + one period)", error);
  PrintDeviations("  spread around the mean (jitter)", jitter);
}

}  // namespace

int main() {
  Measure(true);
  Measure(false);
  return 0;
}
