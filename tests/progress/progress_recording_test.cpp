// What the tasks put into the progress history, driven through the real program: one record
// per closed task with its settings, attempt, replays, search presses and chord; a task ended
// open by a settings change, a task change or a new task; nothing from the tools.
#include <cstdlib>
#include <string>
#include <vector>

#include "progress/ProgressTestSupport.h"
#include "tasks/chords/ChordTestSupport.h"
#include "tasks/intro/MonoIntroTest.h"
#include "tasks/melody/CSequencedTest13.h"

namespace {

using namespace chord_test;
using progress::Family;
using progress::TaskRecord;

class ProgressRecording : public ChordApp {
 protected:
  void Open(int type) {
    MelodyApp::Open(type);
    progress::SetRecordSink(&sink);
  }
  void TearDown() override {
    progress::DropOpenTask();
    ChordApp::TearDown();
  }
  std::vector<int> NewMelody() {
    Heard();
    Command(cmd::kListenNew);
    return KeysOf(Heard());
  }
  void Pick(int id, int index) {
    Bar().SetListSelection(id, index);
    Command(id);
  }
  const TaskRecord& Last() const { return sink.records.back(); }
  // The title of the melody the teacher-melody task of class Task gave last.
  template <class Task>
  std::string MelodyTitle() {
    auto& task = dynamic_cast<Task&>(View().Task());
    return task.Melodies()[task.Current()].title;
  }
  progress_test::CapturingSink sink;
};

TEST_F(ProgressRecording, MelodyTasksRecordAttemptReplaysAndSettingsOfTheirStart) {
  Open(3);  // four tones, one octave
  std::srand(5);
  std::vector<int> melody = NewMelody();
  Command(cmd::kListenAgain);
  Click((melody[0] + 1) % 13);
  for (int key : melody) Click(key);
  ASSERT_EQ(sink.records.size(), 1u);
  EXPECT_EQ(Last().taskType, 3);
  EXPECT_EQ(Last().family, Family::kMelody);
  EXPECT_EQ(Last().attempt, 2);
  EXPECT_FALSE(Last().ended);
  EXPECT_EQ(Last().replays, 1);
  EXPECT_EQ((std::vector<int>{Last().key, Last().mode, Last().tempo, Last().maxDistance}),
            (std::vector<int>{keyIndex, modeIndex, tempoIndex, maxDistance}));
  EXPECT_EQ(Last().searchPresses, progress::kNone);
  EXPECT_EQ(Last().chordType, progress::kNone);
  EXPECT_EQ(Last().melodyTitle, "");
  EXPECT_EQ(Last().day.size(), 10u);
  EXPECT_EQ(Last().time.size(), 8u);

  // Three wrong first tones: shown, not solved.
  melody = NewMelody();
  for (int i = 0; i < 3; ++i) Click((melody[0] + 1) % 13);
  ASSERT_EQ(sink.records.size(), 2u);
  EXPECT_EQ(Last().attempt, 0);
  EXPECT_FALSE(Last().ended);

  // A tempo change ends an open task with the tempo it was played at.
  const int tempoBefore = tempoIndex;
  NewMelody();
  Pick(cmd::kTempoList, tempoBefore + 1);
  ASSERT_EQ(sink.records.size(), 3u);
  EXPECT_TRUE(Last().ended);
  EXPECT_EQ(Last().tempo, tempoBefore);

  // So does a task change; the tools record nothing.
  NewMelody();
  Open(28);
  ASSERT_EQ(sink.records.size(), 4u);
  EXPECT_TRUE(Last().ended);
  Open(1);
  EXPECT_EQ(sink.records.size(), 4u);
}

TEST_F(ProgressRecording, TeacherMelodiesOfEveryShippedLevelRecordTheirTypeFamilyAndMelody) {
  for (const int type : {10, 31, 30}) {  // level 1, level 2, 37 keys
    Open(type);
    std::srand(3);
    const size_t before = sink.records.size();
    const std::vector<int> melody = NewMelody();
    ASSERT_FALSE(melody.empty()) << type;
    Click((melody[0] + 1) % 13);
    for (int key : melody) Click(key);
    ASSERT_EQ(sink.records.size(), before + 1) << type;
    EXPECT_EQ(Last().taskType, type);
    EXPECT_EQ(Last().family, Family::kTeacherMelody);
    EXPECT_EQ(Last().attempt, 2);
    EXPECT_FALSE(Last().ended);
    const std::string title = type == 10   ? MelodyTitle<CSequencedTest13>()
                              : type == 31 ? MelodyTitle<CSequencedTest13_2>()
                                           : MelodyTitle<CSequencedTest37>();
    EXPECT_FALSE(title.empty());
    EXPECT_EQ(Last().melodyTitle, title);
  }
}

TEST_F(ProgressRecording, ToneSearchCountsThePressesOfItsTask) {
  Open(0);
  std::srand(3);
  const int target = KeysOf([&] {
    Heard();
    Command(cmd::kListenNew);
    return Heard();
  }())[0];
  Click((target + 1) % 13);
  Click((target + 2) % 13);
  Command(cmd::kEnter);
  Click(target);
  Command(cmd::kEnter);
  ASSERT_EQ(sink.records.size(), 1u);
  EXPECT_EQ(Last().family, Family::kToneSearch);
  EXPECT_EQ(Last().attempt, 2);
  EXPECT_EQ(Last().searchPresses, 3);
}

TEST_F(ProgressRecording, ChordRecognitionRecordsTheChordAndTheTypesNamedWrongly) {
  Open(19);
  std::srand(42);
  Command(cmd::kListenNew);
  ChordHearTask& task = Hearing();
  const int type = task.chordType;
  const int root = task.chordTones[0];
  host.dialogActions.push_back(Answer(OtherType(type)));
  host.dialogActions.push_back(Answer(OtherType(OtherType(type))));
  host.dialogActions.push_back(Answer(type));
  Click(root);
  ASSERT_EQ(sink.records.size(), 1u);
  EXPECT_EQ(Last().family, Family::kChordRecognition);
  EXPECT_EQ(Last().attempt, 3);
  EXPECT_EQ(Last().chordType, type);
  EXPECT_EQ(Last().chordRoot, root);
  EXPECT_EQ(Last().wrongTypes, (std::vector<int>{OtherType(type), OtherType(OtherType(type))}));
}

TEST_F(ProgressRecording, TheLastInputOfATaskAndTheMeanOfItsVoiceDeviationsAreKept) {
  Open(19);
  std::srand(42);
  Command(cmd::kListenNew);
  ChordHearTask& task = Hearing();
  host.dialogActions.push_back(Answer(task.chordType));
  progress::NoteAnswerInput(progress::AnswerInput::kVoice);
  progress::NoteVoiceDeviation(-10);
  progress::NoteVoiceDeviation(20);
  progress::NoteVoiceDeviation(5);
  Click(task.chordTones[0]);
  ASSERT_EQ(sink.records.size(), 1u);
  EXPECT_EQ(Last().answeredBy, progress::AnswerInput::kMouse) << "the click came last";
  EXPECT_EQ(Last().meanCents, 12) << "35 / 3, rounded";
}

TEST_F(ProgressRecording, ExamTaskSkippedByANewOneEndsOpenAndTheExplanationRecordsNothing) {
  Open(13);
  Command(cmd::kListenNew);
  Command(cmd::kListenAgain);
  Command(cmd::kListenNew);
  ASSERT_EQ(sink.records.size(), 1u);
  EXPECT_TRUE(Last().ended);
  EXPECT_EQ(Last().replays, 1);
  auto& task = dynamic_cast<MonoIntroTest&>(View().Task());
  task.Answer(task.direction);
  ASSERT_EQ(sink.records.size(), 2u);
  EXPECT_EQ(Last().family, Family::kExam);
  EXPECT_EQ(Last().attempt, 1);
  Open(11);
  Command(cmd::kListenNew);
  Command(cmd::kListenNew);
  Open(12);
  EXPECT_EQ(sink.records.size(), 2u);
}

}  // namespace
