// Standard MIDI Files: the bytes the sequencer exports, and a file exported and opened again
// in the player plays the same notes at the same times.
#include <cstdlib>
#include <random>

#include "sequencer/CSeqPlayer.h"
#include "sequencer/CSequencerRealTime.h"
#include "sequencer/MidiFile.h"
#include "sequencer/SeqTestSupport.h"
#include "text/LanguageTable.h"
#include "text/TextIds.h"

namespace {

using namespace seq_test;

class MidiFileTest : public SeqApp {};

uint32_t Be32(const std::string& s, size_t at) {
  uint32_t v = 0;
  for (size_t i = 0; i < 4; ++i) v = (v << 8) | static_cast<uint8_t>(s[at + i]);
  return v;
}

TEST_F(MidiFileTest, ExportedFromTheSequencerOpensInThePlayerWithTheSameNotesAtTheSameTimes) {
  Open(25);
  auto& sequencer = dynamic_cast<CSequencerRealTime37&>(Task());
  sequencer.events = {{0, 0, 24}, {0, 12, 28}, {3, 6, 10}, {0, 36, 31}, {3, 30, 12}};
  sequencer.lastTick = 48;
  sequencer.signatureIndex = 2;  // 3/4
  tempoIndex = 26;  // "120": 42 ms ticks make a quarter note of 504 ms
  channelProgram[3] = 40;
  channelVelocity[3] = 90;
  const std::string path = (dir.Path() / "out.mid").string();
  host.fileAnswers.push_back(path);
  Command(cmd::kTaskButton1 + 3);
  ASSERT_EQ(host.fileRequests.size(), 1u);
  EXPECT_EQ(host.fileRequests[0].caption, T(txt::kMidiExportCaption));
  EXPECT_EQ(host.fileRequests[0].defaultExt, "mid");

  const std::string bytes = ReadFile(path);
  ASSERT_GE(bytes.size(), 14u);
  EXPECT_EQ(bytes.substr(0, 8), std::string("MThd\0\0\0\6", 8));
  EXPECT_EQ(Be32(bytes, 8) >> 16, 1u) << "format 1";
  EXPECT_EQ(Be32(bytes, 8) & 0xFFFF, 3u) << "tempo track and one track per channel";
  EXPECT_EQ(Be32(bytes, 10) & 0xFFFF, 480u) << "pulses per quarter note";

  const std::optional<smf::Song> song = smf::Read(std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
  ASSERT_TRUE(song);
  EXPECT_EQ(song->microsPerQuarter, 504000) << "the tempo the sequencer plays, so other programs keep its times";
  EXPECT_EQ(song->signature, (std::pair<int32_t, int32_t>{3, 4}));
  EXPECT_EQ(song->programs[3], 40);
  ASSERT_EQ(song->tracks.size(), 2u);
  // Each note lasts to the next of its channel, the last to the end of the fragment.
  EXPECT_EQ(song->tracks[0], (std::vector<smf::Note>{{0, 60, 127, 0, 12}, {0, 64, 127, 12, 24}, {0, 67, 127, 36, 12}}));
  EXPECT_EQ(song->tracks[1], (std::vector<smf::Note>{{3, 46, 90, 6, 24}, {3, 48, 90, 30, 18}}));

  // Opened in the player: the same events, played at their ticks.
  out.reset();
  Open(26);
  channelProgram[3] = 0;
  host.fileAnswers.push_back(path);
  Command(cmd::kListenAgain);
  EXPECT_EQ(host.fileRequests.back().filter, T(txt::kMidiOpenFilter));
  EXPECT_EQ(channelProgram[3], 40);
  EXPECT_EQ(Task().signatureIndex, 2);
  EXPECT_EQ(tempoIndex, 26);
  EXPECT_EQ(Task().events.size(), 5u);
  out->Clear();
  const uint32_t start = clock.NowMs();
  Command(cmd::kListenNew);
  Steps(48);
  EXPECT_EQ(NotesFrom(start), (std::vector<Heard>{{0, 60, 0}, {3, 46, 6}, {0, 64, 12}, {3, 48, 30}, {0, 67, 36}}));
}

TEST_F(MidiFileTest, AFileThatIsNoMidiFileGetsAMessageAndChangesNothing) {
  Open(26);
  Task().events = {{0, 0, 5}};
  static constexpr char kNoMidiFile[] = "MThd\0\0\0\6\0\1\0\2\0\x60MTrk\xFF\xFF";
  host.fileAnswers.push_back(WriteFile("bad.mid", std::string(kNoMidiFile, sizeof kNoMidiFile - 1)));
  host.messageBoxAnswers.push_back(IDOK);
  Command(cmd::kListenAgain);
  ASSERT_EQ(host.messageBoxes.size(), 1u);
  EXPECT_EQ(host.messageBoxes[0].text, T(txt::kMidiUnreadable) + "bad.mid");
  EXPECT_EQ(Task().events.size(), 1u);
}

// Random events in a track, with and without a well-formed frame around them.
TEST(MidiFileRead, RandomBytesNeverCrash) {
  std::mt19937 random(13);
  const std::string header("MThd\0\0\0\6\0\1\0\2\1\xE0MTrk", 18);
  for (int round = 0; round < 2000; ++round) {
    std::vector<uint8_t> body;
    const size_t extra = random() % 64;
    for (size_t i = 0; i < extra; ++i) body.push_back(static_cast<uint8_t>(random()));
    if (round % 2 == 0) body.insert(body.end(), {0, 0xFF, 0x2F, 0});
    const size_t length = round % 3 == 0 ? random() % 100 : body.size();
    std::vector<uint8_t> bytes(header.begin(), header.end());
    for (int shift : {24, 16, 8, 0}) bytes.push_back(static_cast<uint8_t>(length >> shift));
    bytes.insert(bytes.end(), body.begin(), body.end());
    const std::optional<smf::Song> song = smf::Read(bytes);
    if (song) {
      for (const auto& track : song->tracks) EXPECT_FALSE(track.empty());
    }
  }
}

}  // namespace
