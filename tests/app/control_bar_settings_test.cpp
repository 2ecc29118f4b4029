#include <QComboBox>
#include <QLineEdit>

#include "app/CChildView.h"
#include "app/CControlBar.h"
#include "commands/CommandIds.h"
#include "log/ResultsLog.h"
#include "platform/qt/PlainText.h"
#include "settings/ProgramSettings.h"
#include "support/AppFixture.h"
#include "text/LanguageTable.h"

namespace {

class ControlBarSettings : public AppFixture {
 protected:
  void SetUp() override {
    spyTypes = {0};
    StartProgram();
    calls.clear();
  }
  // The user picks item index in a list of the bar.
  void Pick(int id, int index) {
    Frame().ControlBar().SetListSelection(id, index);
    Frame().OnCommand(id);
  }
  void Click(int id, bool checked) {
    Frame().ControlBar().SetChecked(id, checked);
    Frame().OnCommand(id);
  }
  CControlBar& Bar() { return Frame().ControlBar(); }
};

TEST_F(ControlBarSettings, InitialStateFollowsTheSettings) {
  EXPECT_EQ(Bar().ListSelection(cmd::kTempoList), 21);
  EXPECT_EQ(Bar().ControlText(cmd::kTempoList), "100 Andante");
  EXPECT_EQ(Bar().ListSelection(cmd::kKeyList), 0);
  EXPECT_EQ(Bar().ListSelection(cmd::kMaxDistanceList), 3);
  EXPECT_EQ(Bar().ControlText(cmd::kModeList), T(100));
  EXPECT_EQ(Bar().ControlText(cmd::kTimeMeter), "00:00");
  EXPECT_EQ(scaleRow, 0);
}

TEST_F(ControlBarSettings, TempoChangeAfterAnsweredTasksWritesStatisticsThenTheChange) {
  View().Task().tasksGiven = 3;
  View().Task().solvedFirst = 3;
  const size_t before = resultsLog.size();
  Pick(cmd::kTempoList, 26);
  const std::vector<std::string> lines = LogFrom(before);
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[1], T(428) + " = 3 / 3");
  EXPECT_EQ(lines[7], T(422) + "120 Moderato/Allegro");
  EXPECT_EQ(tempoIndex, 26);
  EXPECT_EQ(View().Task().tasksGiven, 0) << "statistics reset";
}

TEST_F(ControlBarSettings, KeyChangeWithoutTasksResetsAndLogsOnly) {
  View().Task().repeatsTotal = 4;
  const size_t before = resultsLog.size();
  Pick(cmd::kKeyList, 2);
  EXPECT_EQ(LogFrom(before), (std::vector<std::string>{T(420) + "D"}));
  EXPECT_EQ(View().Task().repeatsTotal, 0);
  EXPECT_EQ(keyIndex, 2);
  EXPECT_EQ(scaleRow, 2);
  Pick(cmd::kModeList, 1);  // D Dorian uses the C major row
  EXPECT_EQ(scaleRow, 0);
  EXPECT_EQ(resultsLog.back(), T(421) + T(101));
  Pick(cmd::kModeList, 10);
  EXPECT_EQ(scaleRow, -1);
}

TEST_F(ControlBarSettings, SameTempoAgainStillWritesAndResets) {
  View().Task().tasksGiven = 1;
  const size_t before = resultsLog.size();
  Pick(cmd::kTempoList, 21);
  EXPECT_EQ(LogFrom(before).size(), 8u);
  EXPECT_EQ(resultsLog.back(), T(422) + "100 Andante");
}

TEST_F(ControlBarSettings, DistanceAndBlockingLines) {
  Pick(cmd::kMaxDistanceList, 9);
  EXPECT_EQ(maxDistance, 36);
  EXPECT_EQ(resultsLog.back(), T(423) + "36");
  Click(cmd::kBlockExtramode, true);
  EXPECT_TRUE(blockExtramodeKeys);
  EXPECT_EQ(resultsLog.back(), T(418));
  Click(cmd::kBlockExtramode, false);
  EXPECT_EQ(resultsLog.back(), T(417));
}

TEST_F(ControlBarSettings, FixIlluminationChangesNoLogAndNoCounter) {
  View().Task().tasksGiven = 2;
  const size_t before = resultsLog.size();
  Click(cmd::kFixIllumination, true);
  EXPECT_TRUE(fixKeyIllumination);
  EXPECT_EQ(resultsLog.size(), before);
  EXPECT_EQ(View().Task().tasksGiven, 2);
}

class StoredDistance : public AppFixture {};

TEST_F(StoredDistance, ValueOutsideTheListLeavesNoSelectionAndKeepsTheValue) {
  maxDistance = 6;
  StartProgram();
  EXPECT_EQ(Frame().ControlBar().ListSelection(cmd::kMaxDistanceList), -1);
  EXPECT_EQ(maxDistance, 6);
}

}  // namespace

namespace {

class VolumeSlider : public AppFixture {
 protected:
  void SetUp() override {
    spyTypes = {0};
    StartProgram();
  }
  std::vector<uint32_t> VolumeMessages(uint32_t value) {
    std::vector<uint32_t> out;
    for (uint32_t channel = 0; channel < 16; ++channel) out.push_back(0xB0 + channel + (7 << 8) + (value << 16));
    return out;
  }
};

TEST_F(VolumeSlider, DeferredStartOpensTheOutputWithProgramAndVolume) {
  View().OnTimer(cmd::kTimerDeferredStart);
  std::vector<uint32_t> expected = {0x00C0};
  const std::vector<uint32_t> volumes = VolumeMessages(100);
  expected.insert(expected.end(), volumes.begin(), volumes.end());
  EXPECT_EQ(midi.log.sent, expected);
  EXPECT_EQ(Frame().ControlBar().SliderPos(cmd::kVolumeSlider), 100);
}

TEST_F(VolumeSlider, RepaintsSendTheVolumeOnlyOnceReady) {
  View().OnTimer(cmd::kTimerDeferredStart);
  midi.log.sent.clear();
  Frame().ControlBar().SetSliderPos(cmd::kVolumeSlider, 64);
  View().OnVolumeSliderDrawn();
  EXPECT_TRUE(midi.log.sent.empty()) << "the first 100 ms after the start ignore the slider";
  View().OnTimer(cmd::kTimerVolumeReady);
  View().OnVolumeSliderDrawn();
  View().OnVolumeSliderDrawn();  // a repaint with the same position sends again
  std::vector<uint32_t> expected = VolumeMessages(64);
  expected.insert(expected.end(), expected.begin(), expected.end());
  EXPECT_EQ(midi.log.sent, expected);
  EXPECT_EQ(volume, 64);
}

TEST_F(VolumeSlider, MuteAndTheRightButtonResetTheOutput) {
  View().OnTimer(cmd::kTimerDeferredStart);
  midi.log.sent.clear();
  View().Task().CAbstractT::AllNotesOff();
  EXPECT_EQ(midi.log.sent, (std::vector<uint32_t>{CapturingMidiOut::kReset}));
  midi.log.sent.clear();
  View().Task().CAbstractT::StopTimer();  // never ran: nothing at all
  EXPECT_TRUE(midi.log.sent.empty());
}

TEST_F(ControlBarSettings, ALongHintShowsItsStartAndTheWholeTextAsTooltip) {
  Frame().OnCommand(cmd::kLangGerman);
  // The sequencer's hint in German, longer than the box, with markup that must stay text.
  const std::string hint = T(134) + " <b>";
  View().SetControlText(cmd::kHintBox, hint);
  auto* box = Bar().findChild<QLineEdit*>(QString::number(cmd::kHintBox));
  ASSERT_NE(box, nullptr);
  EXPECT_GT(box->fontMetrics().horizontalAdvance(box->text()), box->width()) << "the hint is cut";
  EXPECT_EQ(box->cursorPosition(), 0);
  EXPECT_EQ(box->toolTip(), "<p style='white-space:pre-wrap'>" + QString::fromStdString(T(134)) + " &lt;b&gt;</p>");
}

}  // namespace
