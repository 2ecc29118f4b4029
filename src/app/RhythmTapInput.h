#pragma once
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "tasks/rhythm/TapSource.h"

class ClapListener;

// The taps of the rhythm tasks: while a task gathers them, Space and the letter keys (without
// Ctrl or Alt) are taken from the whole window, by their event time stamps; any note-on of the
// MIDI input, by its arrival on the input's thread; and claps into the microphone, by their
// sample position. Installed as the tap source while it exists.
class RhythmTapInput final : public QObject, public rhythm::TapSource {
 public:
  // answered: runs on the user-interface thread after each answer was handed over (the view
  // updates its buttons).
  explicit RhythmTapInput(std::function<void()> answered);
  ~RhythmTapInput() override;

  void Begin(bool withClaps) override;
  void FinishAt(uint32_t fromMs, uint32_t untilMs, std::function<void(std::vector<rhythm::Tap>)> done) override;
  void Stop() override;
  std::string ClapProblem() const override;

  // From any thread.
  void Add(rhythm::Tap tap);
  // A key event's time stamp on the program's clock: the X server's stamp counts the same
  // monotonic milliseconds; one far from now (another platform) gives now.
  static uint32_t KeyTime(unsigned long stampMs, uint32_t nowMs);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Finish();

  std::function<void()> answered_;
  std::unique_ptr<ClapListener> claps_;
  QTimer finish_;
  uint32_t fromMs_ = 0;
  uint32_t untilMs_ = 0;
  std::function<void(std::vector<rhythm::Tap>)> done_;
  mutable std::mutex mutex_;
  bool gathering_ = false;  // under mutex_
  std::vector<rhythm::Tap> taps_;  // under mutex_
};
