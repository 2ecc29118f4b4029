// The view's files and devices at start-up and shutdown.
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/CChildView.h"
#include "app/TaskTable.h"
#include "commands/CommandIds.h"
#include "dialogs/CDialogMidiOptions.h"
#include "platform/FileWrite.h"
#include "platform/qt/QtTranslations.h"
#include "progress/ProgressDatabase.h"
#include "progress/Recorder.h"
#include "settings/ProgramSettings.h"
#include "sound/MidiDevices.h"
#include "sound/MidiOutput.h"
#include "text/LanguageTable.h"
#include "text/TextIds.h"

namespace {
constexpr const char* kSettingsFile = "AureloSettings.dat";
// Lies in the working folder from the moment the stored task is built until it has started. A
// start that finds it died there last time (a file the task reads, say): it begins with the
// first-start task instead of dying at every start.
constexpr const char* kStartGuardFile = "AureloStarting.tmp";
constexpr const char* kProgressFile = "AureloProgress.sqlite";
// ALSA's port announcements are not passed on by RtMidi, and JACK's not at all: the port list is
// looked at again once a second, a short look on the user-interface thread.
constexpr int kKeyboardPollMs = 1000;
}

void CChildView::LoadStartupSettings() { settings_.LoadSettings(kSettingsFile); }

void CChildView::LoadStartupLanguage() {
  languageTable.LoadLanguage(languageIndex);
  UseQtTranslations(languageIndex);
}

namespace {

// Whether a start that has not finished left the guard file: it holds the process id of that
// start, and a guard of a process still running (another window of this program, a second
// program starting in the same folder) is no sign of a failure.
bool EarlierStartDied() {
  // Read without blocking: anything but a regular file there (a FIFO) is no guard.
  const std::optional<std::vector<uint8_t>> bytes = ReadWholeFile(kStartGuardFile, 64);
  if (!bytes) return false;
  std::istringstream guard(std::string(bytes->begin(), bytes->end()));
  long pid = 0;
  if (!(guard >> pid) || pid <= 0) return true;
  return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

void WriteStartGuard(int32_t type) {
  const std::string text = std::to_string(::getpid()) + ' ' + std::to_string(type) + '\n';
  // Replaces whatever is at the path; a guard that cannot be written only costs the guard.
  WriteFileAtomically(kStartGuardFile, std::vector<uint8_t>(text.begin(), text.end()));
}

}  // namespace

std::unique_ptr<CAbstractT> CChildView::MakeStoredTask() {
  if (taskType != 0 && EarlierStartDied()) {
    storedTaskProblem_ = T(txt::kStoredTaskNotStarted);
    taskType = 0;
  }
  WriteStartGuard(taskType);
  try {
    return MakeTask(taskType);
  } catch (const std::exception& e) {
    storedTaskProblem_ = T(txt::kStoredTaskNotStarted) + "\n" + e.what();
  }
  taskType = 0;
  return MakeTask(0);
}

void CChildView::EndStartGuard() {
  std::error_code ec;
  std::filesystem::remove(kStartGuardFile, ec);
}

void CChildView::SaveShutdownSettings() { settings_.SaveSettings(kSettingsFile); }

void CChildView::OpenMidi() {
  // The receiver first, so that no message arriving during the opening is lost.
  SetMidiInReceiver([this](uint32_t message) { OnMidiInData(message); });
  midiOpen_ = true;
  SetSoundNoticeReceiver([this](const std::string& line) { ShowStatus(line); });
  OpenMidiDevices();
  if (const std::string sound = SoundStatusText(); !sound.empty()) ShowStatus(sound);
  if (access(workDir_.c_str(), W_OK) != 0) {
    // One message for everything that is lost, the history's own among it.
    ShowStatus(T(txt::kDataFolderReadOnly) + workDir_);
  } else if (progress_) {
    progress_->SetStatusHandler([this](const std::string& text) { ShowStatus(text); });
  }
  WatchKeyboards();
}

void CChildView::WatchKeyboards() {
  if (!useHardwareMidiKeyboard || midiInFailed) return;
  ReportKeyboards();
  SetTimer(cmd::kTimerKeyboardPorts, kKeyboardPollMs);
}

void CChildView::OnMidiSettings() {
  const bool keyboardWasOn = useHardwareMidiKeyboard != 0;
  const std::string portBefore = midiInPortName;
  MidiSettings();
  if (!midiOpen_ || (keyboardWasOn == (useHardwareMidiKeyboard != 0) && portBefore == midiInPortName)) return;
  KillTimer(cmd::kTimerKeyboardPorts);
  ReopenMidiInput();
  WatchKeyboards();
}

void CChildView::ReportKeyboards() {
  const std::string line = ConnectKeyboards();
  if (!line.empty()) ShowStatus(line);
}

void CChildView::OpenProgress() {
  progress_ = std::make_unique<progress::ProgressDatabase>(kProgressFile);
  progress::SetRecordSink(progress_.get());
}

void CChildView::CloseProgress() {
  // A task left open at the end is not an answer.
  progress::DropOpenTask();
  progress::SetRecordSink(nullptr);
  progress_.reset();
}

void CChildView::CloseMidi() {
  if (!midiOpen_) return;
  midiOpen_ = false;
  SetMidiInReceiver(nullptr);
  SetSoundNoticeReceiver(nullptr);
  CloseMidiDevices();
}

int CChildView::SignatureSelection() const {
  const int selected = ListSelection(106);
  return selected >= 0 && selected < 16 ? selected : task_->signatureIndex.load();
}
