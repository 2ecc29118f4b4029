// The teacher-melody task: a piano to play freely under two lines of explanation; its two
// control-bar buttons play nothing and count nothing.
#include <string>
#include <vector>

#include "log/LogLines.h"
#include "tasks/melody/MelodyTestSupport.h"
#include "text/StrFormat.h"

namespace {

using namespace melody_test;

class TeacherMelodyTest : public MelodyApp {
 protected:
  std::vector<std::string> SwitchTo(int type) {
    const size_t from = resultsLog.size();
    Open(type);
    return LogFrom(from);
  }
};

TEST_F(TeacherMelodyTest, PlaysNothingCountsNothingAndLogsZeroCountsWithoutName) {
  Open(1);
  const std::vector<std::string> header = SwitchTo(10);
  ASSERT_GE(header.size(), 2u);
  EXPECT_EQ(header[header.size() - 2], T(426));
  EXPECT_EQ(header.back(), EqualsRule());
  EXPECT_EQ(Hint(), T(123));
  EXPECT_EQ(Bar().ControlText(cmd::kListenNew), T(82));
  EXPECT_EQ(Bar().ControlText(cmd::kListenAgain), T(85));
  EXPECT_EQ(Bar().ControlText(cmd::kTimeMeter), "00:00");
  for (int id : {cmd::kTempoList, cmd::kFixIllumination, cmd::kBlockExtramode, cmd::kListenNew}) {
    EXPECT_TRUE(Bar().IsControlEnabled(id)) << id;
  }
  for (int id : {cmd::kKeyList, cmd::kModeList, cmd::kMaxDistanceList, cmd::kListenAgain}) {
    EXPECT_FALSE(Bar().IsControlEnabled(id)) << id;
  }

  Command(cmd::kListenNew);
  EXPECT_TRUE(Heard().empty());
  EXPECT_EQ(View().Task().tasksGiven, 0);
  EXPECT_FALSE(Bar().IsControlEnabled(cmd::kListenAgain));
  Click(4);
  const std::vector<Sounded> sounds = Heard();
  ASSERT_FALSE(sounds.empty());
  EXPECT_EQ(sounds[0].note, 64) << "the keys play freely";

  const std::vector<DrawnText> texts = PaintedTexts(View().Task(), kWidth, kHeight);
  EXPECT_NE(FindText(texts, T(224)), nullptr);
  EXPECT_NE(FindText(texts, T(225)), nullptr);
  EXPECT_EQ(FindText(texts, T(278)), nullptr) << "no statistics";

  const std::vector<std::string> log = SwitchTo(2);
  ASSERT_GE(log.size(), 7u);
  EXPECT_EQ(log[1], StrFormat("%s = 0 / 0", T(428).c_str()));
  EXPECT_EQ(log[2], StrFormat("%s = 0 / 0 / 0", T(431).c_str()));
  EXPECT_EQ(log[3], StrFormat("%s = 0", T(433).c_str()));
}

}  // namespace
