// Writes the views of a chord recognition and a chord playing task into /tmp/chords-*.png
// for looking at them. Run with --gtest_also_run_disabled_tests --gtest_filter='*RenderChords*'.
#include <cstdlib>
#include <string>

#include "platform/ModalDriver.h"
#include "platform/qt/QtDialog.h"
#include "platform/qt/QtUiHost.h"
#include "tasks/chords/ChordTestSupport.h"

namespace {

using namespace chord_test;

class RenderChords : public ChordApp {};

TEST_F(RenderChords, DISABLED_WritesPictures) {
  Open(19);
  std::srand(5);
  Command(cmd::kListenNew);
  View().UpdateWindow();
  Click((Hearing().chordTones[0] + 1) % 12);
  host.dialogActions.push_back([this](CDialog&, DialogControls&) {
    EXPECT_TRUE(View().BackBuffer().save("/tmp/chords-hear-root.png"));
  });
  host.dialogActions.push_back(Answer(Hearing().chordType));
  Click(Hearing().chordTones[0]);
  EXPECT_TRUE(View().BackBuffer().save("/tmp/chords-hear.png"));
  View().Invalidate();
  View().UpdateWindow();
  EXPECT_TRUE(View().grab().save("/tmp/chords-hear-repainted.png"));

  Open(23);
  View().UpdateWindow();
  EXPECT_TRUE(View().grab().save("/tmp/chords-play-start.png"));
  Command(cmd::kListenNew);
  EXPECT_TRUE(View().BackBuffer().save("/tmp/chords-play-named.png"));
  const int root = Playing().chordTones[0] + 12;
  Click(root);
  EXPECT_TRUE(View().BackBuffer().save("/tmp/chords-play.png"));
  for (int i = 0; i < 3; ++i) Click(root + 1);
  EXPECT_TRUE(View().BackBuffer().save("/tmp/chords-play-revealed.png"));
}

TEST_F(RenderChords, DISABLED_WritesTheDialog) {
  Open(20);
  QtUiHost qtHost(DialogBaseUnits{6, 13});
  CChordDialog dialog;
  dialog.hintText = T(198);
  WhenModal<QtDialog>([](QtDialog* w) {
    EXPECT_TRUE(w->grab().save("/tmp/chords-dialog.png"));
    w->End(IDCANCEL);
  });
  EXPECT_EQ(qtHost.RunModal(dialog), IDCANCEL);
}

}  // namespace
