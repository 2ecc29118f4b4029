// The chord table, the chord type dialog and the drawing of random chords for the modes.
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "music/MusicalTables.h"
#include "tasks/chords/ChordTestSupport.h"

namespace {

using namespace chord_test;

int ScaleKeysBetween(int row, int low, int high) {
  int n = 0;
  for (int k = low + 1; k < high; ++k) n += InScaleRow(row, k) ? 1 : 0;
  return n;
}

class ChordRules : public ChordApp {};

TEST_F(ChordRules, TableAndDialogAnswers) {
  Open(19);
  const Chords chords;
  EXPECT_EQ(chords.chordEnd, -100);
  EXPECT_EQ(chords.chordIntervals[0], (std::array<int32_t, 5>{0, 4, 7, -100, -100}));
  EXPECT_EQ(chords.chordIntervals[3], (std::array<int32_t, 5>{0, 4, 8, -100, -100}));
  EXPECT_EQ(chords.chordIntervals[8], (std::array<int32_t, 5>{0, 3, 6, 10, -100}));
  EXPECT_EQ(chords.chordIntervals[14], (std::array<int32_t, 5>{0, 3, 6, 11, -100}));
  EXPECT_EQ(chords.chordNames[0], T(203));
  EXPECT_EQ(chords.chordNames[14], T(217));
  EXPECT_EQ(chords.chordTones, (std::array<int32_t, 5>{}));

  CChordDialog dialog;
  // Range 0-3, no change of selection, the plain OK: the first type, no replay.
  host.dialogActions.push_back(ScriptedUiHost::Press(IDOK));
  EXPECT_EQ(dialog.AskChordType(0, 3, "hint"), IDOK);
  const DialogRun& run = host.dialogs.back();
  EXPECT_EQ(run.templateId, 211);
  EXPECT_EQ(run.caption, T(197));
  EXPECT_EQ(run.controls.at(1018).text, T(202));
  EXPECT_EQ(run.controls.at(1080).text, "hint");
  EXPECT_EQ(run.controls.at(1013).items, (std::vector<std::string>{T(203), T(204), T(205), T(206)}));
  EXPECT_EQ(run.controls.at(1013).curSel, 0);
  EXPECT_TRUE(run.unknownIds.empty());
  EXPECT_EQ(dialog.selectedType, 0);
  EXPECT_FALSE(dialog.listenAgain);

  // Range 0-14, the last entry with the second button: OK too, with the replay asked.
  host.dialogActions.push_back(Answer(14, true));
  EXPECT_EQ(dialog.AskChordType(0, 14, "hint"), IDOK);
  EXPECT_EQ(host.dialogs.back().controls.at(1013).items.size(), 15u);
  EXPECT_EQ(dialog.selectedType, 14);
  EXPECT_TRUE(dialog.listenAgain);

  // Escape: Cancel; the choice and the flag of the last answer stay.
  host.dialogActions.push_back([](CDialog& d, DialogControls& c) {
    c.SetCurSel(1013, 2);
    d.OnCommand(1013);
    d.OnCommand(IDCANCEL);
  });
  EXPECT_EQ(dialog.AskChordType(0, 14, "hint"), IDCANCEL);
  EXPECT_EQ(dialog.selectedType, 2);
  EXPECT_TRUE(dialog.listenAgain);
  host.dialogActions.push_back(Answer(1));
  EXPECT_EQ(dialog.AskChordType(0, 14, "hint"), IDOK);
  EXPECT_FALSE(dialog.listenAgain);
}

// Every scale tone of every mode carries a stacked-third triad, so drawing a chord ends.
TEST(ChordModes, EveryScaleRootHasATriad) {
  for (int row = 0; row < 48; ++row) {
    for (int root = 0; root < 12; ++root) {
      if (!InScaleRow(row, root)) continue;
      bool found = false;
      for (const auto& offsets : {std::array{0, 4, 7}, {0, 3, 7}, {0, 3, 6}, {0, 4, 8}}) {
        const int a = root, b = root + offsets[1], c = root + offsets[2];
        if (InScaleRow(row, b) && InScaleRow(row, c) && ScaleKeysBetween(row, a, b) == 1 &&
            ScaleKeysBetween(row, b, c) == 1) {
          found = true;
        }
      }
      EXPECT_TRUE(found) << "row " << row << " root " << root;
    }
  }
}

struct DrawCase {
  int type;
  int lastType;
};

class ChordDrawing : public ChordApp, public ::testing::WithParamInterface<DrawCase> {};

TEST_P(ChordDrawing, ChordsFitTheMode) {
  Open(GetParam().type);
  ChordHearTask& task = Hearing();
  std::srand(77);
  // Chromatic: every root and every type of the range occurs.
  scaleRow = -1;
  std::set<int> roots, types;
  for (int i = 0; i < 600; ++i) {
    task.OnListenNew();
    const std::vector<int> tones = TonesOf(task);
    ASSERT_EQ(tones.size(), task.chordType <= 3 ? 3u : 4u);
    for (size_t p = 0; p < tones.size(); ++p) {
      EXPECT_EQ(tones[p], tones[0] + task.chordIntervals[static_cast<size_t>(task.chordType)][p]);
    }
    EXPECT_EQ(task.chordTones[4], -100);
    roots.insert(tones[0]);
    types.insert(task.chordType);
  }
  EXPECT_EQ(roots.size(), 12u);
  EXPECT_EQ(types.size(), static_cast<size_t>(GetParam().lastType + 1));
  EXPECT_EQ(*types.rbegin(), GetParam().lastType);
  out->Clear();

  // A mode: roots on the scale, tones on the scale stacked in thirds (a sixth for the seventh).
  for (int row : {0, 12 + 9, 24 + 4, 36 + 11, 7}) {
    scaleRow = row;
    for (int i = 0; i < 150; ++i) {
      task.OnListenNew();
      const std::vector<int> tones = TonesOf(task);
      ASSERT_GE(tones.size(), 3u);
      EXPECT_LT(tones[0], 12);
      for (int t : tones) EXPECT_TRUE(InScaleRow(row, t)) << "row " << row << " tone " << t;
      EXPECT_EQ(ScaleKeysBetween(row, tones[0], tones[1]), 1);
      EXPECT_EQ(ScaleKeysBetween(row, tones[1], tones[2]), 1);
      if (tones.size() == 4) {
        EXPECT_LE(ScaleKeysBetween(row, tones[2], tones[3]), 1);
      }
    }
    out->Clear();
  }
  scaleRow = 0;
}

INSTANTIATE_TEST_SUITE_P(TriadsAndAll, ChordDrawing,
                         ::testing::Values(DrawCase{19, 3}, DrawCase{16, 3}, DrawCase{20, 14}, DrawCase{17, 14}));

}  // namespace
