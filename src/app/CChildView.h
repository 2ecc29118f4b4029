#pragma once
#include <QImage>
#include <QRegion>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>

#include "platform/ViewHost.h"
#include "settings/CSettingsBank.h"
#include "tasks/base/CAbstractT.h"

class CControlBar;
class RhythmTapInput;
class VoiceInput;
namespace progress {
class ProgressDatabase;
}
class QMouseEvent;
class QTimer;

// The main view: owns the current task and turns every command, mouse message, paint
// request, window timer and incoming MIDI message into a call of one of its operations.
// Tasks paint into a back buffer of the client size; the screen shows the buffer.
class CChildView : public QWidget, public ViewHost {
  Q_OBJECT

 public:
  // Object construction: settings file, language file, log header, the stored task.
  explicit CChildView(QWidget* parent = nullptr);
  ~CChildView() override;

  void SetControlBar(CControlBar* bar) { controlBar_ = bar; }
  // Called by the frame when it needs the caption, menu and control bar texts applied again.
  void SetApplyTexts(std::function<void()> applyTexts) { applyTexts_ = std::move(applyTexts); }
  // Shows a line in the status bar's message pane.
  void SetShowStatus(std::function<void(const std::string&)> showStatus) { showStatus_ = std::move(showStatus); }

  // Window creation: the deferred-start timer; texts on caption and menu.
  void OnCreate();
  // Window destruction: settings file written, MIDI devices closed.
  void OnDestroy();

  // The command table. Returns false for a command the view has no handler for.
  bool OnCommand(int id);
  bool HasHandler(int id) const;
  // Whether the control-bar buttons 1000 and 1001 take commands now; a command that needs the
  // microphone takes none while the microphone is unavailable.
  bool IsCommandEnabled(int id) const;
  // Why the command cannot be used now (the microphone's reason), or "".
  std::string UnavailableReason(int id) const;
  void OnTimer(int id);
  void OnMidiInData(uint32_t message);
  // The volume slider repainted: once the volume is ready, its position goes to all channels.
  void OnVolumeSliderDrawn();
  // Replaces the current task by a new one of the given type and starts it.
  void CreateTask(int type);
  // Updates the enabled state of the control-bar buttons from the task's flags.
  void UpdateControls();

  CAbstractT& Task() const { return *task_; }
  bool IsTimerActive(int id) const { return timers_.count(id) != 0; }
  bool VolumeReady() const { return volumeReady_; }
  const QImage& BackBuffer() const { return buffer_; }
  const std::string& WorkDir() const { return workDir_; }
  // The history of answered tasks; nullptr only while the view is being built.
  progress::ProgressDatabase* Progress() const { return progress_.get(); }

  // ViewHost.
  Rect ClientRect() const override;
  void ShowStatus(const std::string& text) override {
    if (showStatus_) showStatus_(text);
  }
  void Invalidate() override;
  void InvalidateRect(const Rect& rect) override;
  void InvalidateRegion(const Region& region) override;
  void UpdateWindow() override;
  std::unique_ptr<Dc> GetDC() override;
  void SetCursor(CursorKind cursor) override;
  void PostToUi(std::function<void()> task) override;
  void SetControlText(int id, const std::string& text) override;
  std::string ControlText(int id) const override;
  void EnableControl(int id, bool enable) override;
  bool IsControlEnabled(int id) const override;
  void CreateButton(int id, const std::string& text, const Rect& rect) override;
  void CreateList(int id, const Rect& rect, const std::vector<std::string>& items, int selected) override;
  int ListSelection(int id) const override;
  void MoveControl(int id, const Rect& rect) override;
  void DestroyControl(int id) override;
  void SetClockStart(uint32_t ms) override { clockStart_ = ms; }
  // A control the task created in the view, or nullptr.
  QWidget* ChildControl(int id) const;
  uint32_t ClockStart() const override { return clockStart_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  friend class ClientDc;

  void BuildCommandTable();
  void OnMouseButton(QMouseEvent& event, bool doubleClick);
  void SetTimer(int id, int ms);
  void KillTimer(int id);
  void DeferredStart();
  void UpdateTimeMeter();
  void ChangeLanguage(int index);
  void OnSignatureSelected();
  // Tempo, mode, key, maximum distance or key blocking changed on the control bar.
  void OnSettingChanged(int id);
  void OnFixIllumination();
  int SignatureSelection() const;
  // Start-up and shutdown files and devices.
  void LoadStartupSettings();
  void LoadStartupLanguage();
  // The stored task, or the first-start task when the stored one cannot be built (or the start
  // before died while building it); what went wrong is shown once the window stands.
  std::unique_ptr<CAbstractT> MakeStoredTask();
  void EndStartGuard();
  void SaveShutdownSettings();
  void OpenMidi();
  // With the hardware keyboard's input open: the keyboards told, then looked for once a second.
  void WatchKeyboards();
  // The MIDI settings; a change of the keyboard option or port takes effect at once.
  void OnMidiSettings();
  // The progress history in the working folder; its messages go to the status bar.
  void OpenProgress();
  void CloseProgress();
  // Keyboards plugged in or out since the last look, told in the status bar.
  void ReportKeyboards();
  void CloseMidi();
  // Gives the back buffer the client size; a new buffer is dirty all over.
  void EnsureBuffer();
  // Draws the pending dirty region into the back buffer.
  void RenderDirty();
  // Shows the buffer's rectangle on the screen now, without running task code.
  void ShowBuffer(const Rect& rect);

  CSettingsBank settings_;
  std::unique_ptr<progress::ProgressDatabase> progress_;
  // The rhythm tasks' taps; made before the first task, gone after the last.
  std::unique_ptr<RhythmTapInput> tapInput_;
  // The microphone: outlives the task, which closes it through the voice hook.
  std::unique_ptr<VoiceInput> voice_;
  std::unique_ptr<CAbstractT> task_;
  // Why the stored task was not started; empty when it was.
  std::string storedTaskProblem_;
  std::string workDir_;
  uint32_t clockStart_ = 0;
  bool volumeReady_ = false;
  bool midiOpen_ = false;
  CControlBar* controlBar_ = nullptr;
  std::function<void()> applyTexts_;
  std::function<void(const std::string&)> showStatus_;
  std::map<int, std::function<void()>> commands_;
  std::map<int, QTimer*> timers_;
  std::map<int, QWidget*> childControls_;
  QImage buffer_;
  QRegion dirty_;
  QPainter* activePainter_ = nullptr;
  bool copyOnly_ = false;
};
