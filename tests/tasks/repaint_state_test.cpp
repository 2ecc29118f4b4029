// What a task shows mid-way (messages, marked keys, counts, the hint, the state of its controls)
// survives a full repaint of the view and a language change, in every family.
#include <QCoreApplication>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "support/PixelDifference.h"
#include "tasks/chords/ChordCommon.h"
#include "tasks/chords/ChordTestSupport.h"
#include "tasks/intro/MonoIntroTest.h"
#include "tasks/melody/MelodyCommon.h"

namespace {

using namespace chord_test;

// What the program shows: the view's picture, the hint, and for each control of the task
// (control bar buttons, buttons in the view) whether it is enabled and its caption.
struct Shown {
  QImage picture;
  std::string hint;
  std::vector<std::pair<bool, std::string>> controls;
};

class TaskState : public ChordApp {
 protected:
  Shown Now() {
    View().UpdateWindow();
    Shown shown{View().BackBuffer().copy(), Hint(), {}};
    for (int id : {cmd::kListenNew, cmd::kListenAgain}) {
      shown.controls.emplace_back(Bar().IsControlEnabled(id), Bar().ControlText(id));
    }
    for (int id : {melody::kTaskButton, intro::kDownButton, intro::kSameButton, intro::kUpButton}) {
      if (View().ChildControl(id)) shown.controls.emplace_back(View().IsControlEnabled(id), View().ControlText(id));
    }
    return shown;
  }
  Shown Repainted() {
    View().Invalidate();
    return Now();
  }
  // The picture after a full repaint is the one before; a switch to German and back gives the
  // same picture, hint and controls.
  void ExpectKept(const std::string& when) {
    const Shown before = Now();
    EXPECT_EQ(PixelDifference(before.picture, Repainted().picture), "") << when << ": full repaint";
    Command(cmd::kLangGerman);
    Command(cmd::kLangEnglish);
    const Shown after = Now();
    EXPECT_EQ(PixelDifference(before.picture, after.picture), "") << when << ": German and back";
    EXPECT_EQ(after.hint, before.hint) << when;
    EXPECT_EQ(after.controls, before.controls) << when;
  }

  // A key of the task's piano other than the given one.
  int Other(int key) { return (key + 1) % Piano().KeyCount(); }
  // The keys of the tones a new task played.
  std::vector<int> ListenNew() {
    Heard();
    Command(cmd::kListenNew);
    return KeysOf(Heard());
  }
};

class TaskStateSurvives : public TaskState, public ::testing::WithParamInterface<int> {};

// A new task, then (where the family answers) one right and one wrong answer; the state is
// compared after each step.
TEST_P(TaskStateSurvives, RepaintAndLanguageChangeMidTask) {
  const int type = GetParam();
  Open(type, type == kKeyboardRangeType);
  std::srand(11);
  switch (type) {
    case 0:
    case 5: {  // tone search: a wrong confirmation, then the right one
      const int target = ListenNew().at(0);
      Click(Other(target));
      Command(cmd::kEnter);
      ExpectKept("wrong confirmation");
      Click(target);
      Command(cmd::kEnter);
      ExpectKept("right confirmation");
      break;
    }
    case 3:
    case 8:
    case 10:
    case 30: {  // melodies: the first tone right, the second wrong; a teacher melody then revealed
      const std::vector<int> keys = ListenNew();
      ASSERT_GE(keys.size(), 2u);
      Click(keys[0]);
      ExpectKept("first tone right");
      Click(Other(keys[1]));
      ExpectKept("second tone wrong");
      if (type == 10 || type == 30) {
        for (int i = 0; i < 2; ++i) Click(Other(keys[0]));
        Click(keys[0]);  // after the reveal: the melody's name comes into the panel
        ExpectKept("melody revealed and named");
      }
      break;
    }
    case 11:
    case 12: {  // entrance exam: one right answer, then a wrong one to a new task
      auto& task = dynamic_cast<MonoIntroTest&>(View().Task());
      Command(cmd::kListenNew);
      ExpectKept("new task");
      Command(intro::kSameButton + task.direction);
      Command(cmd::kListenNew);
      Command(intro::kSameButton + (task.direction == 1 ? -1 : 1));
      ExpectKept("right, then wrong");
      break;
    }
    case 19:
    case 21: {  // chord recognition: a wrong root (not from one tone), the root, a wrong type, the type
      const bool fromOne = type == 21;
      host.dialogActions.push_back([this](CDialog& dialog, DialogControls& controls) {
        // From one tone the counts of the new task come into the panel only after the dialog.
        Repainted();
        EXPECT_EQ(KeyColour(Hearing().chordTones[0]), kGreenKey) << "the root while the type is asked";
        Answer(OtherType(Hearing().chordType))(dialog, controls);
      });
      host.dialogActions.push_back(
          [this](CDialog& dialog, DialogControls& controls) { Answer(Hearing().chordType)(dialog, controls); });
      Command(cmd::kListenNew);
      if (!fromOne) {
        const int root = Hearing().chordTones[0];
        Click((root + 1) % 12);
        ExpectKept("wrong root");
        Click(root);
      }
      EXPECT_TRUE(host.dialogActions.empty());
      ExpectKept("type named");
      break;
    }
    case 22:
    case 23: {  // chord playing: the chord named, its root pressed, a wrong second tone
      Command(cmd::kListenNew);
      ExpectKept("chord named");
      Click(Playing().chordTones[0] + chords::kChordOctave);
      ExpectKept("root right");
      Click(Playing().chordTones[1] + chords::kChordOctave + 1);
      ExpectKept("second tone wrong");
      break;
    }
    case 27:  // tuning fork: a key sounding, its frequency shown
      Click(9);
      ExpectKept("key sounding");
      Command(cmd::kMute);
      break;
    case kKeyboardRangeType:  // the measurement waiting for its notes
      Command(cmd::kListenNew);
      midi.log.sink(midi::Pack(midi::kNoteOn, 60, 100));
      QCoreApplication::processEvents();
      ExpectKept("measuring");
      break;
    default:
      FAIL() << "no scenario for type " << type;
  }
}

INSTANTIATE_TEST_SUITE_P(Families, TaskStateSurvives, ::testing::Values(0, 5, 3, 8, 10, 30, 11, 12, 19, 21, 22, 23, 27, 29),
                         [](const ::testing::TestParamInfo<int>& info) { return TaskTypeAt(info.param).className; });

// The chord of an open task is named in the language chosen and can still be answered there.
TEST_F(TaskState, ChordPlayingSwitchedToGermanAndBack) {
  Open(23);
  std::srand(5);
  Command(cmd::kListenNew);
  ChordPlayBaseTest& task = Playing();
  const int root = task.chordTones[0] + chords::kChordOctave;
  const int nameId = Chords::kFirstNameText + task.chordType;
  const std::string englishName = T(nameId);
  const Shown english = Now();
  EXPECT_EQ(english.hint, T(148));
  EXPECT_FALSE(Bar().IsControlEnabled(cmd::kListenNew));

  Command(cmd::kLangGerman);
  View().UpdateWindow();
  ASSERT_NE(T(nameId), englishName);
  const std::vector<DrawnText> painted = PaintedTexts(task, kWidth, kHeight);
  EXPECT_NE(FindText(painted, T(nameId)), nullptr) << "the German name";
  EXPECT_EQ(FindText(painted, englishName), nullptr);
  EXPECT_EQ(Hint(), T(148)) << "the hint of an open task, in German";
  EXPECT_NE(Hint(), english.hint);
  EXPECT_FALSE(Bar().IsControlEnabled(cmd::kListenNew));
  EXPECT_EQ(KeyColour(root), kGreenKey);

  Command(cmd::kLangEnglish);
  const Shown back = Now();
  EXPECT_EQ(PixelDifference(english.picture, back.picture), "");
  EXPECT_EQ(back.hint, english.hint);

  Command(cmd::kLangGerman);
  Click(root);
  EXPECT_EQ(task.enteredCount, 1) << "the root is taken";
  EXPECT_EQ(task.attempt, 1);
  EXPECT_EQ(KeyColour(root), kGreenKey);
  EXPECT_NE(FindText(PaintedTexts(task, kWidth, kHeight), T(common::text::kRightSoFar)), nullptr);
  Command(cmd::kLangEnglish);
}

}  // namespace
