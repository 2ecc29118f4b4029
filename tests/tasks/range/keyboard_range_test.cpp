// The MIDI keyboard range measurement driven through the real program: incoming note-on
// messages, the message box with the result, the button enabling and the log.
#include <algorithm>
#include <string>
#include <vector>

#include "log/LogLines.h"
#include "tasks/melody/MelodyTestSupport.h"
#include "tasks/range/CSetMidiKbdRangeT.h"
#include "text/StrFormat.h"

namespace {

using namespace melody_test;

class KeyboardRangeTest : public MelodyApp {
 protected:
  void SetUp() override {
    midiKbdLeftMostKey = -1;
    midiKbdRightMostKey = -1;
    Open(29);
  }
  static uint32_t NoteOn(int note, int velocity = 100) { return midi::Pack(midi::kNoteOn, note, velocity); }
  void Keys(const std::vector<uint32_t>& messages) {
    for (uint32_t m : messages) View().OnMidiInData(m);
  }
  std::string Result(int lowest, int highest) {
    return "midiKbdLeftMostKey = " + std::to_string(lowest) + "\nmidiKbdRightMostKey = " + std::to_string(highest);
  }
};

TEST_F(KeyboardRangeTest, StartsWithOnlyTheMeasurementButtonAndItsTexts) {
  EXPECT_EQ(Bar().ControlText(cmd::kListenNew), T(93));
  EXPECT_EQ(Bar().ControlText(cmd::kTimeMeter), "");
  EXPECT_TRUE(Bar().IsControlEnabled(cmd::kListenNew));
  EXPECT_FALSE(Bar().IsControlEnabled(cmd::kListenAgain));
  for (int id : {cmd::kTempoList, cmd::kKeyList, cmd::kModeList, cmd::kMaxDistanceList, cmd::kBlockExtramode}) {
    EXPECT_FALSE(Bar().IsControlEnabled(id)) << id;
  }
  const std::vector<DrawnText> texts = PaintedTexts(View().Task(), kWidth, kHeight);
  for (int id : {255, 348, 349, 350, 351, 358}) EXPECT_NE(FindText(texts, T(id)), nullptr) << id;
}

TEST_F(KeyboardRangeTest, HighestThenLowestThenAnyKeyGivesTheRange) {
  Keys({NoteOn(70)});
  EXPECT_TRUE(host.messageBoxes.empty()) << "no measurement runs";
  EXPECT_EQ(out->Messages(), std::vector<uint32_t>{NoteOn(70)}) << "still echoed";
  Command(cmd::kListenNew);
  EXPECT_FALSE(Bar().IsControlEnabled(cmd::kListenNew));
  Keys({NoteOn(96), NoteOn(36)});
  EXPECT_TRUE(host.messageBoxes.empty());
  EXPECT_EQ(midiKbdLeftMostKey, -1);
  Keys({NoteOn(60)});
  ASSERT_EQ(host.messageBoxes.size(), 1u);
  EXPECT_EQ(host.messageBoxes[0].text, Result(36, 96));
  EXPECT_EQ(host.messageBoxes[0].caption, "Measurement is completed");
  EXPECT_EQ(host.messageBoxes[0].style, static_cast<unsigned>(MB_OK));
  EXPECT_EQ(midiKbdLeftMostKey, 36);
  EXPECT_EQ(midiKbdRightMostKey, 96);
  EXPECT_TRUE(Bar().IsControlEnabled(cmd::kListenNew));
  Keys({NoteOn(20), NoteOn(30), NoteOn(40)});
  EXPECT_EQ(host.messageBoxes.size(), 1u) << "the measurement is over";

  // A keyboard sending releases as note-ons of velocity 0: one key pressed and released
  // fills both notes; the next press completes.
  Command(cmd::kListenNew);
  Keys({NoteOn(48), NoteOn(48, 0), NoteOn(72)});
  ASSERT_EQ(host.messageBoxes.size(), 2u);
  EXPECT_EQ(host.messageBoxes[1].text, Result(48, 48));
  EXPECT_EQ(midiKbdRightMostKey, 48);
}

TEST_F(KeyboardRangeTest, LeavingLogsZeroCountsUnderAHeaderWithoutName) {
  EXPECT_NE(std::find(resultsLog.begin(), resultsLog.end(), T(426)), resultsLog.end());
  Command(cmd::kListenNew);
  const size_t from = resultsLog.size();
  Open(1);
  const std::vector<std::string> log = LogFrom(from);
  ASSERT_GE(log.size(), 8u);
  EXPECT_EQ(log[1], StrFormat("%s = 0 / 0", T(428).c_str()));
  EXPECT_EQ(log[6], DashRule());
  EXPECT_EQ(View().Task().title, T(233));
}

}  // namespace
