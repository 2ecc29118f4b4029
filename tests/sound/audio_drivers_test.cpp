// The pitch through the real sound servers: a JACK server (dummy backend) at 44.1, 48 and
// 96 kHz, and a PulseAudio server whose only sink (a null sink) runs at 44.1 or 48 kHz. Each
// test starts its own server under a name of its own and ends it; the sound is taken from the
// server and note 69 must sound at 440 Hz.
#include <QCoreApplication>
#include <gtest/gtest.h>
#include <jack/jack.h>
#include <signal.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "SoundTestAudio.h"
#include "sound/AudioEngine.h"
#include "sound/AudioOutput.h"
#include "sound/AudioServers.h"
#include "sound/Mixer.h"
#include "sound/Synth.h"
#include "sound/WaveSource.h"
#include "support/ServerProcess.h"

namespace {

using namespace std::chrono_literals;
constexpr const char* kFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
constexpr uint32_t kA4 = 69;

bool Installed(const char* program) {
  return std::system((std::string("command -v ") + program + " >/dev/null 2>&1").c_str()) == 0;
}

template <typename Ready>
bool WaitFor(Ready ready) {
  for (int i = 0; i < 100; ++i) {
    if (ready()) return true;
    std::this_thread::sleep_for(50ms);
  }
  return false;
}

// The pitch of the recorded sound from 200 ms after its first audible sample on.
double PitchAfterOnset(const std::vector<float>& s, int rate) {
  size_t onset = 0;
  while (onset < s.size() && std::fabs(s[onset]) < 1e-3f) ++onset;
  // The median of 50 ms windows from 150 ms after the onset: a block the recorder lost on a busy
  // machine moves one window's pitch, not the figure.
  const auto window = static_cast<size_t>(rate / 20);
  std::vector<double> pitches;
  for (size_t from = onset + static_cast<size_t>(rate * 0.15); from + window <= s.size() && pitches.size() < 12;
       from += window) {
    pitches.push_back(sound_test::PitchHz(
        std::vector<float>(s.begin() + static_cast<long>(from), s.begin() + static_cast<long>(from + window)), rate, 200,
        900));
  }
  if (pitches.size() < 3) return 0;
  std::nth_element(pitches.begin(), pitches.begin() + static_cast<long>(pitches.size() / 2), pitches.end());
  return pitches[pitches.size() / 2];
}

// The program's sound as a user's machine makes it: the synthesiser made at the rate the
// servers ask for, the output opened for it, note 69 played at once.
struct Sound {
  Sound() : synth(Synth::Create(kFont, audio_servers::PreferredRate())) {
    if (synth) mixer.SetSynth(synth.get());
  }
  void Open() { output = std::make_unique<AudioOutput>(mixer, synth->Rate(), AudioLatency::kLow); }
  WaveSource wave;
  Mixer mixer{wave};
  std::unique_ptr<Synth> synth;
  std::unique_ptr<AudioOutput> output;
};

// A JACK client that records one input port into a buffer of fixed size.
class JackRecorder {
 public:
  explicit JackRecorder(size_t frames) : buffer_(frames) {
    client_ = jack_client_open("Listener", JackNoStartServer, nullptr);
    if (!client_) return;
    port_ = jack_port_register(client_, "in", JACK_DEFAULT_AUDIO_TYPE, JackPortIsInput, 0);
    jack_set_process_callback(client_, &Process, this);
    jack_activate(client_);
  }
  ~JackRecorder() {
    if (client_) jack_client_close(client_);
  }
  JackRecorder(const JackRecorder&) = delete;
  JackRecorder& operator=(const JackRecorder&) = delete;
  bool Listen(const char* source) { return client_ && jack_connect(client_, source, "Listener:in") == 0; }
  std::vector<float> Sound() const { return std::vector<float>(buffer_.begin(), buffer_.begin() + static_cast<long>(used_.load())); }

 private:
  static int Process(jack_nframes_t frames, void* data) {
    auto* self = static_cast<JackRecorder*>(data);
    const auto* in = static_cast<const float*>(jack_port_get_buffer(self->port_, frames));
    size_t used = self->used_.load();
    for (jack_nframes_t i = 0; i < frames && used < self->buffer_.size(); ++i) self->buffer_[used++] = in[i];
    self->used_.store(used);
    return 0;
  }
  std::vector<float> buffer_;
  std::atomic<size_t> used_{0};
  jack_client_t* client_ = nullptr;
  jack_port_t* port_ = nullptr;
};

// Sets an environment variable for the scope of a test.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value) : name_(name) { setenv(name, value.c_str(), 1); }
  ~ScopedEnv() { unsetenv(name_); }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
};

// A private PulseAudio server with one null sink at the rate, in a runtime folder of its own.
class PulseServer {
 public:
  explicit PulseServer(int rate)
      : dir_(std::filesystem::temp_directory_path() /
             ("aurelo-pulse-" + std::to_string(getpid()) + "-" + std::to_string(rate))),
        runtime_("XDG_RUNTIME_DIR", Made(dir_)),
        process_({"pulseaudio", "--daemonize=no", "-n", "--exit-idle-time=-1", "--disallow-exit",
                  "--load=module-null-sink sink_name=out rate=" + std::to_string(rate),
                  "--load=module-native-protocol-unix"}) {}
  ~PulseServer() {
    process_.Stop();
    std::filesystem::remove_all(dir_);
  }
  PulseServer(const PulseServer&) = delete;
  PulseServer& operator=(const PulseServer&) = delete;
  ServerProcess& Process() { return process_; }
  const std::filesystem::path& Dir() const { return dir_; }

 private:
  static std::string Made(const std::filesystem::path& dir) {
    std::filesystem::create_directories(dir);
    std::filesystem::permissions(dir, std::filesystem::perms::owner_all);
    return dir.string();
  }

  std::filesystem::path dir_;
  ScopedEnv runtime_;
  ServerProcess process_;
};

// Runs the user-interface thread's events for the time.
void RunEventsFor(std::chrono::milliseconds time) {
  const auto end = std::chrono::steady_clock::now() + time;
  while (std::chrono::steady_clock::now() < end) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    std::this_thread::sleep_for(5ms);
  }
}

TEST(AudioDrivers, OnJackNote69SoundsAt440AtTheServersRate) {
  if (!Installed("jackd")) GTEST_SKIP() << "jackd is not installed (scripts/setup installs jackd2)";
  for (const int rate : {44100, 48000, 96000}) {
    SCOPED_TRACE(rate);
    const std::string name = "aurelo-test-" + std::to_string(getpid()) + "-" + std::to_string(rate);
    ScopedEnv server("JACK_DEFAULT_SERVER", name);
    ScopedEnv noReservation("JACK_NO_AUDIO_RESERVATION", "1");
    ServerProcess jackd({"jackd", "--no-realtime", "-n", name, "-d", "dummy", "-r", std::to_string(rate), "-p", "256"});
    ASSERT_TRUE(jackd.Started());
    ASSERT_TRUE(WaitFor([] { return audio_servers::RunningJack().has_value(); }));
    EXPECT_EQ(audio_servers::RunningJack()->periodFrames, 256);
    Sound sound;
    ASSERT_NE(sound.synth, nullptr);
    EXPECT_EQ(sound.synth->Rate(), rate);
    JackRecorder recorder(static_cast<size_t>(rate));
    sound.Open();
    ASSERT_TRUE(sound.output->Running());
    EXPECT_EQ(sound.output->DriverName(), "jack");
    EXPECT_EQ(sound.output->Rate(), rate);
    EXPECT_EQ(sound.output->PeriodFrames(), 256);
    ASSERT_TRUE(recorder.Listen("Aurelo-audio:left"));
    sound.mixer.Send(midi::Pack(midi::kNoteOn, kA4, 100));
    ASSERT_TRUE(WaitFor([&] { return recorder.Sound().size() == static_cast<size_t>(rate); }));
    sound.output.reset();
    EXPECT_NEAR(PitchAfterOnset(recorder.Sound(), rate), 440.0, 1.0);
  }
}

TEST(AudioDrivers, OnPulseAudioNote69SoundsAt440AtTheSinksRate) {
  if (!Installed("pulseaudio") || !Installed("parec")) GTEST_SKIP() << "pulseaudio and parec are not installed";
  // 192 kHz is beyond the synthesiser: it runs at 96 kHz and the server converts.
  for (const int rate : {44100, 48000, 192000}) {
    SCOPED_TRACE(rate);
    const int synthRate = std::min(rate, 96000);
    PulseServer pulse(rate);
    ASSERT_TRUE(pulse.Process().Started());
    ASSERT_TRUE(WaitFor([] { return audio_servers::PulseSinkRate().has_value(); }));
    EXPECT_EQ(audio_servers::PulseSinkRate(), rate);
    Sound sound;
    ASSERT_NE(sound.synth, nullptr);
    EXPECT_EQ(sound.synth->Rate(), synthRate);
    const std::string raw = (pulse.Dir() / "out.raw").string();
    ServerProcess recorder({"sh", "-c",
                            "exec parec -d out.monitor --raw --format=float32le --channels=1 --rate=" + std::to_string(rate) +
                                " --latency-msec=20 > " + raw});
    sound.Open();
    ASSERT_TRUE(sound.output->Running());
    EXPECT_EQ(sound.output->DriverName(), "pulseaudio");
    EXPECT_EQ(sound.output->Rate(), synthRate);
    ASSERT_TRUE(WaitFor([&] { return sound.mixer.Flowing(); }));
    sound.mixer.Send(midi::Pack(midi::kNoteOn, kA4, 100));
    std::this_thread::sleep_for(800ms);
    recorder.Stop();
    sound.output.reset();
    std::ifstream in(raw, std::ios::binary);
    std::vector<float> heard;
    for (float v = 0; in.read(reinterpret_cast<char*>(&v), sizeof v);) heard.push_back(v);
    EXPECT_NEAR(PitchAfterOnset(heard, rate), 440.0, 1.0);
  }
}

// A program whose audio thread does not run for 150 ms (stopped, as on a machine too busy for
// it), three times, had its stream run dry: the output is opened again with the next larger
// latency, and the status line is given once, however often that happens.
TEST(AudioDrivers, OnPulseAudioAStreamThatRunsDryIsOpenedWithTheNextLargerLatencySaidOnce) {
  if (!Installed("pulseaudio")) GTEST_SKIP() << "pulseaudio is not installed";
  PulseServer pulse(48000);
  ASSERT_TRUE(pulse.Process().Started());
  ASSERT_TRUE(WaitFor([] { return audio_servers::PulseSinkRate().has_value(); }));
  AudioEngine engine;
  std::vector<std::string> notices;
  engine.SetNoticeHandler([&notices](const std::string& line) { notices.push_back(line); });
  engine.SetLatency(AudioLatency::kLow);
  engine.AttachSynth(Synth::Create(kFont, 48000));
  ASSERT_NE(engine.Output(), nullptr);
  ASSERT_EQ(engine.Output()->DriverName(), "pulseaudio");
  const std::string self = std::to_string(getpid());
  const auto stallThrice = [&self, &engine] {
    // Once the new stream flows and has settled, this whole process is stopped three times.
    ASSERT_TRUE(WaitFor([&engine] { return engine.GetMixer().Flowing(); }));
    ServerProcess stopper({"sh", "-c",
                           "sleep 0.7; for i in 1 2 3; do kill -STOP " + self + "; sleep 0.15; kill -CONT " + self +
                               "; sleep 0.3; done"});
    // Never ended from here: it might be between its stop and its go on.
    while (!stopper.Ended()) RunEventsFor(100ms);
    RunEventsFor(300ms);
  };
  stallThrice();
  EXPECT_NE(engine.Latency(), AudioLatency::kLow);
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0].rfind(" ms"), notices[0].size() - 3);
  stallThrice();
  EXPECT_EQ(engine.Latency(), AudioLatency::kSafe);
  EXPECT_EQ(notices.size(), 1u);
}

}  // namespace
