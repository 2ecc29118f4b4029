#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Utf.h"
#include "text/TextIds.h"
#include "text/LanguageFile.h"
#include "text/TextIds.h"

// Checks of the language files that ship in lang_files/ against the translator's guide.

namespace {

const std::filesystem::path kLangDir = std::filesystem::path(AURELO_SOURCE_DIR) / "lang_files";

struct GuideRow {
  int id = 0;
  std::string kind;
  std::vector<std::string> placeholders;
  std::string role;
};

std::vector<std::string> SplitOn(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::stringstream stream(text);
  for (std::string part; std::getline(stream, part, separator);) parts.push_back(part);
  return parts;
}

std::vector<GuideRow> LoadGuide() {
  std::ifstream file(kLangDir / "guide.tsv");
  std::string line;
  std::getline(file, line);
  EXPECT_EQ(line, "id\tkind\tplaceholders\trole");
  std::vector<GuideRow> rows;
  while (std::getline(file, line)) {
    const std::vector<std::string> cells = SplitOn(line, '\t');
    if (cells.size() != 4) {
      ADD_FAILURE() << "guide row needs 4 cells: " << line;
      continue;
    }
    GuideRow row{std::stoi(cells[0]), cells[1], {}, cells[3]};
    for (const std::string& p : SplitOn(cells[2], ' ')) {
      if (!p.empty()) row.placeholders.push_back(p);
    }
    rows.push_back(row);
  }
  return rows;
}

// The printf conversions in a text ("%s", "%-3d", "%02d", "%.2f", "%ld"); "%%" is none.
std::vector<std::string> Placeholders(const std::string& text) {
  std::vector<std::string> found;
  for (size_t i = text.find('%'); i != std::string::npos; i = text.find('%', i + 1)) {
    size_t j = text.find_first_not_of("-+#0", i + 1);
    j = std::min(text.find_first_not_of("0123456789", j), text.size());
    if (j < text.size() && text[j] == '.') j = std::min(text.find_first_not_of("0123456789", j + 1), text.size());
    while (j < text.size() && (text[j] == 'h' || text[j] == 'l')) ++j;
    if (j < text.size() && std::string_view("diouxXeEfgGcsp").find(text[j]) != std::string_view::npos) {
      found.push_back(text.substr(i, j - i + 1));
    }
  }
  std::sort(found.begin(), found.end());
  return found;
}

// "Description (*.ext)|*.ext|" pairs ended by one more "|".
bool IsFilter(const std::string& text) {
  if (text.size() < 5 || text.compare(text.size() - 2, 2, "||") != 0 || text.find("|||") != std::string::npos) {
    return false;
  }
  const std::vector<std::string> parts = SplitOn(text.substr(0, text.size() - 2), '|');
  return parts.size() % 2 == 0 && std::none_of(parts.begin(), parts.end(), [](const std::string& p) { return p.empty(); });
}

std::vector<std::filesystem::path> ShippedFiles() {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(kLangDir)) {
    if (entry.path().extension() == ".lng") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::vector<uint8_t> FileBytes(const std::filesystem::path& path) {
  const auto bytes = ReadFileBytes(path.string(), 1 << 20);
  EXPECT_TRUE(bytes) << path;
  return bytes.value_or(std::vector<uint8_t>{});
}

// The lines of a UTF-16 LE file with BOM, each of which must end with CR LF.
std::vector<std::string> RawLines(const std::vector<uint8_t>& bytes) {
  EXPECT_GE(bytes.size(), 2u);
  EXPECT_EQ(bytes.size() % 2, 0u);
  if (bytes.size() < 2) return {};
  EXPECT_EQ(bytes[0], 0xFF);
  EXPECT_EQ(bytes[1], 0xFE);
  std::u16string units;
  for (size_t i = 2; i + 1 < bytes.size(); i += 2) units += static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = units.find(u"\r\n", start)) != std::u16string::npos; start = end + 2) {
    const std::u16string line = units.substr(start, end - start);
    EXPECT_EQ(line.find_first_of(u"\r\n"), std::u16string::npos) << "bare CR or LF in line " << lines.size() + 1;
    lines.push_back(Utf16ToUtf8(line));
  }
  EXPECT_EQ(start, units.size()) << "text after the last CR LF";
  return lines;
}

std::set<int> IdsOfKind(const std::vector<GuideRow>& guide, const std::string& kind) {
  std::set<int> ids;
  for (const GuideRow& row : guide) {
    if (row.kind == kind) ids.insert(row.id);
  }
  return ids;
}

std::set<int> Range(std::initializer_list<std::pair<int, int>> ranges) {
  std::set<int> ids;
  for (const auto& [first, last] : ranges) {
    for (int id = first; id <= last; ++id) ids.insert(id);
  }
  return ids;
}

}  // namespace

TEST(LanguageGuide, HasOneRowPerTextIdWithAKnownKind) {
  const std::vector<GuideRow> guide = LoadGuide();
  ASSERT_EQ(guide.size(), static_cast<size_t>(CLanguageTable::kTextCount));
  const std::set<std::string> kinds = {"text", "help", "prefix", "filter", "unused"};
  for (size_t i = 0; i < guide.size(); ++i) {
    EXPECT_EQ(guide[i].id, static_cast<int>(i));
    EXPECT_TRUE(kinds.count(guide[i].kind)) << "id " << i << ": " << guide[i].kind;
    EXPECT_FALSE(guide[i].role.empty()) << "id " << i;
  }
  // "~" is a line break exactly in the bodies of the seven help texts.
  EXPECT_EQ(IdsOfKind(guide, "help"), Range({{380, 385},
                                             {387, 391},
                                             {393, 396},
                                             {398, 401},
                                             {403, 406},
                                             {408, 412},
                                             {txt::kDrillHelpBody, txt::kDrillHelpBodyLast},
                                             {txt::kRhythmHelpFirst, txt::kRhythmHelpLast},
                                             {txt::kVoiceHelpFirst, txt::kVoiceHelpLast}}));
  // Read but never shown.
  EXPECT_EQ(IdsOfKind(guide, "unused"), Range({{13, 15}, {79, 81}, {183, 185}, {361, 372}, {377, 377}}));
  // Log lines that write their value right after the text; the progress messages that end with a
  // path; the teacher-melody and MIDI file messages followed by a name or a number; the
  // keyboard range followed by its notes; the keyboard's status lines followed by port names
  // and its hints followed by notes or a number; the folder that cannot be written; the status
  // lines followed by a saved file's path, the recording channel or a MIDI file's tempo; the
  // rhythm tasks' log line, tolerance, calibration and problems followed by their values.
  EXPECT_EQ(IdsOfKind(guide, "prefix"), Range({{420, 423},
                                               {426, 426},
                                               {436, 436},
                                               {txt::kFileUnwritable, txt::kProgressDamaged},
                                               {txt::kTeacherMelodyName, txt::kTeacherNotFitting},
                                               {txt::kMidiUnreadable, txt::kMidiUnreadable},
                                               {txt::kFileRefused, txt::kNoLinkHandler},
                                               {txt::kKeyboardRangePrefix, txt::kKeyboardRangePrefix},
                                               {txt::kKeyboardConnected, txt::kKeyboardLost},
                                               {txt::kKeyboardPlayBetween, txt::kKeyboardFromC},
                                               {txt::kDataFolderReadOnly, txt::kDataFolderReadOnly},
                                               {txt::kSaved, txt::kSaved},
                                               {txt::kSeqRecording, txt::kSeqRecording},
                                               {txt::kMidiTempoFromFile, txt::kMidiTempoFromFile}, {txt::kAudioLatencyRaised, txt::kAudioLatencyRaised},
                                               {txt::kDrillBrokenFiles, txt::kDrillBrokenFiles},
                                               {txt::kDrillLevel, txt::kDrillNextLevel},
                                               {txt::kRhythmLogLine, txt::kRhythmLogLine},
                                               {txt::kRhythmToleranceButton, txt::kRhythmToleranceButton},
                                               {txt::kRhythmCalibrated, txt::kRhythmCalibrated},
                                               {txt::kRhythmNoLevel, txt::kRhythmMicProblem},
                                               {txt::kRhythmLegendTolerance, txt::kRhythmLegendTolerance},
                                               {txt::kVoiceSung, txt::kVoiceSung},
                                               {txt::kVoiceOutsidePiano, txt::kMicrophoneOn},
                                               {txt::kMicrophoneUnavailable, txt::kMicrophoneUnavailable},
                                               {txt::kVoiceRange, txt::kVoiceRange}}));
  EXPECT_EQ(IdsOfKind(guide, "filter"), Range({{345, 345},
                                               {424, 424},
                                               {txt::kProgressCsvFilter, txt::kProgressCsvFilter},
                                               {txt::kMidiExportFilter, txt::kMidiOpenFilter}}));
}

TEST(ShippedLanguageFiles, EnglishAndCustomArePresentAndCustomIsACopy) {
  ASSERT_TRUE(std::filesystem::exists(kLangDir / "english.lng"));
  ASSERT_TRUE(std::filesystem::exists(kLangDir / "custom.lng"));
  EXPECT_EQ(FileBytes(kLangDir / "custom.lng"), FileBytes(kLangDir / "english.lng"));
}

TEST(ShippedLanguageFiles, EveryFileHas441WellFormedLinesThatFitTheirRoles) {
  const std::vector<GuideRow> guide = LoadGuide();
  ASSERT_EQ(guide.size(), static_cast<size_t>(CLanguageTable::kTextCount));
  for (const std::filesystem::path& path : ShippedFiles()) {
    SCOPED_TRACE(path.filename().string());
    const std::vector<uint8_t> bytes = FileBytes(path);
    const std::vector<std::string> lines = RawLines(bytes);
    ASSERT_EQ(lines.size(), static_cast<size_t>(CLanguageTable::kTextCount));
    // The program reads every line as it is: no line is split, no text shifted.
    const LanguageTexts texts = ParseLanguageFile(bytes);
    const size_t differ = std::mismatch(texts.begin(), texts.end(), lines.begin()).first - texts.begin();
    EXPECT_EQ(differ, texts.size()) << "the program reads line " << differ + 1 << " differently";
    for (size_t id = 0; id < texts.size(); ++id) {
      const GuideRow& row = guide[id];
      const std::string& text = texts[id];
      SCOPED_TRACE("text id " + std::to_string(id) + ": " + text);
      EXPECT_LE(Utf16Length(text), 258u);
      EXPECT_EQ(Placeholders(text), row.placeholders);
      const bool blank = text.find_first_not_of(' ') == std::string::npos;
      EXPECT_TRUE(row.kind == "unused" || !blank) << "empty, but shown";
      EXPECT_TRUE(row.kind == "help" || text.find('~') == std::string::npos) << "'~' outside the help texts";
      EXPECT_TRUE(row.kind != "prefix" || (!text.empty() && text.back() == ' ')) << "a prefix ends with a blank";
      EXPECT_TRUE(row.kind != "filter" || IsFilter(text)) << "filter: Description|*.ext||";
    }
  }
}

TEST(ShippedLanguageFiles, EnglishKeepsTheFixedControlTexts) {
  const LanguageTexts texts = ParseLanguageFile(FileBytes(kLangDir / "english.lng"));
  const std::vector<std::pair<int, std::string>> fixed = {
      {0, "Aurelo"}, {21, "&Tasks"}, {41, "In the range of one oktave (13 keys)"}, {82, "Listen to a new task"},
      {85, "Listen again"}, {94, "Tempo"}, {100, "Ionian (natural major)"}, {105, "Aeolian (natural minor)"},
      {110, "Chromatic"}, {114, "Mute"}, {166, "Midi-channel for recording (ohter channels for playback)"},
      {202, "OK, if error listen again"}};
  for (const auto& [id, text] : fixed) EXPECT_EQ(texts[id], text) << "text id " << id;
}

TEST(ShippedLanguageFiles, TranslationsAreNotCopiesOfEnglish) {
  const LanguageTexts english = ParseLanguageFile(FileBytes(kLangDir / "english.lng"));
  // The program's name and the international word "Tempo" may stay as they are.
  const std::set<int> mayMatch = {0, 94, 162};
  for (const char* name : {"german.lng", "russian.lng", "portuguese.lng"}) {
    if (!std::filesystem::exists(kLangDir / name)) continue;
    SCOPED_TRACE(name);
    const LanguageTexts texts = ParseLanguageFile(FileBytes(kLangDir / name));
    int nonEmpty = 0;
    int same = 0;
    for (int id = 0; id < CLanguageTable::kTextCount; ++id) {
      if (texts[id].empty() || mayMatch.count(id)) continue;
      ++nonEmpty;
      if (texts[id] == english[id]) ++same;
    }
    EXPECT_GT(nonEmpty, 400);
    EXPECT_LT(same * 10, nonEmpty) << same << " of " << nonEmpty << " texts are the English ones";
  }
}
