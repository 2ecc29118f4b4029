#include "tasks/chords/ChordCommon.h"

#include "app/CommandIds.h"
#include "platform/ViewHost.h"
#include "settings/ProgramSettings.h"
#include "tasks/common/TaskCommon.h"
#include "text/LanguageTable.h"

namespace chords {

int32_t TonicRoot() { return keyIndex >= 0 && keyIndex < kRoots ? keyIndex : 0; }

void ShowMessage(Point at, const Font& font, Colour colour, const std::string& text) {
  common::DrawOnView([&](Dc& dc) {
    dc.SetTextColor(colour);
    common::BlankMessage(dc, at, font);
    dc.TextOut(at.x, at.y, text);
  });
}

void SetTaskTexts(CAbstractT& task, Chords& chords, int startHint, int listenNewCaption, int titleId) {
  common::SetHint(startHint);
  ViewHost& view = GetViewHost();
  view.SetControlText(cmd::kListenNew, T(listenNewCaption));
  view.SetControlText(cmd::kListenAgain, T(common::text::kListenAgainCaption));
  chords.FillChordNames();
  task.title = T(titleId);
}

}  // namespace chords
