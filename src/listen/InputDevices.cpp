#include "listen/InputDevices.h"

#include <pulse/pulseaudio.h>

namespace {

struct Listing {
  std::vector<InputDevice> devices;
  std::string defaultSource;
  int pending = 0;  // answers still to come
  bool failed = false;
};

void OnSource(pa_context*, const pa_source_info* info, int eol, void* data) {
  auto& listing = *static_cast<Listing*>(data);
  if (eol) {
    --listing.pending;
    return;
  }
  listing.devices.push_back({info->name ? info->name : "", info->description ? info->description : "",
                             info->monitor_of_sink != PA_INVALID_INDEX, false});
}

void OnServer(pa_context*, const pa_server_info* info, void* data) {
  auto& listing = *static_cast<Listing*>(data);
  if (info && info->default_source_name) listing.defaultSource = info->default_source_name;
  --listing.pending;
}

void OnContext(pa_context* context, void* data) {
  auto& listing = *static_cast<Listing*>(data);
  switch (pa_context_get_state(context)) {
    case PA_CONTEXT_READY:
      listing.pending = 2;
      pa_operation_unref(pa_context_get_server_info(context, &OnServer, data));
      pa_operation_unref(pa_context_get_source_info_list(context, &OnSource, data));
      break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
      listing.failed = true;
      break;
    default:
      break;
  }
}

}  // namespace

std::vector<InputDevice> ListInputDevices(std::chrono::milliseconds timeout) {
  Listing listing;
  listing.pending = -1;  // not connected yet
  pa_mainloop* loop = pa_mainloop_new();
  if (!loop) return {};
  pa_context* context = pa_context_new(pa_mainloop_get_api(loop), "Aurelo");
  if (context) {
    pa_context_set_state_callback(context, &OnContext, &listing);
    if (pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0) {
      const auto deadline = std::chrono::steady_clock::now() + timeout;
      while (!listing.failed && listing.pending != 0 && std::chrono::steady_clock::now() < deadline) {
        if (pa_mainloop_prepare(loop, 10000) < 0 || pa_mainloop_poll(loop) < 0 || pa_mainloop_dispatch(loop) < 0) break;
      }
    }
    pa_context_set_state_callback(context, nullptr, nullptr);
    pa_context_disconnect(context);
    pa_context_unref(context);
  }
  pa_mainloop_free(loop);
  if (listing.pending != 0) return {};
  for (InputDevice& device : listing.devices) device.isDefault = device.name == listing.defaultSource;
  return listing.devices;
}
