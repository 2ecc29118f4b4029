#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "listen/VoiceListener.h"
#include "listen/VoiceSettings.h"
#include "tasks/voice/VoiceHook.h"

// The program's microphone: the voice settings, the listener, and who hears it (the voice
// task through the tasks' voice hook, the pitch meter, the voice settings' level meter).
// The microphone is open exactly while someone listens; the status bar says so, and a
// microphone that cannot be opened is told once in a message box and in the task's hint, and
// stays unavailable (the voice menu items are greyed) until another input device is chosen or
// the program starts again.
// Window thread only: the listener's wake-up is posted to it.
class VoiceInput {
 public:
  using FrameListener = std::function<void(std::span<const PitchFrame> frames, std::span<const SungNote> notes)>;

  explicit VoiceInput(std::function<void(const std::string&)> showStatus, std::string settingsPath = kVoiceSettingsFile);
  ~VoiceInput();
  VoiceInput(const VoiceInput&) = delete;
  VoiceInput& operator=(const VoiceInput&) = delete;

  // The tasks' voice hook, to this microphone.
  void InstallHook();

  // Everything heard, as long as the listener is added; the id removes it.
  int AddListener(FrameListener listener);
  void RemoveListener(int id);

  const VoiceSettings& Settings() const { return settings_; }
  // Kept in the settings file; an open microphone changes to the device chosen.
  void ChangeSettings(const VoiceSettings& settings);
  CaptureStatus Status() const;
  bool IsOpen() const { return listener_ != nullptr; }
  // The microphone could not be opened, and why; it is not tried again until another device
  // is chosen.
  bool Unavailable() const { return unavailable_; }
  const std::string& UnavailableReason() const { return unavailableReason_; }

 private:
  void SetTaskSink(SungAnswerSink sink);
  void Update();
  // On the window's thread after a wake-up: what was heard goes to the listeners, a change of
  // the capture's state to the status bar.
  void Drain();
  void Report(const CaptureStatus& status);

  std::function<void(const std::string&)> showStatus_;
  std::string settingsPath_;
  VoiceSettings settings_;
  SungAnswerSink taskSink_;
  std::map<int, FrameListener> listeners_;
  int nextListener_ = 1;
  // Alive while this object is: a wake-up posted before its end finds it gone.
  std::shared_ptr<VoiceInput*> self_;
  std::unique_ptr<VoiceListener> listener_;
  CaptureState reportedState_ = CaptureState::kClosed;
  bool failureTold_ = false;
  bool unavailable_ = false;
  std::string unavailableReason_;
};
