#include "listen/VoiceCapture.h"

#include <pulse/pulseaudio.h>

#include <cstring>

namespace {

constexpr pa_usec_t kBlockMicroseconds = 10000;  // the server hands over 10 ms at a time

CaptureError ErrorOf(int code, CaptureError otherwise) {
  switch (code) {
    case PA_ERR_ACCESS:
    case PA_ERR_AUTHKEY:
      return CaptureError::kAccessRefused;
    case PA_ERR_NOENTITY:
      return CaptureError::kNoInputDevice;
    default:
      return otherwise;
  }
}

}  // namespace

// The PulseAudio objects of one opening. Their callbacks run on the mainloop's thread with its
// lock held; Close takes the lock to tear them down and then stops the thread.
struct VoiceCapture::Pulse {
  VoiceCapture& owner;
  std::string wantedDevice;
  pa_threaded_mainloop* mainloop = nullptr;
  pa_context* context = nullptr;
  pa_stream* stream = nullptr;
  bool contextReady = false;
  bool failed = false;
  std::string defaultSink;
  std::vector<float> block;

  explicit Pulse(VoiceCapture& capture, std::string device) : owner(capture), wantedDevice(std::move(device)) {}

  void Fail(CaptureError error, const std::string& reason) {
    if (failed) return;
    failed = true;
    if (stream) pa_stream_disconnect(stream);
    CaptureStatus status = owner.Status();
    status.state = CaptureState::kFailed;
    status.error = error;
    status.reason = reason;
    owner.SetStatus(status, true);
  }
  std::string ServerWords() const { return pa_strerror(pa_context_errno(context)); }

  static void OnContext(pa_context* context, void* self) { static_cast<Pulse*>(self)->ContextChanged(context); }
  void ContextChanged(pa_context* c) {
    switch (pa_context_get_state(c)) {
      case PA_CONTEXT_READY:
        contextReady = true;
        pa_operation_unref(pa_context_get_server_info(c, &Pulse::OnServer, this));
        break;
      case PA_CONTEXT_FAILED:
        Fail(ErrorOf(pa_context_errno(c), contextReady ? CaptureError::kServerGone : CaptureError::kNoServer),
             ServerWords());
        break;
      default:
        break;
    }
  }

  static void OnServer(pa_context* c, const pa_server_info* info, void* self) {
    static_cast<Pulse*>(self)->ServerKnown(c, info);
  }
  void ServerKnown(pa_context* c, const pa_server_info* info) {
    if (!info) return Fail(CaptureError::kFailed, ServerWords());
    if (info->default_sink_name) defaultSink = info->default_sink_name;
    std::string source = wantedDevice;
    if (source.empty() && info->default_source_name) source = info->default_source_name;
    if (source.empty()) return Fail(CaptureError::kNoInputDevice, "no input device");
    pa_operation_unref(pa_context_get_source_info_by_name(c, source.c_str(), &Pulse::OnSource, this));
  }

  static void OnSource(pa_context* c, const pa_source_info* info, int eol, void* self) {
    static_cast<Pulse*>(self)->SourceKnown(c, info, eol);
  }
  void SourceKnown(pa_context* c, const pa_source_info* info, int eol) {
    if (eol < 0) {
      return Fail(ErrorOf(pa_context_errno(c), CaptureError::kNoInputDevice),
                  wantedDevice.empty() ? ServerWords() : "no input device " + wantedDevice);
    }
    if (!info || stream || failed) return;
    const bool hearsOwnOutput = info->monitor_of_sink != PA_INVALID_INDEX && info->monitor_of_sink_name &&
                                defaultSink == info->monitor_of_sink_name;
    if (wantedDevice.empty() && hearsOwnOutput)
      return Fail(CaptureError::kNoInputDevice, "no input device (only the monitor of the output)");
    Record(c, info->name, info->sample_spec.rate);
  }

  void Record(pa_context* c, const char* source, uint32_t rate) {
    const pa_sample_spec spec{PA_SAMPLE_FLOAT32NE, rate, 1};
    pa_channel_map map;
    pa_channel_map_init_mono(&map);
    stream = pa_stream_new(c, "Voice", &spec, &map);
    if (!stream) return Fail(CaptureError::kFailed, ServerWords());
    CaptureStatus status = owner.Status();
    status.deviceName = source;
    status.sampleRate = rate;
    owner.SetStatus(status, false);
    pa_stream_set_state_callback(stream, &Pulse::OnStream, this);
    pa_stream_set_read_callback(stream, &Pulse::OnRead, this);
    pa_buffer_attr attr;
    std::memset(&attr, 0xff, sizeof attr);
    attr.fragsize = uint32_t(pa_usec_to_bytes(kBlockMicroseconds, &spec));
    const auto flags = pa_stream_flags_t(PA_STREAM_ADJUST_LATENCY | PA_STREAM_DONT_MOVE);
    if (pa_stream_connect_record(stream, source, &attr, flags) < 0)
      Fail(ErrorOf(pa_context_errno(c), CaptureError::kFailed), ServerWords());
  }

  static void OnStream(pa_stream* s, void* self) { static_cast<Pulse*>(self)->StreamChanged(s); }
  void StreamChanged(pa_stream* s) {
    switch (pa_stream_get_state(s)) {
      case PA_STREAM_READY: {
        CaptureStatus status = owner.Status();
        status.state = CaptureState::kOpen;
        owner.consumer_.Started(status.sampleRate);
        owner.SetStatus(status, true);
        break;
      }
      case PA_STREAM_FAILED: {
        const int code = pa_context_errno(context);
        const bool serverGone = pa_context_get_state(context) != PA_CONTEXT_READY;
        Fail(serverGone ? CaptureError::kServerGone : ErrorOf(code, CaptureError::kNoInputDevice), ServerWords());
        break;
      }
      default:
        break;
    }
  }

  static void OnRead(pa_stream* s, size_t, void* self) { static_cast<Pulse*>(self)->Read(s); }
  void Read(pa_stream* s) {
    while (pa_stream_readable_size(s) > 0) {
      const void* data = nullptr;
      size_t bytes = 0;
      if (pa_stream_peek(s, &data, &bytes) < 0 || bytes == 0) return;
      block.assign(bytes / sizeof(float), 0.0f);
      if (data) std::memcpy(block.data(), data, block.size() * sizeof(float));
      pa_stream_drop(s);
      if (!failed && !block.empty()) owner.consumer_.Block(block);
    }
  }

  // Connects in the background; false when not even that could start.
  bool Start() {
    mainloop = pa_threaded_mainloop_new();
    if (!mainloop) return false;
    context = pa_context_new(pa_threaded_mainloop_get_api(mainloop), "Aurelo");
    if (!context) return false;
    pa_context_set_state_callback(context, &Pulse::OnContext, this);
    pa_threaded_mainloop_lock(mainloop);
    const bool connecting = pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0;
    if (!connecting) Fail(ErrorOf(pa_context_errno(context), CaptureError::kNoServer), ServerWords());
    pa_threaded_mainloop_unlock(mainloop);
    return connecting && pa_threaded_mainloop_start(mainloop) >= 0;
  }

  ~Pulse() {
    if (mainloop) {
      pa_threaded_mainloop_lock(mainloop);
      if (stream) {
        pa_stream_set_state_callback(stream, nullptr, nullptr);
        pa_stream_set_read_callback(stream, nullptr, nullptr);
        pa_stream_disconnect(stream);
        pa_stream_unref(stream);
      }
      if (context) {
        pa_context_set_state_callback(context, nullptr, nullptr);
        pa_context_disconnect(context);
        pa_context_unref(context);
      }
      pa_threaded_mainloop_unlock(mainloop);
      pa_threaded_mainloop_stop(mainloop);
      pa_threaded_mainloop_free(mainloop);
    }
  }
};

VoiceCapture::VoiceCapture(CaptureConsumer& consumer) : consumer_(consumer) {}

VoiceCapture::~VoiceCapture() { Close(); }

void VoiceCapture::Open(const std::string& deviceName) {
  Close();
  CaptureStatus opening;
  opening.state = CaptureState::kOpening;
  SetStatus(opening, false);
  pulse_ = std::make_unique<Pulse>(*this, deviceName);
  if (!pulse_->Start() && Status().state == CaptureState::kOpening) {
    CaptureStatus failed;
    failed.state = CaptureState::kFailed;
    failed.error = CaptureError::kFailed;
    failed.reason = "the sound client could not start";
    SetStatus(failed, false);
  }
}

void VoiceCapture::Close() {
  pulse_.reset();
  SetStatus(CaptureStatus{}, false);
}

CaptureStatus VoiceCapture::Status() const {
  std::lock_guard lock(statusMutex_);
  return status_;
}

void VoiceCapture::SetStatus(const CaptureStatus& status, bool tellConsumer) {
  {
    std::lock_guard lock(statusMutex_);
    status_ = status;
  }
  if (tellConsumer) consumer_.StatusChanged();
}
