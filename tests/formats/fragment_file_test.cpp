#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "formats/FragmentFile.h"

namespace {

using fragment::Content;

std::vector<uint8_t> Bytes(std::string_view s) { return {s.begin(), s.end()}; }
std::string Text(const std::vector<uint8_t>& b) { return {b.begin(), b.end()}; }

// Everything a file delivered, in order, as text.
struct Recorder final : fragment::Sink {
  void Title(const std::string& t) override { got.push_back("title " + t); }
  void Author(const std::string& t) override { got.push_back("author " + t); }
  void Tempo(int32_t i) override { got.push_back("tempo " + std::to_string(i)); }
  void Signature(int32_t i) override { got.push_back("signature " + std::to_string(i)); }
  void Program(int32_t ch, int32_t p) override { programs[static_cast<size_t>(ch)] = p; ++programCount; }
  void Velocity(int32_t ch, int32_t v) override { velocities[static_cast<size_t>(ch)] = v; }
  void Event(const NoteEvent& e) override { events.push_back(e); }
  void KeyboardNotes() override { got.push_back("keyboard notes"); }
  std::vector<std::string> got;
  std::array<int32_t, 16> programs{};
  std::array<int32_t, 16> velocities{};
  int programCount = 0;
  std::vector<NoteEvent> events;
};

Recorder Read(std::string_view text) {
  Recorder r;
  fragment::Parse(Bytes(text), r);
  return r;
}

TEST(FragmentFile, WritesTheRecordsInOrderWithCrLf) {
  Content c;
  c.title = "Etude_1";
  c.signatureIndex = 3;
  c.velocities.fill(127);
  c.events = {{0, 0, 5}, {0, 12, 7}};
  EXPECT_EQ(Text(fragment::Format(c)),
            "song_name Etude_1\r\n"
            "signature_index 3\r\n"
            "patch_list 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0\r\n"
            "velocity_list 127 127 127 127 127 127 127 127 127 127 127 127 127 127 127 127\r\n"
            "0 0 5\r\n"
            "0 12 7\r\n");

  c.title.clear();
  c.author = "J\u00f6rg_\u4e2d";  // one byte for o-umlaut, "?" for what a byte cannot hold
  c.saveTempo = true;
  c.tempoIndex = 38;
  c.events = {{9, -3, 39}};
  const std::string text = Text(fragment::Format(c));
  const std::string head = "author_name J\xf6rg_?\r\ntemp_index 38\r\nsignature_index 3\r\n";
  EXPECT_EQ(text.substr(0, head.size()), head);
  EXPECT_EQ(text.substr(text.size() - 11), "\r\n9 -3 39\r\n");
}

TEST(FragmentFile, ReadsBackWhatWasWritten) {
  Content c;
  c.title = "Caf\u00e9_au_lait";
  c.author = "Anon";
  c.saveTempo = true;
  c.tempoIndex = 17;
  c.signatureIndex = 12;
  for (int i = 0; i < 16; ++i) {
    c.programs[static_cast<size_t>(i)] = i * 8;
    c.velocities[static_cast<size_t>(i)] = 127 - i;
  }
  c.events = {{3, 48, 12}, {0, -2, 0}, {9, 6, 38}, {15, 959903, 36}, {3, 0, 1}};
  const Recorder r = Read(Text(fragment::Format(c)));
  EXPECT_EQ(r.got, (std::vector<std::string>{"title Caf\u00e9_au_lait", "author Anon", "tempo 17", "signature 12"}));
  EXPECT_EQ(r.programs, c.programs);
  EXPECT_EQ(r.programCount, 16);
  EXPECT_EQ(r.velocities, c.velocities);
  EXPECT_EQ(r.events, c.events);
}

TEST(FragmentFile, BrokenFilesKeepWhatCameBeforeTheFault) {
  // Any whitespace separates tokens; keywords in any order.
  Recorder r = Read("\t3   48\n12 velocity_list 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 signature_index 0");
  EXPECT_EQ(r.events, (std::vector<NoteEvent>{{3, 48, 12}}));
  EXPECT_EQ(r.velocities[15], 16);
  EXPECT_EQ(r.got, (std::vector<std::string>{"signature 0"}));
  // A non-number as channel is channel 0; a non-number where a number must stand ends reading.
  EXPECT_EQ(Read("xyz 5 7 2 x 9 1 1 1").events, (std::vector<NoteEvent>{{0, 5, 7}}));
  r = Read("patch_list 5 6 oops 1 2 3");
  EXPECT_EQ(r.programCount, 2);
  EXPECT_TRUE(r.events.empty());
  // Values out of range never arrive as they are.
  r = Read("temp_index 39 signature_index 16 signature_index -1 temp_index 0 "
           "velocity_list 300 -5 1 1 1 1 1 1 1 1 1 1 1 1 1 1 "
           "16 0 0  -1 0 0  0 -4 0  0 959904 0  0 0 92  0 0 -37  2 99999999999 1  3 0 39");
  EXPECT_EQ(r.got, (std::vector<std::string>{"tempo 0"}));
  EXPECT_EQ(r.velocities[0], 127);
  EXPECT_EQ(r.velocities[1], 0);
  EXPECT_TRUE(r.events.empty());  // the overlong tick ends reading before "3 0 39"
  EXPECT_TRUE(Read("").events.empty());
  EXPECT_TRUE(Read("song_name").got.empty());
  EXPECT_TRUE(Read("1 2").events.empty());
}

TEST(FragmentFile, KeyboardFragmentsHoldAnyMidiNoteAndSaySo) {
  Content c;
  c.events = {{0, 0, -36}, {0, 0, 91}, {1, 6, 38}};
  c.keyboardNotes = true;
  const std::string text = Text(fragment::Format(c));
  const std::string tail = "\r\n0 0 -36\r\n0 0 91\r\n1 6 38\r\nkeyboard_notes\r\n";
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
  Recorder r = Read(text);
  EXPECT_EQ(r.events, c.events);
  EXPECT_EQ(r.got, (std::vector<std::string>{"signature 3", "keyboard notes"}));
  // Keys beyond notes 0-127 are still refused, and a non-number still ends reading.
  r = Read("0 0 92  0 0 -37  2 3 -36  keyboard_notes  4 5 x  6 7 8");
  EXPECT_EQ(r.events, (std::vector<NoteEvent>{{2, 3, -36}}));
  EXPECT_EQ(r.got, (std::vector<std::string>{"keyboard notes"}));
}

TEST(FragmentFile, RandomBytesNeverGiveAnEventOutOfRange) {
  const std::vector<std::string> words = {"song_name", "author_name", "temp_index", "signature_index", "patch_list",
                                          "velocity_list", "keyboard_notes", "-", "+", "0", "7", "12", "-3", "-36", "91", "92", "99999999999", "\xff",
                                          "x", " ", "\r\n", "\t", "\0"};
  std::mt19937 random(20261207);
  for (int round = 0; round < 3000; ++round) {
    std::string text;
    const int parts = static_cast<int>(random() % 60);
    for (int i = 0; i < parts; ++i) {
      if (random() % 3 == 0) {
        text.push_back(static_cast<char>(random() % 256));
      } else {
        text += words[random() % words.size()];
        text.push_back(' ');
      }
    }
    const Recorder r = Read(text);
    for (const NoteEvent& e : r.events) {
      ASSERT_GE(e.channel, 0);
      ASSERT_LE(e.channel, 15);
      ASSERT_GE(e.key, fragment::kFirstKey);
      ASSERT_LE(e.key, fragment::kLastKey);
      ASSERT_GE(e.tick, fragment::kFirstTick);
      ASSERT_LE(e.tick, fragment::kLastTick);
    }
    for (int32_t v : r.velocities) ASSERT_TRUE(v >= 0 && v <= 127);
  }
}

}  // namespace
