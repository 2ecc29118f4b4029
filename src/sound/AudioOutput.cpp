#include "sound/AudioOutput.h"

#include <sched.h>

#include <array>
#include <cstdlib>

namespace {
// PulseAudio first: FluidSynth's default here is ALSA, whose default device on a PulseAudio
// desktop is the server's ALSA plug-in; that one can hold the stream for two seconds after an
// underrun, where the server's own client does not.
constexpr std::array<const char*, 5> kDrivers = {"pulseaudio", nullptr, "alsa", "sdl2", "jack"};
constexpr int kNameSize = 64;
}  // namespace

AudioOutput::AudioOutput(Mixer& mixer) : mixer_(mixer) {
  for (const char* name : kDrivers) {
    if (TryDriver(name)) return;
  }
}

AudioOutput::~AudioOutput() {
  if (!driver_) return;
  driver_.reset();
  mixer_.SetTimed(false, 0);
}

bool AudioOutput::TryDriver(const char* name) {
  FluidSettingsPtr settings(new_fluid_settings());
  if (!settings) return false;
  fluid_settings_t* s = settings.get();
  if (name) fluid_settings_setstr(s, "audio.driver", name);
  fluid_settings_setnum(s, "synth.sample-rate", Synth::kSampleRate);
  fluid_settings_setint(s, "audio.period-size", kPeriodFrames);
  fluid_settings_setint(s, "audio.periods", kPeriods);
  fluid_settings_setint(s, "audio.realtime-prio", kRealTimePriority);
  // Without this PulseAudio may buffer a second or more.
  fluid_settings_setint(s, "audio.pulseaudio.adjust-latency", 0);
  mixer_.SetTimed(true, kPeriodFrames);
  FluidAudioDriverPtr driver(new_fluid_audio_driver2(s, &AudioOutput::Callback, this));
  if (!driver) {
    mixer_.SetTimed(false, 0);
    return false;
  }
  char used[kNameSize] = {};
  fluid_settings_copystr(s, "audio.driver", used, kNameSize);
  fluid_settings_getint(s, "audio.period-size", &periodFrames_);
  fluid_settings_getint(s, "audio.periods", &periods_);
  driverName_ = used;
  settings_ = std::move(settings);
  driver_ = std::move(driver);
  return true;
}

int AudioOutput::Callback(void* data, int len, int /*nfx*/, float* /*fx*/[], int nout, float* out[]) {
  if (nout < 2) return FLUID_FAILED;
  auto* self = static_cast<AudioOutput*>(data);
  if (!self->schedulingNoted_.load(std::memory_order_relaxed)) self->NoteScheduling();
  self->mixer_.RenderNow(out[0], out[1], len);
  return FLUID_OK;
}

void AudioOutput::NoteScheduling() {
  const int policy = sched_getscheduler(0);
  realTime_ = policy == SCHED_FIFO || policy == SCHED_RR;
  schedulingNoted_ = true;
}

void ForbidJackServerStart() { setenv("JACK_NO_START_SERVER", "1", 0); }
