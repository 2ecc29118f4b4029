#include "tasks/melody/MelodyCommon.h"

#include <algorithm>
#include <cstddef>

#include "commands/CommandIds.h"
#include "music/TempoTables.h"
#include "platform/Clock.h"
#include "platform/ViewHost.h"
#include "progress/Recorder.h"
#include "settings/ProgramSettings.h"
#include "tasks/base/ScaleKeys.h"
#include "text/LanguageTable.h"
#include "text/StrFormat.h"
#include "text/TextIds.h"

namespace melody {

void GenerateMelody(int32_t keyCount, std::span<int32_t> tones) {
  if (tones.empty()) return;
  tones[0] = RandomScaleKey(keyCount);
  for (size_t i = 1; i < tones.size(); ++i) tones[i] = RandomScaleKeyNear(keyCount, tones[i - 1]);
}

void SetTaskTexts(CAbstractT& task, int startHint, int titleId) {
  ViewHost& view = GetViewHost();
  ShowKeptHint(task, startHint);
  view.SetControlText(cmd::kListenNew, T(text::kListenNewCaption));
  view.SetControlText(cmd::kListenAgain, T(txt::kListenAgainCaption));
  task.title = T(titleId);
}

PanelLine SearchPressesLine(int32_t searchPresses) {
  return {StrFormat("%s = %d", T(text::kSearchPresses).c_str(), searchPresses), kPanelRed};
}


}  // namespace melody
