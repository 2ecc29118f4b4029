#include "tasks/melody/CSequencedTest13.h"

#include "app/CommandIds.h"
#include "platform/ViewHost.h"
#include "tasks/melody/MelodyCommon.h"
#include "text/LanguageTable.h"

void CSequencedTest13::Start() {
  ViewHost& view = GetViewHost();
  view.SetControlText(cmd::kTimeMeter, "00:00");
  for (int id : {cmd::kMaxDistanceList, cmd::kKeyList, cmd::kModeList}) view.EnableControl(id, false);
  for (int id : {cmd::kTempoList, cmd::kFixIllumination, cmd::kBlockExtramode, cmd::kListenNew, cmd::kVolumeSlider}) {
    view.EnableControl(id, true);
  }
  SetTexts();
}

// The title stays empty: the log header of this task names no task.
void CSequencedTest13::SetTexts() {
  ViewHost& view = GetViewHost();
  melody::SetHint(kHint);
  view.SetControlText(cmd::kListenNew, T(melody::text::kListenNewCaption));
  view.SetControlText(cmd::kListenAgain, T(melody::text::kListenAgainCaption));
}

void CSequencedTest13::DrawMessages(Dc& dc) {
  dc.SetBkMode(BkMode::Transparent);
  dc.SelectFont(messageFont);
  dc.SetTextColor(blackBrush);
  DrawTextLines(dc, nullptr, T(kLegendLine2).c_str(), T(kLegendLine3).c_str());
}
