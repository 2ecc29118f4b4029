#include "platform/qt/TerminationSignals.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <array>
#include <csignal>
#include <memory>

#include "platform/Clock.h"

namespace {

constexpr std::array<int, 3> kSignals = {SIGTERM, SIGINT, SIGHUP};

// The writing end of the pipe from the signal handler to the event loop; -1 while none.
volatile sig_atomic_t signalWriteEnd = -1;

extern "C" void OnTerminationSignal(int /*signal*/) {
  const int fd = signalWriteEnd;
  if (fd < 0) return;
  const char byte = 1;
  // Only async-signal-safe calls here; a full pipe already holds a wake-up.
  [[maybe_unused]] const ssize_t written = ::write(fd, &byte, 1);
}

}  // namespace

struct TerminationSignals::Impl {
  std::array<int, 2> fds{-1, -1};
  std::unique_ptr<QSocketNotifier> notifier;
  std::array<struct sigaction, kSignals.size()> former{};
  bool installed = false;
};

TerminationSignals::TerminationSignals(std::function<void()> onSignal) : impl_(std::make_unique<Impl>()) {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, impl_->fds.data()) != 0) return;
  impl_->notifier = std::make_unique<QSocketNotifier>(impl_->fds[1], QSocketNotifier::Read);
  const int readEnd = impl_->fds[1];
  QObject::connect(impl_->notifier.get(), &QSocketNotifier::activated, [readEnd, onSignal] {
    char bytes[16];
    while (::read(readEnd, bytes, sizeof bytes) > 0) {
    }
    if (onSignal) onSignal();
  });
  signalWriteEnd = impl_->fds[0];
  // A signal during a playback's wait ends the wait; the event loop then carries the request out.
  SetWaitInterruption(readEnd);
  struct sigaction action {};
  action.sa_handler = &OnTerminationSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (size_t i = 0; i < kSignals.size(); ++i) sigaction(kSignals[i], &action, &impl_->former[i]);
  impl_->installed = true;
}

TerminationSignals::~TerminationSignals() {
  if (impl_->installed) {
    for (size_t i = 0; i < kSignals.size(); ++i) sigaction(kSignals[i], &impl_->former[i], nullptr);
  }
  signalWriteEnd = -1;
  SetWaitInterruption(-1);
  impl_->notifier.reset();
  for (int fd : impl_->fds) {
    if (fd >= 0) ::close(fd);
  }
}
