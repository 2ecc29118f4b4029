#include "app/CChildView.h"

#include <QTimer>
#include <cstdlib>
#include <ctime>
#include <filesystem>

#include "app/CControlBar.h"
#include "app/DrillMenu.h"
#include "app/LogView.h"
#include "app/MenuTable.h"
#include "app/RhythmTapInput.h"
#include "app/PitchMeterWindow.h"
#include "app/TaskTable.h"
#include "app/VoiceInput.h"
#include "app/VoiceSettingsDialog.h"
#include "commands/CommandIds.h"
#include "dialogs/CAboutDlg.h"
#include "dialogs/CDialogMidiOptions.h"
#include "dialogs/COptionsDialog.h"
#include "dialogs/FontChoice.h"
#include "dialogs/HelpTexts.h"
#include "dialogs/Links.h"
#include "log/LogLines.h"
#include "log/ReportFile.h"
#include "platform/Clock.h"
#include "platform/DataFolder.h"
#include "platform/UiHost.h"
#include "progress/ProgressDatabase.h"
#include "progress/ProgressWindow.h"
#include "progress/Recorder.h"
#include "settings/ProgramSettings.h"
#include "sound/MidiDevices.h"
#include "text/LanguageTable.h"
#include "text/StrFormat.h"
#include "text/TextIds.h"

namespace {

constexpr int kProgramName = 0;
// "Connect your MIDI keyboard and tick ... in MIDI settings", "Then restart the program".
constexpr int kKeyboardOffLine1 = 348;
constexpr int kKeyboardOffLine2 = 349;

// The items of the hardware keyboard work only with it switched on; otherwise they say how.
bool MidiKeyboardOn() {
  if (useHardwareMidiKeyboard != 0) return true;
  GetUiHost().MessageBox(T(kKeyboardOffLine1) + "\n" + T(kKeyboardOffLine2), T(kProgramName), MB_OK | MB_ICONINFORMATION);
  return false;
}

}  // namespace

CChildView::CChildView(QWidget* parent) : QWidget(parent) {
  volume = 100;
  std::srand(static_cast<unsigned>(std::time(nullptr)));
  LoadStartupSettings();
  LoadStartupLanguage();
  // The program can run: the data folder of a first start is made now.
  EnterNewDataFolder();
  std::error_code ec;
  workDir_ = std::filesystem::current_path(ec).string();
  OpenProgress();
  voice_ = std::make_unique<VoiceInput>([this](const std::string& text) { ShowStatus(text); });
  voice_->InstallHook();
  AppendLogHeader(std::time(nullptr));
  tapInput_ = std::make_unique<RhythmTapInput>([this] { UpdateControls(); });
  // The stored task; unlike a task chosen from the menu it always gets its header and settings lines.
  task_ = MakeStoredTask();
  SetMidiInEchoChannel(task_->echoesOnActiveChannel);
  task_->statisticsEnabled = true;
  task_->WriteLogHeader();
  AppendSettingsLines();

  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  BuildCommandTable();
  SetViewHost(this);
}

CChildView::~CChildView() {
  EndStartGuard();
  // A view that goes without its window's destruction (a failed start) still lets go of MIDI.
  CloseMidi();
  for (auto& [id, timer] : timers_) delete timer;
  timers_.clear();
  // The task goes without writing its statistics.
  // The microphone first: the window around the view is going, nothing is told any more.
  ClosePitchMeter();
  voice_.reset();
  task_.reset();
  CloseProgress();
  SetViewHost(nullptr);
}

void CChildView::OnCreate() {
  SetTimer(cmd::kTimerDeferredStart, 100);
  volumeReady_ = false;
  if (applyTexts_) applyTexts_();
}

void CChildView::OnDestroy() {
  SaveShutdownSettings();
  CloseMidi();
}

void CChildView::BuildCommandTable() {
  using namespace cmd;
  commands_[kListenNew] = [this] { task_->OnListenNew(); };
  commands_[kListenAgain] = [this] { task_->OnListenAgain(); };
  commands_[kEnter] = [this] { task_->OnEnterKey(); };
  commands_[kMute] = [this] { task_->AllNotesOff(); };
  commands_[kSignatureList] = [this] { OnSignatureSelected(); };
  commands_[107] = [this] { task_->OnTaskButton1(); };
  commands_[108] = [this] { task_->OnTaskButton2(); };
  commands_[109] = [this] { task_->OnTaskButton3(); };
  commands_[110] = [this] { task_->OnTaskButton4(); };
  commands_[111] = [this] { task_->OnTaskButton5(); };
  commands_[112] = [this] { task_->OnTaskButton6(); };
  commands_[113] = [this] { task_->OnTaskButton7(); };
  for (int type = 0; type < TaskTypeCount(); ++type) {
    const int command = TaskTypeAt(type).commandId;
    if (command == 0) continue;
    commands_[command] = [this, type] {
      // Choosing the metronome while it runs does nothing.
      if (type == kMetronomeType && task_->playbackMode == kMetronomePlayback) return;
      if (NeedsMidiKeyboard(type) && !MidiKeyboardOn()) return;
      CreateTask(type);
    };
  }
  for (int index = 0; index < 5; ++index) {
    commands_[kLanguageCommands[index]] = [this, index] { ChangeLanguage(index); };
  }
  commands_[kWarningSettings] = [] { WarningSettings(); };
  commands_[kWebsite] = [] { links::Open(links::kWebsite); };
  commands_[kMakerPage] = [] { links::Open(links::kMakerPage); };
  commands_[kSupport] = [] { links::Open(links::kSupportMail); };
  for (int id : {kTempoList, kModeList, kKeyList, kMaxDistanceList, kBlockExtramode}) {
    commands_[id] = [this, id] { OnSettingChanged(id); };
  }
  commands_[kFixIllumination] = [this] { OnFixIllumination(); };
  commands_[kSaveLog] = [this] { SaveLogAsText(*task_); };
  commands_[kShowLog] = [this] { ShowLog(*task_); };
  commands_[kClearLog] = [this] { ClearLog(*task_); };
  // The MIDI settings, the fonts, the help texts and the about box.
  commands_[kMidiSettings] = [this] { OnMidiSettings(); };
  commands_[kFontSettings] = [this] { ChooseMainFont(task_->messageFont); };
  commands_[kResultFontSettings] = [this] { ChooseResultFont(task_->resultFont); };
  for (int id : kHelpTextCommands) commands_[id] = [id] { ShowHelpText(id); };
  commands_[kAbout] = [] { ShowAbout(); };
  commands_[kPitchMeter] = [this] { ShowPitchMeter(*voice_, this); };
  commands_[kVoiceSettings] = [this] { EditVoiceSettings(*voice_, this); };
  commands_[kProgress] = [this] { progress::ShowProgressWindow(*progress_, &TaskTitle, this); };
  AddDrillCommands(commands_, [this](int type) { CreateTask(type); });
}

bool CChildView::HasHandler(int id) const { return commands_.count(id) != 0; }

bool CChildView::IsCommandEnabled(int id) const {
  if (id == cmd::kListenNew) return task_->newTaskEnabled;
  if (id == cmd::kListenAgain) return task_->listenAgainEnabled;
  return HasHandler(id) && UnavailableReason(id).empty();
}

std::string CChildView::UnavailableReason(int id) const {
  if (!voice_ || !voice_->Unavailable()) return {};
  const int type = TaskTypeOfCommand(id);
  if (id != cmd::kPitchMeter && (type < 0 || TaskTypeAt(type).place != MenuPlace::kVoice)) return {};
  return T(txt::kMicrophoneUnavailable) + voice_->UnavailableReason() + "  " + T(txt::kVoiceTryAgain);
}

bool CChildView::OnCommand(int id) {
  const auto it = commands_.find(id);
  if (it == commands_.end()) return false;
  // Space and R reach the two buttons only while these are enabled.
  if (IsCommandEnabled(id)) it->second();
  UpdateControls();
  return true;
}

void CChildView::UpdateControls() {
  if (!controlBar_) return;
  controlBar_->EnableControl(cmd::kListenNew, task_->newTaskEnabled);
  controlBar_->EnableControl(cmd::kListenAgain, task_->listenAgainEnabled);
}

void CChildView::CreateTask(int type) {
  task_->WriteStatistics();
  progress::EndOpenTask(task_->repeatsInTask);
  task_ = MakeTask(type);
  SetMidiInEchoChannel(task_->echoesOnActiveChannel);
  task_->statisticsEnabled = true;
  if (!IsToolType(type)) task_->WriteLogHeader();
  Invalidate();
  ShowControlsOf(type);
  task_->Start();
  taskType = static_cast<uint16_t>(type);
  UpdateControls();
}

void CChildView::OnSignatureSelected() {
  // The metronome's time signature list is a control of the view itself.
  task_->signatureIndex = SignatureSelection();
  task_->ResetStatistics();
}

void CChildView::SetTimer(int id, int ms) {
  KillTimer(id);
  auto* timer = new QTimer(this);
  timer->setInterval(ms);
  connect(timer, &QTimer::timeout, this, [this, id] { OnTimer(id); });
  timers_[id] = timer;
  timer->start();
}

void CChildView::KillTimer(int id) {
  const auto it = timers_.find(id);
  if (it == timers_.end()) return;
  it->second->stop();
  // The timer may be the one whose signal is being handled.
  it->second->deleteLater();
  timers_.erase(it);
}

void CChildView::OnTimer(int id) {
  switch (id) {
    case cmd::kTimerDeferredStart:
      KillTimer(id);
      DeferredStart();
      break;
    case cmd::kTimerVolumeReady:
      volumeReady_ = true;
      KillTimer(id);
      break;
    case cmd::kTimerTimeMeter:
      UpdateTimeMeter();
      break;
    case cmd::kTimerKeyboardPorts:
      ReportKeyboards();
      break;
    default:
      break;
  }
  UpdateControls();
}

void CChildView::DeferredStart() {
  OpenMidi();
  if (controlBar_) {
    controlBar_->SetSliderRange(cmd::kVolumeSlider, 0, 127);
    controlBar_->SetSliderPos(cmd::kVolumeSlider, volume);
  }
  SetTimer(cmd::kTimerVolumeReady, 100);
  SetTimer(cmd::kTimerTimeMeter, 1000);
  ShowControlsOf(taskType);
  task_->Start();
  EndStartGuard();
  ReportBrokenDrills();
  if (!storedTaskProblem_.empty()) {
    GetUiHost().MessageBox(storedTaskProblem_, T(kProgramName), MB_OK | MB_ICONEXCLAMATION);
    storedTaskProblem_.clear();
  }
}

void CChildView::UpdateTimeMeter() {
  if (task_->tasksGiven == 0) return;
  uint32_t now = timeGetTime();
  if (now < clockStart_) now = clockStart_;
  int seconds = static_cast<int>((now - clockStart_) / 1000);
  const int minutes = seconds / 60;
  seconds %= 60;
  elapsedTimeText = StrFormat("%02d:%02d", minutes, seconds);
  SetControlText(cmd::kTimeMeter, elapsedTimeText);
}

void CChildView::ChangeLanguage(int index) {
  languageIndex = static_cast<uint8_t>(index);
  LoadStartupLanguage();
  if (applyTexts_) applyTexts_();
  Invalidate();
  task_->SetTexts();
}

void CChildView::OnMidiInData(uint32_t message) {
  RouteMidiInData(message, [this](uint32_t note) {
    progress::NoteAnswerInput(progress::AnswerInput::kKeyboard);
    task_->OnMidiInNote(note);
  });
  UpdateControls();
}
