#include "app/VoiceInput.h"

#include <cmath>

#include "listen/VoiceJudge.h"
#include "platform/Clock.h"
#include "platform/UiHost.h"
#include "platform/UiThread.h"
#include "tasks/common/TaskCommon.h"
#include "text/LanguageTable.h"
#include "text/TextIds.h"

namespace {

constexpr int kProgramName = 0;

}  // namespace

VoiceInput::VoiceInput(std::function<void(const std::string&)> showStatus, std::string settingsPath)
    : showStatus_(std::move(showStatus)),
      settingsPath_(std::move(settingsPath)),
      settings_(ReadVoiceSettings(settingsPath_)),
      self_(std::make_shared<VoiceInput*>(this)) {}

VoiceInput::~VoiceInput() {
  SetVoiceHook({});
  listener_.reset();
}

void VoiceInput::InstallHook() {
  SetVoiceHook({[this](SungAnswerSink sink) { SetTaskSink(std::move(sink)); },
                [this] {
                  const SingingRange range = settings_.range;
                  return VoiceJudging{settings_.exactOctave, [range](int32_t lowest, int32_t highest) {
                                        return ShiftIntoRange(lowest, highest, range, ShiftStep::kOctave);
                                      }};
                },
                [this] { return unavailable_; }});
}

int VoiceInput::AddListener(FrameListener listener) {
  const int id = nextListener_++;
  listeners_[id] = std::move(listener);
  Update();
  return id;
}

void VoiceInput::RemoveListener(int id) {
  listeners_.erase(id);
  Update();
}

void VoiceInput::ChangeSettings(const VoiceSettings& settings) {
  const bool newDevice = settings.inputDevice != settings_.inputDevice;
  settings_ = settings;
  WriteVoiceSettings(settings_, settingsPath_);
  if (newDevice) {
    failureTold_ = false;
    unavailable_ = false;
  }
  if (!listener_) return;
  listener_->SetTolerance(settings_.toleranceCents);
  if (newDevice) listener_->Open(settings_.inputDevice);
}

CaptureStatus VoiceInput::Status() const { return listener_ ? listener_->Status() : CaptureStatus{}; }

void VoiceInput::SetTaskSink(SungAnswerSink sink) {
  taskSink_ = std::move(sink);
  Update();
}

void VoiceInput::Update() {
  const bool wanted = taskSink_ || !listeners_.empty();
  if (wanted && !listener_) {
    std::weak_ptr<VoiceInput*> self = self_;
    listener_ = std::make_unique<VoiceListener>([self] {
      PostToUiThread([self] {
        if (const std::shared_ptr<VoiceInput*> alive = self.lock()) (*alive)->Drain();
      });
    });
    listener_->SetTolerance(settings_.toleranceCents);
    listener_->Open(settings_.inputDevice);
  } else if (!wanted && listener_) {
    listener_.reset();
    Report(CaptureStatus{});
  }
}

void VoiceInput::Drain() {
  if (!listener_) return;
  Report(listener_->Status());
  const VoiceHeard heard = listener_->TakeHeard();
  if (heard.frames.empty() && heard.notes.empty()) return;
  // The stream's time now, to date the notes on the millisecond clock.
  double latest = heard.frames.empty() ? 0 : heard.frames.back().seconds;
  for (const SungNote& note : heard.notes) latest = std::max(latest, note.seconds);
  const uint32_t now = timeGetTime();
  // A listener may remove itself or another: go over a copy.
  const std::map<int, FrameListener> listeners = listeners_;
  for (const auto& [id, listener] : listeners) listener(heard.frames, heard.notes);
  for (const SungNote& note : heard.notes) {
    if (!taskSink_) break;
    const auto ago = static_cast<uint32_t>(std::lround((latest - note.startSeconds) * 1000));
    taskSink_({note.midi, static_cast<int32_t>(std::lround(note.centsOff)), now - ago});
  }
}

void VoiceInput::Report(const CaptureStatus& status) {
  if (status.state == reportedState_) return;
  reportedState_ = status.state;
  switch (status.state) {
    case CaptureState::kOpen:
      unavailable_ = false;
      if (showStatus_) showStatus_(T(txt::kMicrophoneOn) + status.deviceName);
      break;
    case CaptureState::kClosed:
      if (showStatus_) showStatus_(T(txt::kMicrophoneOff));
      break;
    case CaptureState::kFailed:
      unavailable_ = true;
      unavailableReason_ = status.reason;
      if (showStatus_) showStatus_(T(txt::kMicrophoneUnavailable) + status.reason);
      if (taskSink_) common::SetHintText(T(txt::kVoiceNeedsMicrophone));
      if (!failureTold_) {
        failureTold_ = true;
        GetUiHost().MessageBox(T(txt::kMicrophoneUnavailable) + status.reason, T(kProgramName), MB_OK | MB_ICONEXCLAMATION);
      }
      break;
    case CaptureState::kOpening:
      break;
  }
}
