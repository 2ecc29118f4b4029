// The view's files and devices at start-up and shutdown.
#include "app/CChildView.h"
#include "settings/ProgramSettings.h"
#include "text/LanguageTable.h"

namespace {
constexpr const char* kSettingsFile = "AureloSettings.dat";
}

void CChildView::LoadStartupSettings() { settings_.LoadSettings(kSettingsFile); }

void CChildView::LoadStartupLanguage() { languageTable.LoadLanguage(languageIndex); }

void CChildView::SaveShutdownSettings() { settings_.SaveSettings(kSettingsFile); }

void CChildView::OpenMidi() {}

void CChildView::CloseMidi() {}

int CChildView::SignatureSelection() const { return task_->signatureIndex; }
