// The teacher-melody tasks: melodies of the shipped library and of the user's own folder,
// played in their own rhythm and answered with the rules of the melody repetition tasks.
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "formats/MidiFile.h"
#include "log/LogLines.h"
#include "platform/Dialog.h"
#include "platform/FileUrl.h"
#include "platform/UiHost.h"
#include "tasks/melody/CSequencedTest13.h"
#include "tasks/melody/MelodyTestSupport.h"
#include "text/StrFormat.h"
#include "text/TextIds.h"

namespace {

using namespace melody_test;

class TeacherMelodyTest : public MelodyApp {
 protected:
  void SetUp() override {
    MelodyApp::SetUp();
    const char* old = std::getenv("XDG_DATA_HOME");
    oldDataHome = old ? old : "";
    hadDataHome = old != nullptr;
    setenv("XDG_DATA_HOME", (dir.Path() / "data").c_str(), 1);
  }
  void TearDown() override {
    if (hadDataHome) {
      setenv("XDG_DATA_HOME", oldDataHome.c_str(), 1);
    } else {
      unsetenv("XDG_DATA_HOME");
    }
    MelodyApp::TearDown();
  }

  template <class Task>
  Task& Teacher() {
    return dynamic_cast<Task&>(View().Task());
  }
  // A new task: the melody heard, on the first channel.
  std::vector<Sounded> ListenNew() {
    out->Clear();
    Command(cmd::kListenNew);
    std::vector<Sounded> sounds;
    for (const Sounded& s : Heard()) {
      if (s.channel == 0) sounds.push_back(s);
    }
    return sounds;
  }
  void WriteMine(const std::string& name, const std::string& bytes) {
    std::filesystem::create_directories(teacher::MyMelodiesFolder());
    std::ofstream(teacher::MyMelodiesFolder() / name, std::ios::binary) << bytes;
  }

  std::string oldDataHome;
  bool hadDataHome = false;
};

// A type 0 MIDI file written byte by byte: 96 pulses to the quarter note; a chord C4+E4 for
// a quarter note, a rest of an eighth, G4 for an eighth, running status for the note-offs.
const std::string kTinyMidiFile = std::string("MThd\0\0\0\6\0\0\0\1\0\x60", 14) +
                                  std::string("MTrk\0\0\0\x22", 8) +
                                  std::string("\0\xFF\x03\4Tiny"
                                              "\0\x90\x3C\x50\0\x40\x50"
                                              "\x60\x80\x3C\0\0\x40\0"
                                              "\x30\x90\x43\x50"
                                              "\x30\x80\x43\0"
                                              "\0\xFF\x2F\0",
                                              34);

TEST_F(TeacherMelodyTest, PlaysALibraryMelodyInItsRhythmAndCountsItSolved) {
  tempoIndex = 21;
  Open(10);
  auto& task = Teacher<CSequencedTest13>();
  EXPECT_EQ(Hint(), T(123));
  EXPECT_FALSE(Bar().IsControlEnabled(cmd::kKeyList));
  EXPECT_FALSE(Bar().IsControlEnabled(cmd::kMaxDistanceList));
  ASSERT_GE(task.Melodies().size(), 20u);

  const std::vector<Sounded> heard = ListenNew();
  const teacher::Melody& melody = task.Melodies()[task.Current()];
  ASSERT_EQ(heard.size(), melody.tones.size());
  for (size_t i = 0; i < heard.size(); ++i) {
    EXPECT_EQ(heard[i].note, melody.tones[i].note) << i;
    EXPECT_EQ(heard[i].start - heard[0].start, melody.tones[i].tick * Beat() / 12) << i;
  }
  EXPECT_EQ(Hint(), T(138));
  EXPECT_FALSE(Bar().IsControlEnabled(cmd::kKeyList));

  // A wrong first key, then the whole melody: solved at the second attempt.
  const int wrong = (KeyOf(melody.tones[0].note) + 1) % 13;
  Click(wrong);
  EXPECT_EQ(Hint(), T(139));
  for (const teacher::Tone& tone : melody.tones) Click(KeyOf(tone.note));
  EXPECT_EQ(task.solvedSecond, 1);
  EXPECT_EQ(Hint(), T(154));
  EXPECT_FALSE(Bar().IsControlEnabled(cmd::kKeyList)) << "key and mode belong to the melody";
  const std::vector<DrawnText> texts = PaintedTexts(task, kWidth, kHeight);
  EXPECT_NE(FindText(texts, T(txt::kTeacherMelodyName) + melody.title), nullptr);

  const size_t from = resultsLog.size();
  Open(1);
  const std::vector<std::string> log = LogFrom(from);
  ASSERT_GE(log.size(), 3u);
  EXPECT_EQ(log[1], StrFormat("%s = 1 / 1", T(428).c_str()));
  EXPECT_EQ(log[2], StrFormat("%s = 0 / 1 / 0", T(431).c_str()));
}

// Every shipped melody: its level's rules, then played through its task (on the one-octave
// piano for levels 1 and 2, on the three-octave piano for the wide tunes), each once before
// any comes again, and solved by clicking its keys.
TEST_F(TeacherMelodyTest, EveryShippedMelodyFitsItsLevelAndIsSolvedOnItsPiano) {
  struct LevelCheck {
    int type;
    const char* folder;
    int lowest;
  };
  size_t total = 0;
  for (const LevelCheck& level : {LevelCheck{10, "level1", 60}, {31, "level2", 60}, {30, "level37", 36}}) {
    const teacher::Collection shipped = teacher::ReadFolder(teacher::LevelFolder(level.folder));
    EXPECT_TRUE(shipped.unreadable.empty()) << level.folder;
    for (const teacher::Melody& m : shipped.melodies) {
      EXPECT_FALSE(m.title.empty());
      EXPECT_GE(m.tones.size(), 4u) << m.title;
      EXPECT_LE(m.tones.size(), 16u) << m.title;
      const bool fitsOneOctave = teacher::OctaveShiftInto(m, 60, 72).has_value();
      EXPECT_TRUE(teacher::OctaveShiftInto(m, level.lowest, 72).has_value()) << m.title;
      // The wide tunes need the three octaves; level 1 moves by steps of at most a tone.
      EXPECT_EQ(fitsOneOctave, level.lowest == 60) << m.title;
      for (size_t i = 1; i < m.tones.size() && level.type == 10; ++i) {
        EXPECT_LE(std::abs(m.tones[i].note - m.tones[i - 1].note), 2) << m.title << " tone " << i;
      }
    }
    total += shipped.melodies.size();

    Open(level.type);
    auto& task = dynamic_cast<CPianoBase&>(View().Task());
    ASSERT_EQ(task.LowestNote(), level.lowest);
    // A melody is told by its keys and their times.
    std::set<std::vector<int>> given;
    for (size_t n = 0; n < shipped.melodies.size(); ++n) {
      const std::vector<Sounded> heard = ListenNew();
      std::vector<int> keys;
      std::vector<int> played;
      for (const Sounded& s : heard) {
        keys.push_back(KeyOf(s.note));
        played.push_back(KeyOf(s.note));
        played.push_back(static_cast<int>(s.start - heard[0].start));
      }
      given.insert(played);
      for (int key : keys) Click(key);
      EXPECT_TRUE(task.newTaskEnabled) << level.folder << " task " << n;
    }
    EXPECT_EQ(task.solvedFirst, static_cast<int>(shipped.melodies.size())) << level.folder;
    EXPECT_EQ(given.size(), shipped.melodies.size()) << level.folder << ": a melody came twice";
  }
  EXPECT_GE(total, 60u);
}

// A type 1 file as another program writes it (fixtures/write_midi.py, Python's standard
// library): a tempo track first, the melody in the second track with a program change, a
// chord at the start and a rest after the long G4.
TEST(TeacherMelodyFile, AType1FileOfAnotherProgramGivesItsTopLineWithItsRest) {
  std::ifstream in(std::string(AURELO_SOURCE_DIR) + "/tests/tasks/melody/fixtures/python_song.mid", std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const std::optional<teacher::Melody> song =
      teacher::ReadMelody(std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()), "fallback");
  ASSERT_TRUE(song);
  EXPECT_EQ(song->title, "Python Song");
  EXPECT_EQ(song->tones, (std::vector<teacher::Tone>{{64, 0, 12},
                                                     {62, 12, 12},
                                                     {64, 24, 12},
                                                     {60, 36, 12},
                                                     {67, 48, 24},
                                                     {65, 84, 6},
                                                     {64, 90, 6},
                                                     {62, 96, 12},
                                                     {60, 108, 24}}));
}

std::optional<teacher::Melody> ReadMelodyText(const std::string& bytes) {
  return teacher::ReadMelody(std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()), "fallback");
}

// A fragment of tones on channel 0, one beat apart, and one more tone at lastTick.
std::string FragmentOfTones(int count, int lastTick) {
  std::string text;
  for (int i = 0; i < count; ++i) text += "0 " + std::to_string(i * 12) + " " + std::to_string(i % 12) + "\r\n";
  return text + "0 " + std::to_string(lastTick) + " 0\r\n";
}

// Two minutes at the slowest tempo (125 ms ticks) are 960 ticks; the last tone lasts a beat.
TEST(TeacherMelodyFile, MoreThan32TonesOrMoreThanTwoMinutesAtTheSlowestTempoAreRefused) {
  EXPECT_EQ(ReadMelodyText(FragmentOfTones(31, 31 * 12))->tones.size(), 32u);
  EXPECT_FALSE(ReadMelodyText(FragmentOfTones(32, 32 * 12)));
  EXPECT_EQ(ReadMelodyText(FragmentOfTones(1, 948))->tones.back().tick, 948);
  EXPECT_FALSE(ReadMelodyText(FragmentOfTones(1, 949)));
  // Hours apart, in a fragment and in a MIDI file (96 pulses a quarter note, the second tone
  // 2^21 pulses on).
  EXPECT_FALSE(ReadMelodyText(FragmentOfTones(1, 900000)));
  const std::string gap = std::string("MThd\0\0\0\6\0\0\0\1\0\x60MTrk\0\0\0\x14", 22) +
                          std::string("\0\x90\x3C\x50\x60\x3C\0\x81\x80\x80\0\x3E\x50\x60\x3E\0\0\xFF\x2F\0", 20);
  EXPECT_TRUE(smf::Read(std::span(reinterpret_cast<const uint8_t*>(gap.data()), gap.size())));
  EXPECT_FALSE(ReadMelodyText(gap));
}

TEST_F(TeacherMelodyTest, MyMelodiesReadFragmentAndMidiFilesAndNameAnUnreadableOneOnce) {
  Open(1);
  WriteMine("a_song.aro",
            "song_name Little_Song\r\nsignature_index 3\r\n"
            "0 0 4\r\n0 12 2\r\n0 24 4\r\n0 24 7\r\n9 30 2\r\n0 36 0\r\n");
  WriteMine("b_tiny.mid", kTinyMidiFile);
  WriteMine("c_broken.mid", "MThd\0\0\0\6 not a real file at all");
  WriteMine("d_too_long.aro", FragmentOfTones(40, 480));
  Open(32);
  EXPECT_TRUE(host.messageBoxes.empty());
  auto& task = Teacher<CMyMelodiesTest13>();
  ASSERT_EQ(task.Melodies().size(), 2u);
  EXPECT_EQ(Frame().MessagePaneText().toStdString(),
            T(txt::kTeacherUnreadable) + "c_broken.mid, d_too_long.aro");
  // The fragment: notes 40, 38, the top of the chord 40/43, and 36, moved two octaves up;
  // the percussion channel aside.
  const teacher::Melody& song = task.Melodies()[0];
  EXPECT_EQ(song.title, "Little Song");
  EXPECT_EQ(song.tones, (std::vector<teacher::Tone>{{64, 0, 12}, {62, 12, 12}, {67, 24, 12}, {60, 36, 12}}));
  // The MIDI file: the chord's top note for a quarter, the rest kept, G4 for an eighth.
  const teacher::Melody& tiny = task.Melodies()[1];
  EXPECT_EQ(tiny.title, "Tiny");
  EXPECT_EQ(tiny.tones, (std::vector<teacher::Tone>{{64, 0, 12}, {67, 18, 6}}));

  // Played: the rest ends the first tone at its length.
  Command(cmd::kListenNew);
  while (task.Melodies()[task.Current()].title != "Tiny") {
    for (const teacher::Tone& t : task.Melodies()[task.Current()].tones) Click(KeyOf(t.note));
    Command(cmd::kListenNew);
  }
  out->Clear();
  Command(cmd::kListenAgain);
  const std::vector<Sounded> heard = Heard();
  ASSERT_EQ(heard.size(), 2u);
  EXPECT_EQ(heard[0].note, 64);
  ASSERT_TRUE(heard[0].end.has_value());
  EXPECT_EQ(*heard[0].end - heard[0].start, Beat());
  EXPECT_EQ(heard[1].start - heard[0].start, Beat() * 18 / 12);

  // The unreadable file was named once in this run.
  View().ShowStatus("");
  Open(33);
  EXPECT_EQ(Frame().MessagePaneText().toStdString().find("c_broken.mid"), std::string::npos);
}

TEST_F(TeacherMelodyTest, MyMelodiesWithoutMelodiesSayWhereTheyGoAndOpenTheFolderOnYes) {
  const std::filesystem::path folder = teacher::MyMelodiesFolder();
  host.messageBoxAnswers = {IDNO, IDYES};
  Open(33);
  const std::string where = T(txt::kMyMelodiesWhere) + "\n" + folder.string();
  ASSERT_EQ(host.messageBoxes.size(), 1u);
  EXPECT_EQ(host.messageBoxes[0].text, where + "\n\n" + T(txt::kMyMelodiesOpenQuestion));
  EXPECT_EQ(host.messageBoxes[0].style, MB_YESNO | MB_ICONQUESTION);
  EXPECT_TRUE(host.openedUrls.empty());
  EXPECT_FALSE(std::filesystem::exists(folder)) << "No makes nothing";

  // Asked again at "Listen to a new task": Yes makes the folder and hands it to the desktop.
  Command(cmd::kListenNew);
  ASSERT_EQ(host.messageBoxes.size(), 2u);
  EXPECT_TRUE(std::filesystem::is_directory(folder));
  EXPECT_EQ(host.openedUrls, std::vector<std::string>{"file://" + folder.string()});
  // Without a file manager the folder is named once more, to be copied.
  host.urlsOpen = false;
  Command(cmd::kListenNew);
  ASSERT_EQ(host.messageBoxes.size(), 4u);
  EXPECT_EQ(host.messageBoxes[3].text, where);
  EXPECT_EQ(FileUrl("/a b/#1?"), "file:///a%20b/%231%3F");
}

}  // namespace
