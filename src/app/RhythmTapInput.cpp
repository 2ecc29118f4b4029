#include "app/RhythmTapInput.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <algorithm>
#include <cstdlib>

#include "listen/ClapListener.h"
#include "platform/Clock.h"
#include "sound/MidiDevices.h"

namespace {

// The one instance, for the MIDI input's watcher (a plain function).
std::mutex instanceMutex;
RhythmTapInput* instance = nullptr;

constexpr int32_t kLargestStampErrorMs = 2000;

void NoteArrived(uint32_t arrivalMs) {
  std::lock_guard lock(instanceMutex);
  if (instance) instance->Add({arrivalMs, rhythm::TapChannel::kMidi});
}

bool IsTapKey(const QKeyEvent& key) {
  if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  return key.key() == Qt::Key_Space || (key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z);
}

}  // namespace

RhythmTapInput::RhythmTapInput(std::function<void()> answered) : answered_(std::move(answered)) {
  finish_.setSingleShot(true);
  connect(&finish_, &QTimer::timeout, this, [this] { Finish(); });
  {
    std::lock_guard lock(instanceMutex);
    instance = this;
  }
  SetMidiInNoteWatcher(&NoteArrived);
  if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
  rhythm::SetTapSource(this);
}

RhythmTapInput::~RhythmTapInput() {
  rhythm::SetTapSource(nullptr);
  SetMidiInNoteWatcher(nullptr);
  {
    std::lock_guard lock(instanceMutex);
    instance = nullptr;
  }
  claps_.reset();
}

uint32_t RhythmTapInput::KeyTime(unsigned long stampMs, uint32_t nowMs) {
  const auto stamp = static_cast<uint32_t>(stampMs);
  const auto ago = static_cast<int32_t>(nowMs - stamp);
  return ago >= 0 && ago <= kLargestStampErrorMs ? stamp : nowMs;
}

void RhythmTapInput::Begin(bool withClaps) {
  finish_.stop();
  done_ = nullptr;
  {
    std::lock_guard lock(mutex_);
    gathering_ = true;
    taps_.clear();
  }
  if (withClaps && !claps_) {
    claps_ = std::make_unique<ClapListener>([this](uint32_t atMs) { Add({atMs, rhythm::TapChannel::kClap}); });
    claps_->Open();
  } else if (!withClaps) {
    claps_.reset();
  }
}

void RhythmTapInput::FinishAt(uint32_t fromMs, uint32_t untilMs, std::function<void(std::vector<rhythm::Tap>)> done) {
  fromMs_ = fromMs;
  untilMs_ = untilMs;
  done_ = std::move(done);
  const auto left = static_cast<int32_t>(untilMs - timeGetTime());
  finish_.start(std::max(left, 0));
}

void RhythmTapInput::Stop() {
  finish_.stop();
  done_ = nullptr;
  std::lock_guard lock(mutex_);
  gathering_ = false;
  taps_.clear();
}

std::string RhythmTapInput::ClapProblem() const {
  if (!claps_) return {};
  const CaptureStatus status = claps_->Status();
  return status.state == CaptureState::kFailed ? status.reason : std::string();
}

void RhythmTapInput::Add(rhythm::Tap tap) {
  std::lock_guard lock(mutex_);
  if (gathering_) taps_.push_back(tap);
}

void RhythmTapInput::Finish() {
  std::vector<rhythm::Tap> taps;
  {
    std::lock_guard lock(mutex_);
    gathering_ = false;
    for (const rhythm::Tap& tap : taps_) {
      if (static_cast<int32_t>(tap.atMs - fromMs_) >= 0 && static_cast<int32_t>(untilMs_ - tap.atMs) >= 0) {
        taps.push_back(tap);
      }
    }
    taps_.clear();
  }
  std::stable_sort(taps.begin(), taps.end(), [this](const rhythm::Tap& a, const rhythm::Tap& b) {
    return static_cast<int32_t>(a.atMs - fromMs_) < static_cast<int32_t>(b.atMs - fromMs_);
  });
  if (auto done = std::move(done_)) {
    done_ = nullptr;
    done(std::move(taps));
  }
  if (answered_) answered_();
}

bool RhythmTapInput::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride && type != QEvent::KeyRelease) {
    return QObject::eventFilter(watched, event);
  }
  // A window hands its key events on to its widget, where they are taken.
  if (!watched->isWidgetType()) return false;
  {
    std::lock_guard lock(mutex_);
    if (!gathering_) return false;
  }
  auto& key = static_cast<QKeyEvent&>(*event);
  if (!IsTapKey(key)) return false;
  // While taps are gathered these keys are taps only: no shortcut (Space, R) and no widget
  // gets them.
  event->accept();
  if (type == QEvent::KeyPress && !key.isAutoRepeat()) {
    Add({KeyTime(key.timestamp(), timeGetTime()), rhythm::TapChannel::kKey});
  }
  return true;
}
