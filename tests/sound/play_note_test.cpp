// The exact message forms of the note operations and the volume, through a capturing device.
#include <gtest/gtest.h>

#include <vector>

#include "support/CapturingMidiOut.h"
#include "tasks/base/CAbstractT.h"

namespace {

using Messages = std::vector<uint32_t>;
constexpr uint32_t kReset = CapturingMidiOut::kReset;

class PlayNoteTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetMidiState(); }
  void TearDown() override { ResetMidiState(); }
  CapturingMidiOut out_;
  CAbstractT task_;
};

TEST_F(PlayNoteTest, FirstNoteOnAChannelIsPrecededByNoteOffOfNoteZero) {
  task_.PlayNote(0, 2);
  EXPECT_EQ(out_.Messages(), (Messages{0x000082, 0x7F2492}));
  EXPECT_EQ(lastNoteWord[2], 36 << 8);
}

TEST_F(PlayNoteTest, NextNoteCutsThePreviousOneOnTheSameChannel) {
  task_.PlayNote(5, 0);
  task_.PlayNote(7, 0);
  // note-off 0, note-on 41, note-off 41, note-on 43
  EXPECT_EQ(out_.Messages(), (Messages{0x000080, 0x7F2990, 0x002980, 0x7F2B90}));
}

TEST_F(PlayNoteTest, ChannelsKeepTheirOwnLastNoteAndVelocity) {
  channelVelocity[1] = 90;
  task_.PlayNote(36, 1);
  task_.PlayNote(12, 0);
  task_.PlayNote(13, 1);
  EXPECT_EQ(out_.Messages(), (Messages{0x000081, 0x5A4891, 0x000080, 0x7F3090, 0x004881, 0x5A3191}));
}

TEST_F(PlayNoteTest, PercussionCodesSoundOnChannel9AndLeaveLastNoteAlone) {
  task_.PlayNote(3, 4);
  out_.Clear();
  metronomeDrumNote = 76;
  task_.PlayNote(37, 4);
  task_.PlayNote(38, 4);
  task_.PlayNote(39, 0);
  EXPECT_EQ(out_.Messages(), (Messages{0x3F2599, 0x002589, 0x4F4C99, 0x004C89, 0x7F4C99, 0x004C89}));
  EXPECT_EQ(lastNoteWord[4], 39 << 8);
  EXPECT_EQ(lastNoteWord[9], 0);
}

TEST_F(PlayNoteTest, KeysOutsideTheTablesSendNothing) {
  task_.PlayNote(40, 0);
  task_.PlayNote(-1, 0);
  EXPECT_TRUE(out_.Messages().empty());
}

TEST_F(PlayNoteTest, NoteOnAndNoteOffUseChannel0AndVelocity127) {
  task_.NoteOn(24);
  task_.NoteOff(24);
  EXPECT_EQ(out_.Messages(), (Messages{0x7F3C90, 0x7F3C80}));
  EXPECT_EQ(lastNoteWord[0], 0);
}

TEST_F(PlayNoteTest, AllNotesOffResetsAndSendsNothingAfter) {
  task_.PlayNote(10, 0);
  out_.Clear();
  task_.AllNotesOff();
  EXPECT_EQ(out_.Messages(), (Messages{kReset}));
  EXPECT_EQ(lastNoteWord[0], 46 << 8);
  task_.PlayNote(11, 0);
  EXPECT_EQ(out_.Messages(), (Messages{kReset, 0x002E80, 0x7F2F90}));
}

TEST_F(PlayNoteTest, VolumeGoesToAll16ChannelsInOrder) {
  SendVolumeToAllChannels(100);
  Messages expected;
  for (uint32_t ch = 0; ch < 16; ++ch) expected.push_back(0x6407B0 + ch);
  EXPECT_EQ(out_.Messages(), expected);
}

TEST_F(PlayNoteTest, ChannelTablesCopyLikeArraysAndStayInRange) {
  channelProgram[3] = 40;
  const MidiChannelTable::Values saved = channelProgram;
  channelProgram.fill(0);
  EXPECT_EQ(channelProgram[3], 0);
  channelProgram = saved;
  EXPECT_EQ(channelProgram[3], 40);
  EXPECT_EQ(&channelProgram[19], &channelProgram[3]);
}

TEST(MidiOutputTest, NothingIsSentWithoutAnOpenOutput) {
  SetMidiOut(nullptr);
  SendShortMsg(0x7F3C90);
  ResetMidiOut();
  CapturingMidiOut out;
  EXPECT_TRUE(out.Messages().empty());
}

TEST(MidiOutputTest, MessageLengthFollowsTheStatus) {
  EXPECT_EQ(midi::MessageLength(0x90), 3);
  EXPECT_EQ(midi::MessageLength(0xC5), 2);
  EXPECT_EQ(midi::MessageLength(0xD0), 2);
  EXPECT_EQ(midi::MessageLength(0xF2), 3);
  EXPECT_EQ(midi::MessageLength(0xF3), 2);
  EXPECT_EQ(midi::MessageLength(0xF8), 1);
}

}  // namespace
