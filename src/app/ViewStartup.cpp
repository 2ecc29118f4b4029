// The view's files and devices at start-up and shutdown.
#include "app/CChildView.h"

void CChildView::LoadStartupSettings() {}

void CChildView::LoadStartupLanguage() {}

void CChildView::SaveShutdownSettings() {}

void CChildView::OpenMidi() {}

void CChildView::CloseMidi() {}

int CChildView::SignatureSelection() const { return task_->signatureIndex; }
