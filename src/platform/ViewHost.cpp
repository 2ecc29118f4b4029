#include "platform/ViewHost.h"

#include <atomic>

#include "platform/qt/ImageDc.h"

struct NullViewHost::Scratch {
  QImage image{1, 1, QImage::Format_RGB32};
};

NullViewHost::NullViewHost() : scratch_(std::make_unique<Scratch>()) {}
NullViewHost::~NullViewHost() = default;

std::unique_ptr<Dc> NullViewHost::GetDC() { return std::make_unique<ImageDc>(scratch_->image); }

namespace {
std::atomic<ViewHost*> current{nullptr};
}  // namespace

ViewHost& GetViewHost() {
  static NullViewHost noView;
  ViewHost* host = current.load();
  return host ? *host : noView;
}

void SetViewHost(ViewHost* host) { current.store(host); }
