#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <filesystem>
#include <random>

#include "platform/TestFolder.h"
#include "settings/CSettingsBank.h"
#include "settings/ProgramSettings.h"

namespace {

void PutLE(std::vector<uint8_t>& bytes, size_t offset, uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

void PutFace(std::vector<uint8_t>& bytes, size_t offset, const char* face) {
  for (size_t i = 0; face[i]; ++i) PutLE(bytes, offset + 2 * i, static_cast<uint8_t>(face[i]), 2);
}

// The file a first start writes at exit, built field by field at its offsets.
std::vector<uint8_t> FirstStartFile() {
  std::vector<uint8_t> bytes(1254, 0);
  PutLE(bytes, 0, static_cast<uint32_t>(-13), 4);
  PutFace(bytes, 28, "Arial");
  PutLE(bytes, 92, static_cast<uint32_t>(-13), 4);
  PutLE(bytes, 92 + 16, 700, 4);
  PutFace(bytes, 92 + 28, "Verdana");
  bytes[201] = 2;
  bytes[204] = 21;
  bytes[207] = 5;
  bytes[209] = 100;
  PutLE(bytes, 210, 1, 4);
  bytes[220] = 1;  // the audio latency choice "low", plus one
  return bytes;
}

FontDesc FullFont(const std::string& face) {
  FontDesc f;
  f.height = -20;
  f.width = 7;
  f.escapement = 900;
  f.orientation = -450;
  f.weight = 600;
  f.italic = 1;
  f.underline = 1;
  f.strikeOut = 1;
  f.charSet = 204;
  f.outPrecision = 3;
  f.clipPrecision = 2;
  f.quality = 5;
  f.pitchAndFamily = 34;
  f.SetFace(face);
  return f;
}

class SettingsFile : public ::testing::Test {
 protected:
  void SetUp() override { ResetProgramSettings(); }
  void TearDown() override { ResetProgramSettings(); }

  // Writes the first-start file with one byte changed and loads it.
  void LoadWithByte(size_t offset, uint8_t value) {
    std::vector<uint8_t> bytes = FirstStartFile();
    bytes[offset] = value;
    WriteBytes(file_, bytes);
    ResetProgramSettings();
    bank_.LoadSettings(file_);
  }

  // Settings that differ from the first-start ones everywhere.
  static void SetUnusualSettings() {
    mainFontDesc = FullFont("DejaVu Sans Mono");
    resultFontDesc = FullFont("Liberation Serif \xD0\xA8");
    windowRect = {-8, 10, 1200, 900};
    languageIndex = 3;
    askBeforeExit = 1;
    taskType = 27;
    tempoIndex = 38;
    modeIndex = 10;
    keyIndex = 11;
    maxDistance = 36;
    blockExtramodeKeys = true;
    fixKeyIllumination = true;
    volume = 127;
    useHardwareMidiKeyboard = 0;
    keyboardLowNote = 21;
    keyboardHighNote = 108;
    midiInPortName = "USB Keyboard \xD0\x96";
  }

  TestFolder folder_;
  std::string file_ = folder_.Path("AureloSettings.dat");
  CSettingsBank bank_;
};

TEST_F(SettingsFile, FirstStartWritesExactlyTheDefaultRecord) {
  ASSERT_TRUE(bank_.SaveSettings(file_));
  EXPECT_EQ(ReadBytes(file_), FirstStartFile());
}

TEST_F(SettingsFile, OnlyLowBytesAndTheTwoFlagBitsAreStored) {
  tempoIndex = 256 + 7;
  modeIndex = -1;
  keyIndex = 512 + 3;
  maxDistance = 0x1234;
  for (int flags = 0; flags < 4; ++flags) {
    blockExtramodeKeys = (flags & 1) != 0;
    fixKeyIllumination = (flags & 2) != 0;
    ASSERT_TRUE(bank_.SaveSettings(file_));
    const std::vector<uint8_t> bytes = ReadBytes(file_);
    ASSERT_EQ(bytes.size(), 1254u);
    EXPECT_EQ(bytes[204], 7);
    EXPECT_EQ(bytes[205], 0xFF);
    EXPECT_EQ(bytes[206], 3);
    EXPECT_EQ(bytes[207], 0x34);
    EXPECT_EQ(bytes[208], flags);
  }
}

TEST_F(SettingsFile, EveryFieldSurvivesARoundTrip) {
  SetUnusualSettings();
  ASSERT_TRUE(bank_.SaveSettings(file_));
  ResetProgramSettings();
  CSettingsBank().LoadSettings(file_);

  EXPECT_EQ(mainFontDesc, FullFont("DejaVu Sans Mono"));
  EXPECT_EQ(resultFontDesc, FullFont("Liberation Serif \xD0\xA8"));
  EXPECT_EQ(windowRect, (Rect{-8, 10, 1200, 900}));
  EXPECT_EQ(languageIndex, 3);
  EXPECT_EQ(askBeforeExit, 1);
  EXPECT_EQ(taskType, 27);
  EXPECT_EQ(tempoIndex, 38);
  EXPECT_EQ(modeIndex, 10);
  EXPECT_EQ(keyIndex, 11);
  EXPECT_EQ(maxDistance, 36);
  EXPECT_TRUE(blockExtramodeKeys);
  EXPECT_TRUE(fixKeyIllumination);
  EXPECT_EQ(volume, 127);
  EXPECT_EQ(useHardwareMidiKeyboard, 0);
  EXPECT_EQ(keyboardLowNote, 21);
  EXPECT_EQ(keyboardHighNote, 108);
  EXPECT_EQ(midiInPortName, "USB Keyboard \xD0\x96");

  // The same record comes out again, byte for byte.
  const std::vector<uint8_t> first = ReadBytes(file_);
  ASSERT_TRUE(bank_.SaveSettings(file_));
  EXPECT_EQ(ReadBytes(file_), first);
}

// The keyboard's range and the input port sit in what older files keep as zeros, so an older
// file reads as "not measured, every port"; a range without its mark or out of order is unset.
TEST_F(SettingsFile, KeyboardRangeAndInputPortLiveInFormerlyReservedBytes) {
  keyboardLowNote = 36;
  keyboardHighNote = 96;
  midiInPortName = "Keys";
  ASSERT_TRUE(bank_.SaveSettings(file_));
  std::vector<uint8_t> bytes = ReadBytes(file_);
  std::vector<uint8_t> expected = FirstStartFile();
  PutLE(expected, 214, 0x524B, 2);
  PutLE(expected, 216, 36, 2);
  PutLE(expected, 218, 96, 2);
  PutFace(expected, 222, "Keys");
  EXPECT_EQ(bytes, expected);

  PutLE(bytes, 214, 0, 2);
  WriteBytes(file_, bytes);
  bank_.LoadSettings(file_);
  EXPECT_EQ(keyboardLowNote, -1);
  EXPECT_EQ(keyboardHighNote, -1);
  EXPECT_EQ(midiInPortName, "Keys");
  PutLE(bytes, 214, 0x524B, 2);
  PutLE(bytes, 216, 97, 2);
  WriteBytes(file_, bytes);
  bank_.LoadSettings(file_);
  EXPECT_EQ(keyboardLowNote, -1);
}

// The audio latency choice plus one sits in a byte older files keep as zero: such a file, and a
// value no list shows, read as the first-start choice.
TEST_F(SettingsFile, AudioLatencyLivesInAFormerlyReservedByte) {
  audioLatency = 0;
  ASSERT_TRUE(bank_.SaveSettings(file_));
  EXPECT_EQ(ReadBytes(file_)[220], 1);
  const int32_t first = firstStart::audioLatency;
  for (const auto& [stored, read] : {std::pair{0, first}, {2, 1}, {4, first}, {255, first}}) {
    audioLatency = -1;
    LoadWithByte(220, static_cast<uint8_t>(stored));
    EXPECT_EQ(audioLatency, read) << "stored " << stored;
  }
}

TEST_F(SettingsFile, FlagsAreReadFromBitsZeroAndOneOnly) {
  LoadWithByte(208, 0xFD);
  EXPECT_TRUE(blockExtramodeKeys);
  EXPECT_FALSE(fixKeyIllumination);
  LoadWithByte(208, 0xFE);
  EXPECT_FALSE(blockExtramodeKeys);
  EXPECT_TRUE(fixKeyIllumination);
  ASSERT_TRUE(bank_.SaveSettings(file_));
  EXPECT_EQ(ReadBytes(file_)[208], 0x02);
}

TEST_F(SettingsFile, WithoutAUsableFileOnlyTheFontsAreSet) {
  std::filesystem::create_directory(folder_.Path("folder"));
  WriteBytes(folder_.Path("empty"), {});
  std::vector<uint8_t> shortFile = FirstStartFile();
  shortFile.pop_back();
  WriteBytes(folder_.Path("short"), shortFile);

  for (const char* name : {"missing", "folder", "empty", "short"}) {
    SetUnusualSettings();
    bank_.LoadSettings(folder_.Path(name));
    EXPECT_EQ(mainFontDesc, DefaultMainFontDesc()) << name;
    EXPECT_EQ(resultFontDesc, DefaultResultFontDesc()) << name;
    EXPECT_EQ(tempoIndex, 38) << name;
    EXPECT_EQ(languageIndex, 3) << name;
    EXPECT_EQ(windowRect, (Rect{-8, 10, 1200, 900})) << name;
  }
}

TEST_F(SettingsFile, BytesAfterTheRecordAreIgnored) {
  std::vector<uint8_t> bytes = FirstStartFile();
  bytes[204] = 30;
  bytes.insert(bytes.end(), 100, 0xEE);
  WriteBytes(file_, bytes);
  bank_.LoadSettings(file_);
  EXPECT_EQ(tempoIndex, 30);
  EXPECT_EQ(mainFontDesc, DefaultMainFontDesc());
}

struct StoredByte {
  size_t offset;
  uint8_t stored;
  int32_t expected;
};

TEST_F(SettingsFile, ValuesNoListCanShowFallBackToTheirFirstStartValues) {
  const StoredByte cases[] = {
      {204, 38, 38}, {204, 39, 21},   {204, 255, 21}, {205, 10, 10}, {205, 11, 0},  {205, 200, 0},
      {206, 11, 11}, {206, 12, 0},    {206, 255, 0},  {207, 2, 2},   {207, 6, 6},   {207, 36, 36},
      {207, 0, 5},   {207, 37, 5},    {207, 255, 5},  {209, 0, 0},   {209, 127, 127}, {209, 128, 100},
      {209, 255, 100},
  };
  for (const StoredByte& c : cases) {
    LoadWithByte(c.offset, c.stored);
    const int32_t actual = c.offset == 204   ? tempoIndex
                           : c.offset == 205 ? modeIndex
                           : c.offset == 206 ? keyIndex
                           : c.offset == 207 ? maxDistance
                                             : volume;
    EXPECT_EQ(actual, c.expected) << "offset " << c.offset << " byte " << int(c.stored);
  }
}

TEST_F(SettingsFile, LanguageAskFlagAndTaskTypeAreKeptAsStored) {
  LoadWithByte(200, 7);
  EXPECT_EQ(languageIndex, 7);
  LoadWithByte(201, 9);
  EXPECT_EQ(askBeforeExit, 9);
  for (uint16_t type : {29, 200, 0xFFFF}) {
    std::vector<uint8_t> bytes = FirstStartFile();
    PutLE(bytes, 202, type, 2);
    WriteBytes(file_, bytes);
    bank_.LoadSettings(file_);
    EXPECT_EQ(taskType, type);
  }
}

TEST_F(SettingsFile, AFaceWithoutTerminatorIsCutWithinItsRecord) {
  std::vector<uint8_t> bytes = FirstStartFile();
  for (size_t unit = 0; unit < 32; ++unit) PutLE(bytes, 28 + 2 * unit, 'A', 2);
  PutLE(bytes, 92 + 28, 'B', 2);  // the next record begins right after
  WriteBytes(file_, bytes);
  bank_.LoadSettings(file_);
  EXPECT_EQ(mainFontDesc.Face(), std::string(31, 'A'));
  EXPECT_EQ(mainFontDesc.faceName[31], 0);
  EXPECT_EQ(mainFontDesc.height, -13);
}

TEST_F(SettingsFile, AnAbsurdFontHeightGivesTheFirstStartFont) {
  std::vector<uint8_t> bytes = FirstStartFile();
  PutLE(bytes, 0, static_cast<uint32_t>(INT32_MIN), 4);
  PutLE(bytes, 92, 5000, 4);
  PutFace(bytes, 92 + 28, "Courier");
  WriteBytes(file_, bytes);
  bank_.LoadSettings(file_);
  EXPECT_EQ(mainFontDesc, DefaultMainFontDesc());
  EXPECT_EQ(resultFontDesc, DefaultResultFontDesc());
}

TEST_F(SettingsFile, RandomFilesLoadIntoUsableSettings) {
  std::mt19937 random(1254);
  for (int round = 0; round < 300; ++round) {
    const size_t size = round % 3 == 0 ? random() % 1400 : 1254;
    std::vector<uint8_t> bytes(size);
    for (uint8_t& b : bytes) b = static_cast<uint8_t>(random());
    WriteBytes(file_, bytes);
    ResetProgramSettings();
    bank_.LoadSettings(file_);
    EXPECT_GE(tempoIndex, 0);
    EXPECT_LE(tempoIndex, 38);
    EXPECT_LE(modeIndex, 10);
    EXPECT_LE(keyIndex, 11);
    EXPECT_GE(maxDistance, 1);
    EXPECT_LE(maxDistance, 36);
    EXPECT_LE(volume, 127);
    for (const FontDesc* f : {&mainFontDesc, &resultFontDesc}) {
      EXPECT_EQ(f->faceName[31], 0);
      EXPECT_LE(std::abs(f->height), 1000);
    }
  }
}

TEST_F(SettingsFile, AFileThatCannotBeWrittenIsSkippedSilently) {
  std::filesystem::create_directory(file_);
  EXPECT_FALSE(bank_.SaveSettings(file_));
  EXPECT_TRUE(std::filesystem::is_directory(file_));
  EXPECT_FALSE(bank_.SaveSettings(folder_.Path("no/such/folder.dat")));
}

}  // namespace
