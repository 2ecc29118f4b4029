// Settings changed on the control bar.
#include "app/CChildView.h"
#include "app/CControlBar.h"
#include "commands/CommandIds.h"
#include "log/ResultsLog.h"
#include "music/MusicalTables.h"
#include "settings/ProgramSettings.h"
#include "sound/MidiOutput.h"
#include "text/LanguageTable.h"
#include "text/StrFormat.h"

void CChildView::OnSettingChanged(int id) {
  if (!controlBar_) return;
  const CControlBar& bar = *controlBar_;
  const int selected = bar.ListSelection(id);
  std::string line;
  switch (id) {
    case cmd::kTempoList:
      if (selected < 0) return;
      tempoIndex = selected;
      line = T(422) + bar.ListItemText(id, selected);
      break;
    case cmd::kModeList:
      if (selected < 0) return;
      modeIndex = selected;
      scaleRow = ScaleRowOf(modeIndex, keyIndex);
      line = T(421) + bar.ListItemText(id, selected);
      break;
    case cmd::kKeyList:
      if (selected < 0) return;
      keyIndex = selected;
      scaleRow = ScaleRowOf(modeIndex, keyIndex);
      line = T(420) + bar.ListItemText(id, selected);
      break;
    case cmd::kMaxDistanceList:
      if (selected < 0 || selected >= static_cast<int>(maxDistanceValues.size())) return;
      maxDistance = maxDistanceValues[static_cast<size_t>(selected)];
      line = StrFormat("%s%d", T(423).c_str(), maxDistance);
      break;
    case cmd::kBlockExtramode:
      blockExtramodeKeys = bar.IsChecked(id);
      line = T(blockExtramodeKeys ? 418 : 417);
      break;
    default:
      return;
  }
  // The results gathered under the old setting reach the log first.
  if (task_->tasksGiven != 0) task_->WriteStatistics();
  task_->ResetStatistics();
  Invalidate();
  resultsLog.push_back(line);
}

void CChildView::OnFixIllumination() {
  if (controlBar_) fixKeyIllumination = controlBar_->IsChecked(cmd::kFixIllumination);
}

void CChildView::OnVolumeSliderDrawn() {
  if (!volumeReady_ || !controlBar_) return;
  volume = controlBar_->SliderPos(cmd::kVolumeSlider);
  SendVolumeToAllChannels(volume);
}
