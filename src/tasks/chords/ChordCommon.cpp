#include "tasks/chords/ChordCommon.h"

#include "commands/CommandIds.h"
#include "platform/ViewHost.h"
#include "settings/ProgramSettings.h"
#include "tasks/common/TaskCommon.h"
#include "text/LanguageTable.h"
#include "text/TextIds.h"

namespace chords {

int32_t TonicRoot() { return keyIndex >= 0 && keyIndex < kRoots ? keyIndex : 0; }

void SetTaskTexts(CAbstractT& task, Chords& chords, int startHint, int listenNewCaption, int titleId) {
  // The names first: a kept hint may name the chord.
  chords.FillChordNames();
  common::ShowKeptHint(task, startHint);
  ViewHost& view = GetViewHost();
  view.SetControlText(cmd::kListenNew, T(listenNewCaption));
  view.SetControlText(cmd::kListenAgain, T(txt::kListenAgainCaption));
  task.title = T(titleId);
}

}  // namespace chords
