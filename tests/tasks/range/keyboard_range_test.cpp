// The MIDI keyboard range measurement driven through the real program: incoming note-on
// messages, the message box with the result, the button enabling and the log.
#include <QCoreApplication>
#include <algorithm>
#include <string>
#include <vector>

#include "tasks/melody/MelodyTestSupport.h"
#include "tasks/range/CSetMidiKbdRangeT.h"
#include "text/StrFormat.h"

namespace {

using namespace melody_test;

class KeyboardRangeTest : public MelodyApp {
 protected:
  void SetUp() override { Open(29, true); }
  // Through the keyboard's input, as its thread delivers them.
  void Keys(const std::vector<int>& notes, int velocity = 100) {
    for (int note : notes) {
      midi.log.sink(midi::Pack(midi::kNoteOn, static_cast<uint32_t>(note), static_cast<uint32_t>(velocity)));
      QCoreApplication::processEvents();
    }
  }
  static std::string Result(int lowest, int highest) {
    return StrFormat("midiKbdLeftMostKey = %d\nmidiKbdRightMostKey = %d", lowest, highest);
  }
};

TEST_F(KeyboardRangeTest, HighestThenLowestThenAnyKeyGivesTheRange) {
  EXPECT_EQ(Bar().ControlText(cmd::kListenNew), T(93));
  EXPECT_FALSE(Bar().IsControlEnabled(cmd::kTempoList));
  EXPECT_NE(FindText(PaintedTexts(View().Task(), kWidth, kHeight), T(358)), nullptr);
  Keys({70});
  EXPECT_TRUE(host.messageBoxes.empty()) << "no measurement runs";
  EXPECT_EQ(out->Messages(), std::vector<uint32_t>{midi::Pack(midi::kNoteOn, 70, 100)}) << "still echoed";
  Command(cmd::kListenNew);
  EXPECT_FALSE(Bar().IsControlEnabled(cmd::kListenNew));
  Keys({96, 36});
  EXPECT_TRUE(host.messageBoxes.empty());
  Keys({60});
  ASSERT_EQ(host.messageBoxes.size(), 1u);
  EXPECT_EQ(host.messageBoxes[0].text, Result(36, 96));
  EXPECT_EQ(host.messageBoxes[0].caption, "Measurement is completed");
  EXPECT_EQ(host.messageBoxes[0].style, static_cast<unsigned>(MB_OK));
  EXPECT_EQ(midiKbdLeftMostKey, 36);
  EXPECT_EQ(midiKbdRightMostKey, 96);
  EXPECT_TRUE(Bar().IsControlEnabled(cmd::kListenNew));
  Keys({20, 30, 40});
  EXPECT_EQ(host.messageBoxes.size(), 1u) << "the measurement is over";

  // Releases sent as note-ons of velocity 0 are note-offs: they measure nothing.
  Command(cmd::kListenNew);
  Keys({48});
  Keys({48}, 0);
  Keys({72});
  EXPECT_EQ(host.messageBoxes.size(), 1u);
  Keys({72}, 0);
  Keys({60});
  ASSERT_EQ(host.messageBoxes.size(), 2u);
  EXPECT_EQ(host.messageBoxes[1].text, Result(48, 72));
}

TEST_F(KeyboardRangeTest, LogsZeroCountsUnderAHeaderWithoutName) {
  EXPECT_NE(std::find(resultsLog.begin(), resultsLog.end(), T(426)), resultsLog.end());
  const size_t from = resultsLog.size();
  Open(1);
  const std::vector<std::string> log = LogFrom(from);
  ASSERT_GE(log.size(), 2u);
  EXPECT_EQ(log[1], StrFormat("%s = 0 / 0", T(428).c_str()));
}

}  // namespace
