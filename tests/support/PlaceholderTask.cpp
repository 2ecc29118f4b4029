#include "support/PlaceholderTask.h"

#include "platform/ViewHost.h"

CPlaceholderTask::CPlaceholderTask(std::string className, int32_t mode) : className_(std::move(className)) {
  playbackMode = mode;
  title = className_;
}

void CPlaceholderTask::Start() {
  GetViewHost().SetControlText(1010, "00:00");
  SetTexts();
}

void CPlaceholderTask::SetTexts() { title = className_; }

void CPlaceholderTask::DrawMessages(Dc& dc) {
  dc.SelectFont(messageFont);
  dc.SetBkColor(paleGreyBrush);
  dc.SetTextColor(blackBrush);
  dc.SetBkMode(BkMode::Opaque);
  DrawTextLines(dc, (className_ + " is not available yet.").c_str());
}
