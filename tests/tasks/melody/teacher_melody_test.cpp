// The teacher-melody task: a piano to play freely under two lines of explanation; its two
// control-bar buttons play nothing and count nothing.
#include <string>
#include <vector>

#include "log/LogLines.h"
#include "tasks/melody/MelodyTestSupport.h"
#include "text/StrFormat.h"

namespace {

using namespace melody_test;

class TeacherMelodyTest : public MelodyApp {};

TEST_F(TeacherMelodyTest, PlaysNothingCountsNothingAndLogsZeroCountsWithoutName) {
  Open(1);
  size_t from = resultsLog.size();
  Open(10);
  EXPECT_EQ(LogFrom(from).back(), EqualsRule());
  EXPECT_EQ(*(LogFrom(from).end() - 2), T(426)) << "no task name";
  EXPECT_EQ(Hint(), T(123));
  EXPECT_FALSE(Bar().IsControlEnabled(cmd::kKeyList));
  EXPECT_TRUE(Bar().IsControlEnabled(cmd::kBlockExtramode));

  Command(cmd::kListenNew);
  EXPECT_TRUE(Heard().empty());
  EXPECT_EQ(View().Task().tasksGiven, 0);
  EXPECT_FALSE(Bar().IsControlEnabled(cmd::kListenAgain));
  Click(4);
  const std::vector<Sounded> sounds = Heard();
  ASSERT_FALSE(sounds.empty());
  EXPECT_EQ(sounds[0].note, 64) << "the keys play freely";
  const std::vector<DrawnText> texts = PaintedTexts(View().Task(), kWidth, kHeight);
  EXPECT_NE(FindText(texts, T(225)), nullptr);
  EXPECT_EQ(FindText(texts, T(278)), nullptr) << "no statistics";

  from = resultsLog.size();
  Open(2);
  const std::vector<std::string> log = LogFrom(from);
  ASSERT_GE(log.size(), 4u);
  EXPECT_EQ(log[1], StrFormat("%s = 0 / 0", T(428).c_str()));
  EXPECT_EQ(log[3], StrFormat("%s = 0", T(433).c_str()));
}

}  // namespace
