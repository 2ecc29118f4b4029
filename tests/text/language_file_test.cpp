#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "platform/Utf.h"
#include "support/TempDir.h"
#include "text/LanguageFile.h"
#include "text/LanguageTable.h"

namespace {

std::vector<uint8_t> Utf16Le(std::u16string_view text, bool bom = true) {
  std::vector<uint8_t> bytes;
  if (bom) bytes = {0xFF, 0xFE};
  for (const char16_t unit : text) {
    bytes.push_back(static_cast<uint8_t>(unit & 0xFF));
    bytes.push_back(static_cast<uint8_t>(unit >> 8));
  }
  return bytes;
}

std::vector<uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

// "<prefix>0\r\n<prefix>1\r\n..." for count lines.
std::u16string NumberedLines(int count, std::u16string_view prefix = u"text ") {
  std::u16string out;
  for (int i = 0; i < count; ++i) out += std::u16string(prefix) + Utf8ToUtf16(std::to_string(i)) + u"\r\n";
  return out;
}

std::string Text(int i) { return "text " + std::to_string(i); }

}  // namespace

TEST(LanguageFile, FullFileGivesEveryLineWithoutItsLineEnd) {
  const LanguageTexts texts = ParseLanguageFile(Utf16Le(NumberedLines(441)));
  for (int i = 0; i < 441; ++i) EXPECT_EQ(texts[i], Text(i));
}

TEST(LanguageFile, NonAsciiTextsComeOutAsUtf8) {
  const LanguageTexts texts = ParseLanguageFile(Utf16Le(u"Größe\r\nНота\r\n♪ 😀\r\n\r\n"));
  EXPECT_EQ(texts[0], "Gr\xC3\xB6\xC3\x9F" "e");
  EXPECT_EQ(texts[1], "\xD0\x9D\xD0\xBE\xD1\x82\xD0\xB0");
  EXPECT_EQ(texts[2], "\xE2\x99\xAA \xF0\x9F\x98\x80");
  EXPECT_EQ(texts[3], "");
}

TEST(LanguageFile, EncodingIsChosenByTheByteOrderMark) {
  // UTF-8 after its mark, CR LF included.
  const LanguageTexts utf8 = ParseLanguageFile(Bytes("\xEF\xBB\xBFGr\xC3\xB6\xC3\x9F" "e\r\nzwei\r\n"));
  EXPECT_EQ(utf8[0], "Gr\xC3\xB6\xC3\x9F" "e");
  EXPECT_EQ(utf8[1], "zwei");
  EXPECT_EQ(utf8[440], "zwei");

  // No mark: UTF-16 LE from the first byte.
  const LanguageTexts bare = ParseLanguageFile(Utf16Le(u"eins\r\nzwei\r\n", false));
  EXPECT_EQ(bare[0], "eins");
  EXPECT_EQ(bare[1], "zwei");

  // A UTF-8 file without mark is taken as UTF-16 LE: "ab\r\n" is the units 6261 and 0A0D,
  // one line without line feed, whose last unit is dropped.
  EXPECT_EQ(ParseLanguageFile(Bytes("ab\r\n"))[0], "\xE6\x89\xA1");

  // The big-endian mark is no mark: its bytes read as the unit FFFE at the start of text 0.
  const LanguageTexts big = ParseLanguageFile({0xFE, 0xFF, 'A', 0, '\n', 0});
  EXPECT_EQ(big[0], "\xEF\xBF\xBE" "A");
}

TEST(LanguageFile, OnlyCrLfPairsBecomeLineFeeds) {
  const LanguageTexts texts = ParseLanguageFile(Utf16Le(u"a\rb\r\nc\r\r\nd\ne\r\n"));
  EXPECT_EQ(texts[0], "a\rb");
  EXPECT_EQ(texts[1], "c\r");
  EXPECT_EQ(texts[2], "d");
  EXPECT_EQ(texts[3], "e");
}

TEST(LanguageFile, LongLinesAreSplitAndShiftLaterIds) {
  const std::u16string longLine(300, u'x');
  std::u16string file = u"first\r\n" + longLine + u"\r\n" + NumberedLines(439);
  const LanguageTexts texts = ParseLanguageFile(Utf16Le(file));
  EXPECT_EQ(texts[0], "first");
  EXPECT_EQ(texts[1], std::string(258, 'x'));   // the 259th character is lost
  EXPECT_EQ(texts[2], std::string(41, 'x'));    // the rest runs on into the next text
  EXPECT_EQ(texts[3], Text(0));                 // every later text moved down by one
  EXPECT_EQ(texts[440], Text(437));

  // 258 characters fit; a 259-character line leaves its line feed as an empty text.
  const LanguageTexts edge =
      ParseLanguageFile(Utf16Le(std::u16string(258, u'a') + u"\r\n" + std::u16string(259, u'b') + u"\r\nc\r\n"));
  EXPECT_EQ(edge[0], std::string(258, 'a'));
  EXPECT_EQ(edge[1], std::string(258, 'b'));
  EXPECT_EQ(edge[2], "");
  EXPECT_EQ(edge[3], "c");
}

TEST(LanguageFile, SplitInsideASurrogatePairLeavesAReplacementCharacter) {
  const std::u16string line = std::u16string(257, u'x') + u"😀";  // 259 units
  const LanguageTexts texts = ParseLanguageFile(Utf16Le(line + u"\r\nnext\r\n"));
  EXPECT_EQ(texts[0], std::string(257, 'x') + "\xEF\xBF\xBD");
  EXPECT_EQ(texts[1], "");
  EXPECT_EQ(texts[2], "next");
}

TEST(LanguageFile, LastLineWithoutLineEndLosesItsLastCharacter) {
  const LanguageTexts texts = ParseLanguageFile(Utf16Le(u"one\r\ntwo"));
  EXPECT_EQ(texts[0], "one");
  EXPECT_EQ(texts[1], "tw");
  EXPECT_EQ(texts[440], "tw");
}

TEST(LanguageFile, ShortFileRepeatsItsLastLineForTheRemainingIds) {
  const LanguageTexts texts = ParseLanguageFile(Utf16Le(NumberedLines(10)));
  for (int i = 0; i < 10; ++i) EXPECT_EQ(texts[i], Text(i));
  for (int i = 10; i < 441; ++i) EXPECT_EQ(texts[i], Text(9)) << i;
}

TEST(LanguageFile, FileWithoutAnyLineGivesEmptyTexts) {
  for (const std::vector<uint8_t>& bytes : {std::vector<uint8_t>{}, std::vector<uint8_t>{0xFF, 0xFE},
                                            std::vector<uint8_t>{0xEF, 0xBB, 0xBF}, std::vector<uint8_t>{'A'}}) {
    const LanguageTexts texts = ParseLanguageFile(bytes);
    for (const std::string& text : texts) EXPECT_EQ(text, "");
  }
}

TEST(LanguageFile, LinesAfterThe441stAreIgnored) {
  const LanguageTexts texts = ParseLanguageFile(Utf16Le(NumberedLines(500)));
  EXPECT_EQ(texts[440], Text(440));
}

TEST(LanguageFile, OddByteCountIgnoresTheLastByte) {
  std::vector<uint8_t> bytes = Utf16Le(u"A\r\nBC\r\n");
  bytes.push_back('D');
  const LanguageTexts texts = ParseLanguageFile(bytes);
  EXPECT_EQ(texts[0], "A");
  EXPECT_EQ(texts[1], "BC");
  EXPECT_EQ(texts[2], "BC");
}

TEST(LanguageFile, NulCharactersCountAsReadButAreLeftOut) {
  const LanguageTexts texts = ParseLanguageFile(Utf16Le(std::u16string(u"a\0b\r\n", 5) + std::u16string(257, u'x') +
                                                        std::u16string(u"\0y\r\nz\r\n", 7)));
  EXPECT_EQ(texts[0], "ab");
  EXPECT_EQ(texts[1], std::string(257, 'x'));  // x * 257, NUL and y filled the read; y was dropped
  EXPECT_EQ(texts[2], "");
  EXPECT_EQ(texts[3], "z");
}

TEST(LanguageFile, LongestUsableFileFitsTheReadLimit) {
  // 441 lines of 258 three-byte characters in UTF-8: the most bytes 441 whole lines can take.
  std::string line;
  for (int i = 0; i < 258; ++i) line += "\xE2\x82\xAC";
  std::string file = "\xEF\xBB\xBF";
  for (int i = 0; i < 440; ++i) file += line + "\r\n";
  file += "last\r\n" + std::string(kLanguageFileMaxBytes, 'z');
  const LanguageTexts texts = ParseLanguageFile(Bytes(file));
  EXPECT_EQ(texts[0], line);
  EXPECT_EQ(texts[439], line);
  EXPECT_EQ(texts[440], "last");
}

TEST(LanguageFile, RandomBytesNeverBreakTheReader) {
  // Bytes that matter to the reader are drawn more often than the rest.
  const uint8_t special[] = {0x00, 0x0A, 0x0D, 0xFF, 0xFE, 0xEF, 0xBB, 0xBF, 0xD8, 0xDC, 0x80, 0xC3, 0xF0, '~'};
  std::mt19937 rng(20240611);
  for (int round = 0; round < 1500; ++round) {
    std::vector<uint8_t> bytes(rng() % 4000);
    for (uint8_t& byte : bytes) {
      byte = rng() % 2 ? special[rng() % sizeof special] : static_cast<uint8_t>(rng());
    }
    // A third of the inputs start with each byte order mark.
    const std::vector<uint8_t> mark = round % 3 == 0 ? std::vector<uint8_t>{0xFF, 0xFE}
                                      : round % 3 == 1 ? std::vector<uint8_t>{0xEF, 0xBB, 0xBF}
                                                       : std::vector<uint8_t>{};
    bytes.insert(bytes.begin(), mark.begin(), mark.end());
    const LanguageTexts texts = ParseLanguageFile(bytes);
    for (const std::string& text : texts) {
      ASSERT_LE(Utf16Length(text), 258u) << "round " << round;
      ASSERT_EQ(Utf16ToUtf8(Utf8ToUtf16(text)), text) << "round " << round;  // valid UTF-8
      ASSERT_EQ(text.find('\n'), std::string::npos) << "round " << round;
      ASSERT_EQ(text.find('\0'), std::string::npos) << "round " << round;
    }
  }
}

TEST(ReadFileBytes, ReadsRegularFilesUpToTheLimit) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "aurelo_read_file_bytes_test";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "file.lng").string();
  {
    std::ofstream out(path, std::ios::binary);
    out.write("\xFF\xFE\x00\x01\x02", 5);
  }
  EXPECT_EQ(ReadFileBytes(path), (std::vector<uint8_t>{0xFF, 0xFE, 0x00, 0x01, 0x02}));
  EXPECT_EQ(ReadFileBytes(path, 3), (std::vector<uint8_t>{0xFF, 0xFE, 0x00}));
  EXPECT_FALSE(ReadFileBytes((dir / "missing.lng").string()));
  EXPECT_FALSE(ReadFileBytes(dir.string()));
  std::filesystem::resize_file(path, kLanguageFileMostBytes + 1);  // treated as missing
  EXPECT_FALSE(ReadFileBytes(path));
  std::filesystem::remove_all(dir);
}

TEST(LanguageTable, AFileThatStopsBeforeTheAddedTextsGetsTheirEnglishText) {
  TempWorkDir dir;
  std::filesystem::create_directory("lang_files");
  const auto write = [](const char* name, const std::u16string& text) {
    const std::vector<uint8_t> bytes = Utf16Le(text);
    std::ofstream(std::string("lang_files/") + name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  };
  write("english.lng", NumberedLines(CLanguageTable::kTextCount, u"en "));
  write("german.lng", NumberedLines(txt::kFirstAdded, u"de "));
  CLanguageTable table;
  table.LoadLanguage(1);
  EXPECT_EQ(table.Text(txt::kFirstAdded - 1), "de 440");
  for (int id = txt::kFirstAdded; id < CLanguageTable::kTextCount; ++id) {
    EXPECT_EQ(table.Text(id), "en " + std::to_string(id));
  }
  int linesRead = 0;
  ParseLanguageFile(Utf16Le(NumberedLines(7)), &linesRead);
  EXPECT_EQ(linesRead, 7);
}
