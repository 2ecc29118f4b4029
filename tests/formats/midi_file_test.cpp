// Standard MIDI Files: the bytes the sequencer exports, a file exported and opened again
// in the player plays the same notes at the same times, and malformed or unusual files.
#include <cstdlib>
#include <random>

#include "formats/MidiFile.h"
#include "formats/MidiFileSongs.h"
#include "sequencer/CSeqPlayer.h"
#include "sequencer/CSequencerRealTime.h"
#include "sequencer/SeqTestSupport.h"
#include "text/LanguageTable.h"
#include "text/TextIds.h"

namespace {

using namespace seq_test;
using Bytes = std::vector<uint8_t>;

class MidiFileTest : public SeqApp {};

Bytes Chunk(const char* type, const Bytes& body) {
  Bytes bytes(type, type + 4);
  for (int shift : {24, 16, 8, 0}) bytes.push_back(static_cast<uint8_t>(body.size() >> shift));
  bytes.insert(bytes.end(), body.begin(), body.end());
  return bytes;
}

// A file of the format and pulses per quarter note with these chunks after the header.
Bytes File(uint16_t division, const std::vector<Bytes>& chunks, uint16_t format = 1) {
  Bytes bytes = Chunk("MThd", {static_cast<uint8_t>(format >> 8), static_cast<uint8_t>(format), 0,
                               static_cast<uint8_t>(chunks.size()), static_cast<uint8_t>(division >> 8),
                               static_cast<uint8_t>(division)});
  for (const Bytes& c : chunks) bytes.insert(bytes.end(), c.begin(), c.end());
  return bytes;
}

// A track of these events, ended by the end-of-track event.
Bytes Track(Bytes events) {
  events.insert(events.end(), {0, 0xFF, 0x2F, 0});
  return Chunk("MTrk", events);
}

// A meta event at delta 0: type, a length of two bytes (a variable-length quantity) and data.
Bytes LongText(size_t size) {
  Bytes event{0, 0xFF, 0x01, static_cast<uint8_t>(0x80 | (size >> 7)), static_cast<uint8_t>(size & 0x7F)};
  event.insert(event.end(), size, 'x');
  return event;
}

Bytes Joined(std::initializer_list<Bytes> parts) {
  Bytes bytes;
  for (const Bytes& p : parts) bytes.insert(bytes.end(), p.begin(), p.end());
  return bytes;
}

// The bytes of a four-byte delta time 0x0FFFFFFF, the longest there is, before a meta text
// event of no data: nine of them pass 2^31 pulses.
Bytes LongestPauses(int count) {
  Bytes bytes;
  for (int i = 0; i < count; ++i) bytes.insert(bytes.end(), {0xFF, 0xFF, 0xFF, 0x7F, 0xFF, 0x01, 0});
  return bytes;
}

const Bytes kOneNote{0, 0x90, 60, 100, 12, 0x80, 60, 0};

TEST(MidiFileWrite, SongsGiveTheBytesTheExportsHaveAlwaysHadAndReadBacwhole) {
  for (const auto& [name, song] : midi_file_songs::Songs()) {
    std::ifstream in(std::string(AURELO_SOURCE_DIR) + "/tests/formats/fixtures/" + name + ".mid", std::ios::binary);
    const Bytes fixture((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_FALSE(fixture.empty()) << name;
    const std::optional<Bytes> written = smf::Write(song);
    ASSERT_TRUE(written) << name;
    EXPECT_EQ(*written, fixture) << name;
    const std::optional<smf::Song> back = smf::Read(fixture);
    ASSERT_TRUE(back) << name;
    EXPECT_EQ(back->title, song.title) << name;
    EXPECT_EQ(back->tracks, song.tracks) << name;
    EXPECT_EQ(back->programs, song.programs) << name;
    EXPECT_EQ(back->microsPerQuarter, song.microsPerQuarter.value_or(500000)) << name;
    EXPECT_EQ(back->signature, song.signature.value_or(std::pair<int32_t, int32_t>{4, 4})) << name;
  }
}

TEST(MidiFileWrite, ATitleOf200RussianLettersIsWrittenWholeAndReadBack) {
  smf::Song song;
  for (int i = 0; i < 200; ++i) song.title += "Я";
  song.tracks = {{{0, 60, 100, 0, 12}}};
  const std::optional<Bytes> bytes = smf::Write(song);
  ASSERT_TRUE(bytes);
  // The track name's length, 400 bytes, as two bytes of a variable-length quantity.
  EXPECT_EQ(Bytes(bytes->begin() + 22, bytes->begin() + 27), (Bytes{0, 0xFF, 0x03, 0x83, 0x10}));
  const std::optional<smf::Song> back = smf::Read(*bytes);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->title, song.title);
  EXPECT_EQ(back->tracks, song.tracks);
}

TEST(MidiFileRead, MalformedFilesAreRefused) {
  const Bytes whole = File(96, {Chunk("MTrk", kOneNote)});
  const std::vector<std::pair<const char*, Bytes>> files = {
      {"running status after a system-exclusive event",
       File(96, {Track({0, 0x90, 60, 100, 0, 0xF0, 1, 0xF7, 0, 62, 100})})},
      {"running status after a meta event", File(96, {Track({0, 0x90, 60, 100, 0, 0xFF, 0x01, 0, 0, 62, 100})})},
      {"a data byte before any status", File(96, {Track({0, 60, 100})})},
      {"a delta time of five bytes", File(96, {Track({0x81, 0x80, 0x80, 0x80, 0x00, 0x90, 60, 100})})},
      {"a meta event longer than its track", File(96, {Chunk("MTrk", {0, 0xFF, 0x01, 0x81, 0x48, 'x'})})},
      {"a chunk longer than the file", Bytes(whole.begin(), whole.end() - 1)},
      {"a note cut short at the track's end", File(96, {Chunk("MTrk", {0, 0x90, 60})})},
      {"a status byte for data", File(96, {Track({0, 0x90, 60, 0x80})})},
      {"a system common message", File(96, {Track({0, 0xF2, 0, 0})})},
      {"SMPTE time", File(0xE728, {Track(kOneNote)})},
      {"no pulses per quarter note", File(0, {Track(kOneNote)})},
      {"format 2", File(96, {Track(kOneNote)}, 2)},
      {"no track", File(96, {Chunk("XFIL", kOneNote)})},
      {"a note past the last tick at 1 pulse a quarter note",
       File(1, {Track({0xFF, 0xFF, 0xFF, 0x7F, 0x90, 60, 100, 1, 0x80, 60, 0})})},
      {"deltas past 2^31 pulses under a held note",
       File(96, {Track(Joined({{0, 0x90, 60, 100}, LongestPauses(9)}))})},
  };
  for (const auto& [what, bytes] : files) EXPECT_FALSE(smf::Read(bytes)) << what;
  // The chunk longer than the file is refused for its length, not its content.
  EXPECT_TRUE(smf::Read(whole));
}

TEST(MidiFileRead, UnusualButLegalFilesGiveTheirNotes) {
  struct Case {
    const char* what;
    Bytes bytes;
    std::vector<smf::Note> notes;
  };
  const std::vector<Case> cases = {
      {"running status through note-ons of velocity 0",
       File(96, {Track({0, 0x90, 60, 100, 0, 64, 90, 48, 60, 0, 24, 64, 0})}, 0),
       {{0, 60, 100, 0, 6}, {0, 64, 90, 0, 9}}},
      {"a status given again after a system-exclusive event",
       File(96, {Track({0, 0x91, 60, 100, 0, 0xF0, 2, 0x7E, 0xF7, 0, 0xF7, 1, 0xF7, 96, 0x91, 60, 0})}),
       {{1, 60, 100, 0, 12}}},
      {"a meta text of 200 bytes", File(96, {Track(Joined({LongText(200), kOneNote}))}), {{0, 60, 100, 0, 2}}},
      {"deltas past 2^31 pulses after the notes", File(96, {Track(Joined({kOneNote, LongestPauses(9)}))}),
       {{0, 60, 100, 0, 2}}},
      {"1 pulse a quarter note", File(1, {Track({1, 0x90, 60, 100, 2, 0x80, 60, 0})}), {{0, 60, 100, 12, 24}}},
      {"an unknown chunk, a track without its end and bytes after it",
       Joined({File(96, {Chunk("XFIL", {1, 2, 3}), Chunk("MTrk", kOneNote)}), {0, 0, 0}}),
       {{0, 60, 100, 0, 2}}},
  };
  for (const Case& c : cases) {
    const std::optional<smf::Song> song = smf::Read(c.bytes);
    ASSERT_TRUE(song) << c.what;
    ASSERT_EQ(song->tracks.size(), 1u) << c.what;
    EXPECT_EQ(song->tracks[0], c.notes) << c.what;
  }
}

TEST(MidiFileRead, TempoEventsOfNoOrTooFewBytesAreLeftAndTheFirstWholeOneCounts) {
  const std::optional<smf::Song> song = smf::Read(
      File(96, {Track({0, 0xFF, 0x51, 0, 0, 0xFF, 0x51, 2, 0x07, 0xA1, 0, 0xFF, 0x51, 3, 0x07, 0xB0, 0xC0, 96, 0xFF,
                       0x51, 3, 0x0F, 0x42, 0x40}),
                 Track(kOneNote)}));
  ASSERT_TRUE(song);
  EXPECT_EQ(song->microsPerQuarter, 504000);
  EXPECT_EQ(song->tracks, (std::vector<std::vector<smf::Note>>{{{0, 60, 100, 0, 2}}}));
  const std::optional<smf::Song> none = smf::Read(File(96, {Track(Joined({{0, 0xFF, 0x51, 0}, kOneNote}))}));
  ASSERT_TRUE(none);
  EXPECT_EQ(none->microsPerQuarter, std::nullopt);
}

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
  EXPECT_EQ(statuses.back(), T(txt::kMidiTempoFromFile) + "120");
  EXPECT_EQ(Task().events.size(), 5u);
  out->Clear();
  const uint32_t start = clock.NowMs();
  Command(cmd::kListenNew);
  Steps(48);
  EXPECT_EQ(NotesFrom(start), (std::vector<Heard>{{0, 60, 0}, {3, 46, 6}, {0, 64, 12}, {3, 48, 30}, {0, 67, 36}}));
}

// Broken MIDI files, and one named as a MIDI file that holds a fragment's text.
TEST_F(MidiFileTest, AFileThatIsNoMidiFileGetsAMessageAndChangesNothing) {
  Open(26);
  auto& player = dynamic_cast<CSeqPlayer&>(Task());
  host.fileAnswers.push_back(WriteFile("old.aro", "song_name Old_Song 0 0 5"));
  Command(cmd::kListenAgain);
  ASSERT_EQ(player.shownTitle, "Old Song");
  static constexpr char kNoMidiFile[] = "MThd\0\0\0\6\0\1\0\2\0\x60MTrk\xFF\xFF";
  const Bytes runningAfterSysEx = File(96, {Track({0, 0x90, 60, 100, 0, 0xF0, 1, 0xF7, 0, 62, 100})});
  host.fileAnswers.push_back(WriteFile("bad.mid", std::string(kNoMidiFile, sizeof kNoMidiFile - 1)));
  host.fileAnswers.push_back(WriteFile("sysex.mid", std::string(runningAfterSysEx.begin(), runningAfterSysEx.end())));
  host.fileAnswers.push_back(WriteFile("text.MIDI", "song_name New_Song 0 0 7 0 12 9"));
  for (const char* name : {"bad.mid", "sysex.mid", "text.MIDI"}) {
    host.messageBoxAnswers.push_back(IDOK);
    Command(cmd::kListenAgain);
    ASSERT_FALSE(host.messageBoxes.empty());
    EXPECT_EQ(host.messageBoxes.back().caption, T(txt::kMidiCaption));
    EXPECT_EQ(host.messageBoxes.back().text, T(txt::kMidiUnreadable) + name);
    EXPECT_EQ(Task().events, (std::vector<NoteEvent>{{0, 0, 5}})) << name;
    EXPECT_EQ(player.shownTitle, "Old Song") << name;
  }
  EXPECT_EQ(host.messageBoxes.size(), 3u);
}

// A note a million quarter notes on is within what the reader takes, but past the last tick a
// fragment has: the player gets the notes before it and a length within its own range.
TEST_F(MidiFileTest, ANoteAfterAHugeGapStaysOutOfThePlayer) {
  Open(26);
  const Bytes gap = File(12, {Track({0, 0x90, 60, 100, 12, 0x80, 60, 0, 0xBD, 0x84, 0x40, 0x90, 62, 100, 12, 0x80, 62, 0})});
  ASSERT_TRUE(smf::Read(gap));
  EXPECT_EQ(smf::Read(gap)->tracks[0].back().tick, 1000000 + 12);
  host.fileAnswers.push_back(WriteFile("gap.mid", std::string(gap.begin(), gap.end())));
  Command(cmd::kListenAgain);
  EXPECT_TRUE(host.messageBoxes.empty());
  ASSERT_EQ(Task().events.size(), 1u);
  EXPECT_EQ(Task().events[0].tick, 0);
  EXPECT_LE(Task().lastTick, fragment::kLastTick + 1);
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
