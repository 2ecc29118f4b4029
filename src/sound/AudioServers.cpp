#include "sound/AudioServers.h"

#include <alsa/asoundlib.h>
#include <jack/jack.h>
#include <pulse/context.h>
#include <pulse/introspect.h>
#include <pulse/mainloop.h>

#include <fluidsynth.h>

#include <algorithm>
#include <chrono>
#include <cstring>

namespace audio_servers {
namespace {

constexpr const char* kProbeName = "Aurelo-probe";
constexpr int kDefaultRate = 44100;
constexpr int kAlsaWish = 48000;
// A PulseAudio server answers in a few milliseconds; a hung one must not hold the start.
constexpr auto kPulseWait = std::chrono::milliseconds(1500);

void Quiet(const char* /*message*/) {}

// The introspection of one sink lookup: the server's default sink, then that sink's rate.
struct PulseQuery {
  pa_context* context = nullptr;
  std::optional<int> rate;
  bool done = false;
};

void OnSink(pa_context* /*c*/, const pa_sink_info* info, int eol, void* data) {
  auto* q = static_cast<PulseQuery*>(data);
  if (info && !q->rate) q->rate = static_cast<int>(info->sample_spec.rate);
  if (eol) q->done = true;
}

void OnServer(pa_context* c, const pa_server_info* info, void* data) {
  auto* q = static_cast<PulseQuery*>(data);
  if (!info || !info->default_sink_name) {
    q->done = true;
    return;
  }
  if (pa_operation* op = pa_context_get_sink_info_by_name(c, info->default_sink_name, &OnSink, q)) {
    pa_operation_unref(op);
  } else {
    q->done = true;
  }
}

void OnState(pa_context* c, void* data) {
  auto* q = static_cast<PulseQuery*>(data);
  switch (pa_context_get_state(c)) {
    case PA_CONTEXT_READY:
      if (pa_operation* op = pa_context_get_server_info(c, &OnServer, q)) {
        pa_operation_unref(op);
      } else {
        q->done = true;
      }
      break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
      q->done = true;
      break;
    default:
      break;
  }
}

}  // namespace

std::optional<JackServer> RunningJack() {
  jack_set_error_function(&Quiet);
  jack_set_info_function(&Quiet);
  jack_status_t status{};
  jack_client_t* client = jack_client_open(kProbeName, JackNoStartServer, &status);
  if (!client) return std::nullopt;
  const JackServer server{static_cast<int>(jack_get_sample_rate(client)), static_cast<int>(jack_get_buffer_size(client))};
  jack_client_close(client);
  return server;
}

std::optional<int> PulseSinkRate() {
  pa_mainloop* loop = pa_mainloop_new();
  if (!loop) return std::nullopt;
  PulseQuery q;
  q.context = pa_context_new(pa_mainloop_get_api(loop), kProbeName);
  if (q.context) {
    pa_context_set_state_callback(q.context, &OnState, &q);
    if (pa_context_connect(q.context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) q.done = true;
    const auto end = std::chrono::steady_clock::now() + kPulseWait;
    constexpr int kStepUs = 20'000;
    while (!q.done && std::chrono::steady_clock::now() < end) {
      if (pa_mainloop_prepare(loop, kStepUs) < 0 || pa_mainloop_poll(loop) < 0 || pa_mainloop_dispatch(loop) < 0) break;
    }
    pa_context_disconnect(q.context);
    pa_context_unref(q.context);
  }
  pa_mainloop_free(loop);
  return q.rate;
}

std::optional<int> AlsaRate(const std::string& device, int wanted) {
  snd_pcm_t* pcm = nullptr;
  if (snd_pcm_open(&pcm, device.c_str(), SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0) return std::nullopt;
  std::optional<int> rate;
  snd_pcm_hw_params_t* params = nullptr;
  if (snd_pcm_hw_params_malloc(&params) == 0) {
    unsigned int r = static_cast<unsigned int>(wanted);
    if (snd_pcm_hw_params_any(pcm, params) >= 0 && snd_pcm_hw_params_set_rate_near(pcm, params, &r, nullptr) >= 0) {
      rate = static_cast<int>(r);
    }
    snd_pcm_hw_params_free(params);
  }
  snd_pcm_close(pcm);
  return rate;
}

int SynthRateNear(int rate) {
  double lowest = 8000;
  double highest = 96000;
  if (fluid_settings_t* s = new_fluid_settings()) {
    fluid_settings_getnum_range(s, "synth.sample-rate", &lowest, &highest);
    delete_fluid_settings(s);
  }
  return std::clamp(rate, static_cast<int>(lowest), static_cast<int>(highest));
}

int PreferredRate() {
  if (const auto jack = RunningJack()) return SynthRateNear(jack->rate);
  if (const auto pulse = PulseSinkRate()) return SynthRateNear(*pulse);
  if (const auto alsa = AlsaRate("default", kAlsaWish)) return SynthRateNear(*alsa);
  return kDefaultRate;
}

}  // namespace audio_servers
