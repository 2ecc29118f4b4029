#pragma once
#include <functional>
#include <memory>

// The desktop ends a program with SIGTERM (log out, shut down) and a terminal with SIGINT or
// SIGHUP. Until the returned guard is destroyed, these signals call onSignal on the
// user-interface thread, from its event loop, instead of ending the process at once; the
// guard restores the signals' former handling.
class TerminationSignals {
 public:
  explicit TerminationSignals(std::function<void()> onSignal);
  ~TerminationSignals();
  TerminationSignals(const TerminationSignals&) = delete;
  TerminationSignals& operator=(const TerminationSignals&) = delete;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};
