// The view's files and devices at start-up and shutdown.
#include "app/CChildView.h"
#include "settings/ProgramSettings.h"
#include "sound/MidiDevices.h"
#include "text/LanguageTable.h"

namespace {
constexpr const char* kSettingsFile = "AureloSettings.dat";
}

void CChildView::LoadStartupSettings() { settings_.LoadSettings(kSettingsFile); }

void CChildView::LoadStartupLanguage() { languageTable.LoadLanguage(languageIndex); }

void CChildView::SaveShutdownSettings() { settings_.SaveSettings(kSettingsFile); }

void CChildView::OpenMidi() {
  // The receiver first, so that no message arriving during the opening is lost.
  SetMidiInReceiver([this](uint32_t message) { OnMidiInData(message); });
  midiOpen_ = true;
  OpenMidiDevices();
  const std::string status = SoundStatusText();
  if (!status.empty() && showStatus_) showStatus_(status);
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
