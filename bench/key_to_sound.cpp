// Key to sound on the JACK clock, or the output latency PulseAudio reports; run by
// bench/key_to_sound.sh, which starts the servers.
//
//   bench_key_to_sound jack NOTES   a client "KeyToSound" plays note 69 on its MIDI port "keys"
//                                  (the program's keyboard input connects itself to it) at a
//                                  random frame of a cycle, NOTES times, and listens to the
//                                  program's output: the frames from each note-on to the first
//                                  sample of the note, median and maximum.
//   bench_key_to_sound pulse CHOICE opens the output on PulseAudio with the latency choice (0 low,
//                                  1 normal, 2 safe) and prints the latency the server reports
//                                  for the stream. One choice a server: a null sink that has had
//                                  a stream before reports some 65 ms more for the next one.
#include <jack/jack.h>
#include <jack/midiport.h>

#include <QCoreApplication>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "settings/ProgramSettings.h"
#include "sound/AudioEngine.h"
#include "sound/MidiDevices.h"
#include "sound/MidiOutput.h"

namespace {

using namespace std::chrono_literals;
constexpr float kHeard = 0.01f;
constexpr unsigned char kNote = 69;
constexpr double kNoteSpacingSeconds = 0.4;
constexpr double kNoteLengthSeconds = 0.05;

// Plays the notes and measures, all inside the JACK process callback.
class KeyToSound {
 public:
  explicit KeyToSound(int notes) : notes_(notes) {
    client_ = jack_client_open("KeyToSound", JackNoStartServer, nullptr);
    if (!client_) return;
    keys_ = jack_port_register(client_, "keys", JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0);
    in_ = jack_port_register(client_, "in", JACK_DEFAULT_AUDIO_TYPE, JackPortIsInput, 0);
    rate_ = static_cast<int>(jack_get_sample_rate(client_));
    latencies_.reserve(static_cast<size_t>(notes));
    jack_set_process_callback(client_, &Process, this);
    jack_activate(client_);
  }
  ~KeyToSound() {
    if (client_) jack_client_close(client_);
  }
  KeyToSound(const KeyToSound&) = delete;
  KeyToSound& operator=(const KeyToSound&) = delete;

  bool Ready() const { return client_ && jack_connect(client_, "Aurelo-audio:left", "KeyToSound:in") == 0; }
  void Start() { running_ = true; }
  bool Done() const { return done_.load(); }
  int Rate() const { return rate_; }
  int Period() const { return client_ ? static_cast<int>(jack_get_buffer_size(client_)) : 0; }
  std::vector<int64_t> Latencies() const { return latencies_; }

 private:
  static int Process(jack_nframes_t frames, void* data) {
    static_cast<KeyToSound*>(data)->Cycle(frames);
    return 0;
  }
  void Cycle(jack_nframes_t frames) {
    void* midi = jack_port_get_buffer(keys_, frames);
    jack_midi_clear_buffer(midi);
    const auto* in = static_cast<const float*>(jack_port_get_buffer(in_, frames));
    const int64_t start = jack_last_frame_time(client_);
    if (!running_ || done_) return;
    if (waiting_) {
      for (jack_nframes_t i = 0; i < frames; ++i) {
        if (start + i >= sent_ && std::fabs(in[i]) > kHeard) {
          latencies_.push_back(start + i - sent_);
          waiting_ = false;
          break;
        }
      }
    }
    const int64_t end = start + frames;
    if (noteOffAt_ >= start && noteOffAt_ < end) {
      const unsigned char off[3] = {0x80, kNote, 0};
      jack_midi_event_write(midi, static_cast<jack_nframes_t>(noteOffAt_ - start), off, 3);
    }
    if (!waiting_ && end >= nextAt_) {
      if (static_cast<int>(latencies_.size()) >= notes_) {
        done_ = true;
        return;
      }
      const auto offset = static_cast<jack_nframes_t>(random_() % frames);
      const unsigned char on[3] = {0x90, kNote, 100};
      jack_midi_event_write(midi, offset, on, 3);
      sent_ = start + offset;
      noteOffAt_ = sent_ + static_cast<int64_t>(kNoteLengthSeconds * rate_);
      nextAt_ = sent_ + static_cast<int64_t>(kNoteSpacingSeconds * rate_);
      waiting_ = true;
    }
  }

  int notes_;
  jack_client_t* client_ = nullptr;
  jack_port_t* keys_ = nullptr;
  jack_port_t* in_ = nullptr;
  int rate_ = 0;
  std::atomic<bool> running_{false};
  std::atomic<bool> done_{false};
  bool waiting_ = false;
  int64_t sent_ = 0;
  int64_t nextAt_ = 0;
  int64_t noteOffAt_ = -1;
  std::minstd_rand random_{12345};
  std::vector<int64_t> latencies_;
};

int MeasureJack(int notes) {
  useHardwareMidiKeyboard = 1;
  audioLatency = static_cast<int32_t>(AudioLatency::kLow);
  KeyToSound bench(notes);
  OpenMidiDevices();
  ConnectKeyboards();
  const AudioOutput* output = GetAudioEngine().Output();
  if (!output || !bench.Ready()) {
    std::printf("key_to_sound: %s\n", output ? ("no Aurelo-audio:left port; the output is " + output->DriverName()).c_str()
                                             : "the program's output is missing");
    CloseMidiDevices();
    return 1;
  }
  std::this_thread::sleep_for(500ms);
  bench.Start();
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(static_cast<int>(notes * kNoteSpacingSeconds) + 10);
  while (!bench.Done() && std::chrono::steady_clock::now() < end) std::this_thread::sleep_for(50ms);
  std::vector<int64_t> frames = bench.Latencies();
  CloseMidiDevices();
  if (frames.empty()) {
    std::printf("key_to_sound: no note was heard\n");
    return 1;
  }
  std::sort(frames.begin(), frames.end());
  const double msPerFrame = 1000.0 / bench.Rate();
  const int64_t median = frames[frames.size() / 2];
  std::printf("JACK %d Hz, %d frames (%.2f ms): %zu notes, key to sound median %lld frames = %.2f ms, max %lld frames = %.2f ms, min %.2f ms\n",
              bench.Rate(), bench.Period(), bench.Period() * msPerFrame, frames.size(), static_cast<long long>(median),
              median * msPerFrame, static_cast<long long>(frames.back()), frames.back() * msPerFrame, frames.front() * msPerFrame);
  return 0;
}

// "Buffer Latency: 5333 usec" and "Sink Latency: 2666 usec" of the one stream, from pactl.
std::pair<double, double> StreamLatencyMs() {
  FILE* pactl = popen("pactl list sink-inputs", "r");
  if (!pactl) return {-1, -1};
  double buffer = -1, sink = -1;
  char line[512];
  while (std::fgets(line, sizeof line, pactl)) {
    double usec = 0;
    if (std::sscanf(line, " Buffer Latency: %lf usec", &usec) == 1) buffer = usec / 1000;
    if (std::sscanf(line, " Sink Latency: %lf usec", &usec) == 1) sink = usec / 1000;
  }
  pclose(pactl);
  return {buffer, sink};
}

int MeasurePulse(AudioLatency latency) {
  {
    WaveSource wave;
    Mixer mixer(wave);
    AudioOutput output(mixer, 0, latency);
    if (!output.Running() || output.DriverName() != "pulseaudio") {
      std::printf("key_to_sound: no PulseAudio output\n");
      return 1;
    }
    std::this_thread::sleep_for(1500ms);
    // The sink's latency moves with its blocks: the median of a few readings.
    std::vector<double> buffers, sinks;
    for (int i = 0; i < 5; ++i) {
      const auto [b, k] = StreamLatencyMs();
      buffers.push_back(b);
      sinks.push_back(k);
      std::this_thread::sleep_for(200ms);
    }
    std::sort(buffers.begin(), buffers.end());
    std::sort(sinks.begin(), sinks.end());
    const double buffer = buffers[2];
    const double sink = sinks[2];
    std::printf("PulseAudio %d Hz, latency %d: period %d frames = %.2f ms + stream buffer %.2f ms + sink %.2f ms = %.2f ms; underruns %llu\n",
                output.Rate(), static_cast<int>(latency), output.PeriodFrames(), output.PeriodMs(), buffer, sink,
                output.PeriodMs() + buffer + sink, static_cast<unsigned long long>(output.Underruns()));
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "jack") return MeasureJack(argc > 2 ? std::atoi(argv[2]) : 50);
  if (mode == "pulse" && argc > 2) {
    return MeasurePulse(static_cast<AudioLatency>(std::clamp(std::atoi(argv[2]), 0, kAudioLatencyCount - 1)));
  }
  std::printf("usage: bench_key_to_sound jack [NOTES] | pulse CHOICE\n");
  return 2;
}
