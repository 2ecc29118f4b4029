#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>
#include <fstream>
#include <iterator>

#include "log/LocalTime.h"
#include "log/LogTestSupport.h"
#include "log/TimeLog.h"
#include "platform/Utf.h"
#include "support/TempDir.h"
#include "text/LanguageTable.h"

namespace {

std::string ReadUtf16File(const std::string& path, bool* hasBom) {
  std::ifstream in(path, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  *hasBom = bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE';
  std::u16string units;
  for (size_t i = *hasBom ? 2 : 0; i + 1 < bytes.size(); i += 2) {
    units += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) | static_cast<unsigned char>(bytes[i + 1]) << 8);
  }
  return Utf16ToUtf8(units);
}

TEST(TimeLog, FirstRecordGetsTheTitleLaterOnesOnlyTheirLines) {
  TempWorkDir dir;
  languageTable.SetText(437, "Aurelo time log");
  languageTable.SetText(438, "Started");
  languageTable.SetText(439, "Closed");
  languageTable.SetText(440, "Duration");
  const std::time_t start = LocalTimeT(2026, 12, 6, 9, 12, 40);
  ASSERT_TRUE(AppendTimeRecord("TimeLog.txt", start, start + 3143));
  ASSERT_TRUE(AppendTimeRecord("TimeLog.txt", start, start + 3725));
  bool bom = false;
  const std::string rule(62, '=');
  EXPECT_EQ(ReadUtf16File("TimeLog.txt", &bom),
            "Aurelo time log\r\n" + rule + "\r\n" +
                "Started = 06.12.2026, 09:12:40\r\nClosed = 06.12.2026, 10:05:03\r\nDuration = 52:23\r\n" + rule +
                "\r\n" + "Started = 06.12.2026, 09:12:40\r\nClosed = 06.12.2026, 10:14:45\r\nDuration = 62:05\r\n" +
                rule + "\r\n");
  EXPECT_TRUE(bom);
}

TEST(TimeLog, UnwritableFileWritesNothing) {
  TempWorkDir dir;
  std::filesystem::create_directory("TimeLog.txt");
  EXPECT_FALSE(AppendTimeRecord("TimeLog.txt", 0, 10));
  // A FIFO in its place, read or not, never holds the program's end.
  ASSERT_EQ(::mkfifo("fifo", 0600), 0);
  EXPECT_FALSE(AppendTimeRecord("fifo", 0, 10));
  const int reader = ::open("fifo", O_RDONLY | O_NONBLOCK);
  EXPECT_FALSE(AppendTimeRecord("fifo", 0, 10));
  ::close(reader);
}

TEST(TimeLog, LongRunsShowMoreThanTwoDigitsOfMinutes) {
  TempWorkDir dir;
  languageTable.SetText(440, "D");
  ASSERT_TRUE(AppendTimeRecord("TimeLog.txt", 0, 6000 * 60 + 7));
  bool bom = false;
  EXPECT_NE(ReadUtf16File("TimeLog.txt", &bom).find("D = 6000:07\r\n"), std::string::npos);
}

TEST(LocalTimeFormat, TwoDigitFieldsAndFourDigitYear) {
  EXPECT_EQ(FormatDateTime({6, 12, 2026, 9, 5, 3}), "06.12.2026, 09:05:03");
}

}  // namespace
