// The view's files and devices at start-up and shutdown.
#include "app/CChildView.h"
#include "app/CommandIds.h"
#include "platform/qt/QtTranslations.h"
#include "progress/ProgressDatabase.h"
#include "progress/Recorder.h"
#include "settings/ProgramSettings.h"
#include "sound/MidiDevices.h"
#include "sound/MidiOutput.h"
#include "text/LanguageTable.h"

namespace {
constexpr const char* kSettingsFile = "AureloSettings.dat";
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

void CChildView::SaveShutdownSettings() { settings_.SaveSettings(kSettingsFile); }

void CChildView::OpenMidi() {
  // The receiver first, so that no message arriving during the opening is lost.
  SetMidiInReceiver([this](uint32_t message) { OnMidiInData(message); });
  midiOpen_ = true;
  OpenMidiDevices();
  soundStatus_ = SoundStatusText();
  if (!soundStatus_.empty() && showStatus_) showStatus_(soundStatus_);
  if (progress_) progress_->SetStatusHandler([this](const std::string& text) { ShowStatusLine(text); });
  if (useHardwareMidiKeyboard && !midiInFailed) {
    ReportKeyboards();
    SetTimer(cmd::kTimerKeyboardPorts, kKeyboardPollMs);
  }
}

void CChildView::ReportKeyboards() {
  const std::string line = ConnectKeyboards();
  if (!line.empty()) ShowStatusLine(line);
}

void CChildView::ShowStatusLine(const std::string& text) {
  if (showStatus_) showStatus_(soundStatus_.empty() ? text : soundStatus_ + "  " + text);
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
  CloseMidiDevices();
}

int CChildView::SignatureSelection() const {
  const int selected = ListSelection(106);
  return selected >= 0 && selected < 16 ? selected : task_->signatureIndex.load();
}
