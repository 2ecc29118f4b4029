#include "sound/AudioOutput.h"

#include <sched.h>

#include <array>
#include <cstdlib>
#include <cstring>

#include "sound/AudioServers.h"

namespace {
// PulseAudio before the system's default: FluidSynth's default here is ALSA, whose default
// device on a PulseAudio desktop is the server's ALSA plug-in; that one can hold the stream for
// two seconds after an underrun, where the server's own client does not.
constexpr std::array<const char*, 5> kDrivers = {"pulseaudio", nullptr, "alsa", "sdl2", "jack"};
constexpr const char* kJack = "jack";
constexpr const char* kPulse = "pulseaudio";
constexpr const char* kAlsa = "alsa";
// The keyboard input has the client name "Aurelo".
constexpr const char* kClientName = "Aurelo-audio";
constexpr int kNameSize = 64;
constexpr int kAlsaWish = 48000;

bool Same(const char* a, const char* b) { return a && b && std::strcmp(a, b) == 0; }
}  // namespace

AudioOutput::AudioOutput(Mixer& mixer, int wantedRate, AudioLatency latency, std::function<void()> onUnderrun)
    : mixer_(mixer), onUnderrun_(std::move(onUnderrun)) {
  // A user who runs JACK wants the sound there, at the server's period.
  if (TryDriver(kJack, wantedRate, latency)) return;
  std::string defaultName;
  {
    FluidSettingsPtr probe(new_fluid_settings());
    char* name = nullptr;
    if (probe && fluid_settings_getstr_default(probe.get(), "audio.driver", &name) == FLUID_OK && name) defaultName = name;
  }
  for (const char* name : kDrivers) {
    if (!name && (defaultName.empty() || defaultName == kJack || defaultName == kPulse || defaultName == kAlsa)) continue;
    if (TryDriver(name ? name : defaultName.c_str(), wantedRate, latency)) return;
  }
}

AudioOutput::~AudioOutput() { driver_.reset(); }

bool AudioOutput::TryDriver(const char* name, int wantedRate, AudioLatency latency) {
  int rate = wantedRate;
  int period = 0;
  bool serverPeriod = false;
  if (Same(name, kJack)) {
    const auto jack = audio_servers::RunningJack();
    if (!jack) return false;
    // The server's rate is the stream's: a synthesiser that cannot run at it would sound off pitch.
    if (audio_servers::SynthRateNear(jack->rate) != jack->rate) return false;
    rate = jack->rate;
    period = jack->periodFrames;
    serverPeriod = true;
  } else if (Same(name, kPulse)) {
    // Only a server that runs: the driver would start one otherwise.
    const auto sink = audio_servers::PulseSinkRate();
    if (!sink) return false;
    if (rate == 0) rate = *sink;
  } else if (rate == 0 && Same(name, kAlsa)) {
    rate = audio_servers::AlsaRate("default", kAlsaWish).value_or(Mixer::kDefaultRate);
  }
  rate = rate == 0 ? Mixer::kDefaultRate : audio_servers::SynthRateNear(rate);
  if (period == 0) period = PeriodFramesFor(latency, rate);

  FluidSettingsPtr settings(new_fluid_settings());
  if (!settings) return false;
  fluid_settings_t* s = settings.get();
  fluid_settings_setstr(s, "audio.driver", name);
  fluid_settings_setnum(s, "synth.sample-rate", rate);
  fluid_settings_setint(s, "audio.period-size", period);
  fluid_settings_setint(s, "audio.periods", kPeriods);
  fluid_settings_setint(s, "audio.realtime-prio", kRealTimePriority);
  fluid_settings_setstr(s, "audio.jack.id", kClientName);
  fluid_settings_setint(s, "audio.jack.autoconnect", 1);
  // Without this PulseAudio may buffer a second or more.
  fluid_settings_setint(s, "audio.pulseaudio.adjust-latency", 0);
  mixer_.SetTimed(true, period, rate);
  rate_ = rate;
  periodFrames_ = period;
  underrunCounter_ = UnderrunCounter(rate, period * kPeriods, Mixer::NowNs());
  FluidAudioDriverPtr driver(new_fluid_audio_driver2(s, &AudioOutput::Callback, this));
  if (!driver) {
    mixer_.SetTimed(false, 0, rate);
    return false;
  }
  char used[kNameSize] = {};
  fluid_settings_copystr(s, "audio.driver", used, kNameSize);
  fluid_settings_getint(s, "audio.periods", &periods_);
  driverName_ = used;
  serverPeriod_ = serverPeriod;
  settings_ = std::move(settings);
  driver_ = std::move(driver);
  return true;
}

int AudioOutput::Callback(void* data, int len, int /*nfx*/, float* /*fx*/[], int nout, float* out[]) {
  if (nout < 2) return FLUID_FAILED;
  auto* self = static_cast<AudioOutput*>(data);
  if (!self->schedulingNoted_.load(std::memory_order_relaxed)) self->NoteScheduling();
  self->NoteBlockTime(len);
  self->mixer_.RenderNow(out[0], out[1], len);
  return FLUID_OK;
}

void AudioOutput::NoteBlockTime(int frames) {
  if (!underrunCounter_.Block(Mixer::NowNs(), frames)) return;
  underruns_.fetch_add(1);
  if (onUnderrun_) onUnderrun_();
}

void AudioOutput::NoteScheduling() {
  const int policy = sched_getscheduler(0);
  realTime_ = policy == SCHED_FIFO || policy == SCHED_RR;
  schedulingNoted_ = true;
}

void ForbidJackServerStart() { setenv("JACK_NO_START_SERVER", "1", 0); }
