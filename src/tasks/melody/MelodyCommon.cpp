#include "tasks/melody/MelodyCommon.h"

#include <algorithm>
#include <cstddef>

#include "app/CommandIds.h"
#include "platform/Clock.h"
#include "platform/ViewHost.h"
#include "progress/Recorder.h"
#include "settings/ProgramSettings.h"
#include "sound/TempoTables.h"
#include "text/LanguageTable.h"
#include "text/StrFormat.h"

namespace melody {

void GenerateMelody(int32_t keyCount, std::span<int32_t> tones) {
  if (tones.empty()) return;
  tones[0] = RandomScaleKey(keyCount);
  for (size_t i = 1; i < tones.size(); ++i) tones[i] = RandomScaleKeyNear(keyCount, tones[i - 1]);
}

void EnableTaskControls(bool maxDistance) {
  ViewHost& view = GetViewHost();
  view.SetControlText(cmd::kTimeMeter, "00:00");
  view.EnableControl(cmd::kMaxDistanceList, maxDistance);
  for (int id : {cmd::kKeyList, cmd::kModeList, cmd::kTempoList, cmd::kFixIllumination, cmd::kBlockExtramode,
                 cmd::kListenNew, cmd::kVolumeSlider}) {
    view.EnableControl(id, true);
  }
}

void SetTaskTexts(CAbstractT& task, int startHint, int titleId) {
  ViewHost& view = GetViewHost();
  ShowKeptHint(task, startHint);
  view.SetControlText(cmd::kListenNew, T(text::kListenNewCaption));
  view.SetControlText(cmd::kListenAgain, T(text::kListenAgainCaption));
  task.title = T(titleId);
}

PanelLine SearchPressesLine(int32_t searchPresses) {
  return {StrFormat("%s = %d", T(text::kSearchPresses).c_str(), searchPresses), kPanelRed};
}


}  // namespace melody
