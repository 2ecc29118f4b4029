// The view's files and devices at start-up and shutdown.
#include "app/CChildView.h"
#include "settings/ProgramSettings.h"
#include "text/LanguageTable.h"

void CChildView::LoadStartupSettings() {}

void CChildView::LoadStartupLanguage() { languageTable.LoadLanguage(languageIndex); }

void CChildView::SaveShutdownSettings() {}

void CChildView::OpenMidi() {}

void CChildView::CloseMidi() {}

int CChildView::SignatureSelection() const { return task_->signatureIndex; }
