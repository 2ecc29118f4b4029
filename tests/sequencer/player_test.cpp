#include <sys/stat.h>

#include <QImage>
#include <filesystem>

#include "sequencer/CSeqPlayer.h"
#include "sequencer/SeqTestSupport.h"
#include "text/LanguageTable.h"
#include "text/TextIds.h"

namespace {

using namespace seq_test;

class PlayerTest : public SeqApp {};

TEST_F(PlayerTest, LoadsAFileAndPlaysItsNotesAtTheirTicks) {
  Open(26);
  auto& player = dynamic_cast<CSeqPlayer&>(Task());
  EXPECT_EQ(Frame().ControlBar().ControlText(cmd::kListenAgain), T(89));
  EXPECT_FALSE(Frame().ControlBar().IsControlEnabled(cmd::kKeyList));
  // Nothing opened: play ends at once.
  Command(cmd::kListenNew);
  Steps(1);
  EXPECT_FALSE(player.timerRunning);
  EXPECT_EQ(player.barCount, 0);
  Command(cmd::kListenNew);  // back to idle
  out->Clear();

  const std::string path = WriteFile("a.aro",
                                     "song_name Little_Song\r\nauthor_name Me\r\ntemp_index 20\r\nsignature_index 2\r\n"
                                     "patch_list 0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15\r\n"
                                     "velocity_list 100 100 100 90 100 100 100 100 100 100 100 100 100 100 100 100\r\n"
                                     "0 0 5\r\n3 48 12\r\n0 12 7\r\n9 24 39\r\n");
  host.fileAnswers.push_back(path);
  Command(cmd::kListenAgain);
  ASSERT_EQ(host.fileRequests.size(), 1u);
  EXPECT_FALSE(host.fileRequests[0].save);
  EXPECT_EQ(host.fileRequests[0].caption, T(346));
  EXPECT_EQ(host.fileRequests[0].defaultExt, "aro");
  // Sixteen program changes, in channel order.
  std::vector<uint32_t> programs;
  for (uint32_t m : out->Messages()) {
    if (midi::Kind(m) == midi::kProgramChange) programs.push_back(m);
  }
  ASSERT_EQ(programs.size(), 16u);
  for (uint32_t ch = 0; ch < 16; ++ch) EXPECT_EQ(programs[ch], midi::Pack(midi::kProgramChange + ch, ch));
  EXPECT_EQ(tempoIndex, 20);
  EXPECT_EQ(Frame().ControlBar().ListSelection(cmd::kTempoList), 20);
  EXPECT_EQ(player.shownTitle, "Little Song");
  EXPECT_EQ(player.signatureIndex, 2);
  EXPECT_EQ(player.lastTick, 72);  // 49 ticks rounded up to whole bars of 3/4
  EXPECT_EQ(player.barCount, 2);
  out->Clear();

  const uint32_t start = clock.NowMs();
  Command(cmd::kListenNew);
  Steps(100);
  EXPECT_EQ(NotesFrom(start),
            (std::vector<Heard>{{0, 41, 0}, {0, 43, 12}, {9, 37, 24}, {3, 48, 48}}));
  EXPECT_FALSE(player.playing);
  EXPECT_FALSE(player.timerRunning);
  EXPECT_EQ(player.currentTick, 0);

  // A shorter fragment keeps the longer length.
  host.fileAnswers.push_back(WriteFile("b.aro", "signature_index 3 0 5 1"));
  Command(cmd::kListenAgain);
  EXPECT_EQ(player.lastTick, 96);
  EXPECT_EQ(player.shownTitle, "Little Song");  // not in the file: kept
  // A cancelled dialog and a vanished file change nothing.
  Command(cmd::kListenAgain);
  host.fileAnswers.push_back((dir.Path() / "gone.aro").string());
  Command(cmd::kListenAgain);
  EXPECT_EQ(player.events, (std::vector<NoteEvent>{{0, 5, 1}}));
}

// A FIFO, a device or a file over 16 MiB picked in the dialog: a message, nothing read, the
// fragment as it was (a FIFO or /dev/zero would otherwise hang the program).
TEST_F(PlayerTest, WhatIsNoRegularFileOfASaneSizeIsRefused) {
  Open(26);
  Task().events = {{0, 0, 5}};
  const std::string fifo = (dir.Path() / "pipe.aro").string();
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const std::string big = WriteFile("big.aro", "0 0 5\r\n");
  std::filesystem::resize_file(big, (16u << 20) + 1);
  for (const std::string& path : {fifo, std::string("/dev/zero"), big}) {
    host.fileAnswers.push_back(path);
    host.messageBoxAnswers.push_back(IDOK);
    Command(cmd::kListenAgain);
  }
  ASSERT_EQ(host.messageBoxes.size(), 3u);
  EXPECT_EQ(host.messageBoxes[0].text, T(txt::kFileRefused) + "pipe.aro");
  EXPECT_EQ(host.messageBoxes[1].text, T(txt::kFileRefused) + "zero");
  EXPECT_EQ(host.messageBoxes[2].caption, "Error!");
  EXPECT_EQ(Task().events, (std::vector<NoteEvent>{{0, 0, 5}}));
  // Exactly 16 MiB is still read.
  std::filesystem::resize_file(big, 16u << 20);
  host.fileAnswers.push_back(big);
  Command(cmd::kListenAgain);
  EXPECT_EQ(host.messageBoxes.size(), 3u);
  EXPECT_EQ(Task().events, (std::vector<NoteEvent>{{0, 0, 5}}));
}

TEST_F(PlayerTest, DISABLED_WritesPicture) {
  Open(26);
  host.fileAnswers.push_back(WriteFile("a.aro", "song_name Etude_1 author_name J.S._Bach signature_index 3 0 0 5 0 200 7"));
  Command(cmd::kListenAgain);
  View().UpdateWindow();
  EXPECT_TRUE(View().grab().save("/tmp/seq-player.png"));
}

}  // namespace
