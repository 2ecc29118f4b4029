#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "app/LogView.h"
#include "log/LogTestSupport.h"
#include "log/ReportFile.h"
#include "log/ResultsLog.h"
#include "platform/FileWrite.h"
#include "platform/ScriptedUiHost.h"
#include "platform/TestFolder.h"
#include "platform/qt/QtUiHost.h"
#include "support/TempDir.h"
#include "text/LanguageTable.h"
#include "text/TextIds.h"

namespace {

namespace fs = std::filesystem;

const std::string kDashes = "———";

class SaveReport : public ::testing::Test {
 protected:
  SaveReport() {
    languageTable.SetAll({});
    languageTable.SetText(424, "Text files (*.txt)|*.txt||");
    languageTable.SetText(425, "Log saved on");
    languageTable.SetText(txt::kFileUnwritable, "The file cannot be written: ");
    resultsLog = {"Log of results from 06.12.2026, 09:00:00", kDashes};
    task.tasksGiven = 3;
  }
  ~SaveReport() override { resultsLog.clear(); }

  // Saves into the file the user picks in the dialog.
  bool SaveAs(const std::string& path, std::time_t now) {
    host.fileAnswers.push_back(path);
    return SaveLogAsText(task, now);
  }
  static std::vector<uint8_t> FileBytes(const std::string& path) { return ReadWholeFile(path).value_or(std::vector<uint8_t>{}); }

  TempWorkDir dir;
  ScriptedUiHost host;
  ScopedUiHost scopedHost{host};
  StatisticsTask task{"Melody"};
  const std::time_t morning = LocalTimeT(2026, 12, 6, 9, 33, 7);
  const std::time_t later = LocalTimeT(2026, 12, 6, 10, 2, 45);
};

TEST_F(SaveReport, ProposesADatedTextFileAndCancelChangesNothing) {
  const std::vector<std::string> before = resultsLog;
  EXPECT_FALSE(SaveLogAsText(task, LocalTimeT(2026, 1, 2, 3, 4, 5)));
  EXPECT_FALSE(SaveLogAsText(task, morning));
  ASSERT_EQ(host.fileRequests.size(), 2u);
  EXPECT_EQ(host.fileRequests[0].defaultName, "02-01-2026_03-04_log");
  const FileDialogRequest& request = host.fileRequests[1];
  EXPECT_TRUE(request.save);
  EXPECT_EQ(request.defaultName, "06-12-2026_09-33_log");
  EXPECT_EQ(request.defaultExt, "txt");
  EXPECT_EQ(request.filter, "Text files (*.txt)|*.txt");
  // Cancelled: not even the statistics were asked for.
  EXPECT_EQ(resultsLog, before);
  EXPECT_EQ(task.statisticsWritten, 0);
  EXPECT_TRUE(host.messageBoxes.empty());
  EXPECT_TRUE(fs::is_empty(dir.Path()));
}

TEST_F(SaveReport, ReportIsUtf16WithBomAndCrLfAfterEveryLineEndingWithStatisticsAndSavedLine) {
  ASSERT_TRUE(SaveAs("report.txt", morning));
  const std::vector<uint8_t> expected = std::vector<uint8_t>{0xFF, 0xFE} +
                                        Le(u"Log of results from 06.12.2026, 09:00:00\r\n") +
                                        Le(u"\u2014\u2014\u2014\r\n") + Le(u"Решено = 3\r\n") +
                                        Le(u"end of block\r\n") + Le(u"Log saved on 06.12.2026, 09:33:07\r\n");
  EXPECT_EQ(FileBytes("report.txt"), expected);
  // The statistics are gone again; the saved line took their place.
  EXPECT_EQ(resultsLog, (std::vector<std::string>{"Log of results from 06.12.2026, 09:00:00", kDashes,
                                                  "Log saved on 06.12.2026, 09:33:07"}));
  EXPECT_TRUE(host.messageBoxes.empty());
}

TEST_F(SaveReport, SavingTwiceKeepsBothSavedLinesAndOneStatisticsBlockPerReport) {
  ASSERT_TRUE(SaveAs("first.txt", morning));
  task.tasksGiven = 5;
  ASSERT_TRUE(SaveAs("second.txt", later));
  const std::vector<uint8_t> expected =
      std::vector<uint8_t>{0xFF, 0xFE} + Le(u"Log of results from 06.12.2026, 09:00:00\r\n\u2014\u2014\u2014\r\n") +
      Le(u"Log saved on 06.12.2026, 09:33:07\r\nРешено = 5\r\nend of block\r\n") +
      Le(u"Log saved on 06.12.2026, 10:02:45\r\n");
  EXPECT_EQ(FileBytes("second.txt"), expected);
  EXPECT_EQ(resultsLog,
            (std::vector<std::string>{"Log of results from 06.12.2026, 09:00:00", kDashes,
                                      "Log saved on 06.12.2026, 09:33:07", "Log saved on 06.12.2026, 10:02:45"}));
}

TEST_F(SaveReport, AnEmptyStatisticsBlockAndAnEmptyLineStillEndInCrLf) {
  class Quiet : public CAbstractT {
  } quiet;
  resultsLog = {""};
  host.fileAnswers.push_back("quiet.txt");
  ASSERT_TRUE(SaveLogAsText(quiet, morning));
  EXPECT_EQ(FileBytes("quiet.txt"),
            (std::vector<uint8_t>{0xFF, 0xFE, 0x0D, 0x00, 0x0A, 0x00} + Le(u"Log saved on 06.12.2026, 09:33:07\r\n")));
}

TEST_F(SaveReport, AnExistingFileIsReplacedWhole) {
  ASSERT_TRUE(WriteFileAtomically("old.txt", std::vector<uint8_t>(4000, 'x')));
  ASSERT_TRUE(SaveAs("old.txt", morning));
  // Five lines of 40, 3, 10, 12 and 33 units, each with CR LF, after the byte order mark: no old tail.
  const std::vector<uint8_t> bytes = FileBytes("old.txt");
  EXPECT_EQ(bytes.size(), 2u + 2 * (42 + 5 + 12 + 14 + 35));
  EXPECT_EQ(bytes.back(), 0x00);
  EXPECT_EQ(bytes[bytes.size() - 2], 0x0A);
}

// An unwritable target is reported with the system's reason; nothing is written and the log is
// exactly as before.
class UnwritableReport : public SaveReport {
 protected:
  void ExpectRefused(const std::string& path, int error) {
    const std::vector<std::string> before = resultsLog;
    host.messageBoxes.clear();
    EXPECT_FALSE(SaveAs(path, morning));
    EXPECT_EQ(resultsLog, before);
    ASSERT_EQ(host.messageBoxes.size(), 1u);
    EXPECT_EQ(host.messageBoxes[0].caption, "Error!");
    EXPECT_EQ(host.messageBoxes[0].style, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(host.messageBoxes[0].text, "The file cannot be written: " + path + "\n\n" + std::strerror(error));
  }
};

TEST_F(UnwritableReport, MissingFolder) {
  const std::string path = (dir.Path() / "missing" / "report.txt").string();
  ExpectRefused(path, ENOENT);
  EXPECT_FALSE(fs::exists(dir.Path() / "missing"));
}

TEST_F(UnwritableReport, NameOfAFolder) {
  fs::create_directory("reports");
  ExpectRefused("reports", EISDIR);
  EXPECT_TRUE(fs::is_directory("reports"));
  EXPECT_TRUE(fs::is_empty("reports"));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 1)
      << "no temporary file left behind";
}

TEST_F(UnwritableReport, WriteProtectedFileOrFolder) {
  if (::geteuid() == 0) GTEST_SKIP() << "write protection does not bind the superuser";
  ASSERT_TRUE(WriteFileAtomically("kept.txt", {'k'}));
  ::chmod("kept.txt", 0444);
  ExpectRefused("kept.txt", EACCES);
  EXPECT_EQ(FileBytes("kept.txt"), std::vector<uint8_t>{'k'});
  fs::create_directory("locked");
  ::chmod("locked", 0555);
  ExpectRefused("locked/report.txt", EACCES);
  ::chmod("locked", 0755);
  EXPECT_TRUE(fs::is_empty("locked"));
}

TEST_F(UnwritableReport, FullDiskOrAFileWhereTheFolderShouldBe) {
  {
    const ScopedFileWriteFunction fullDisk(FullDisk);
    ExpectRefused("report.txt", ENOSPC);
  }
  EXPECT_FALSE(fs::exists("report.txt"));
  ASSERT_TRUE(WriteFileAtomically("plain", {'p'}));
  ExpectRefused("plain/report.txt", ENOTDIR);
  EXPECT_EQ(FileBytes("plain"), std::vector<uint8_t>{'p'});
}

TEST_F(UnwritableReport, ALaterSaveWorksAsIfTheFailedOneNeverHappened) {
  ExpectRefused("missing/report.txt", ENOENT);
  ASSERT_TRUE(SaveAs("report.txt", later));
  EXPECT_EQ(resultsLog, (std::vector<std::string>{"Log of results from 06.12.2026, 09:00:00", kDashes,
                                                  "Log saved on 06.12.2026, 10:02:45"}));
  EXPECT_EQ(task.statisticsWritten, 2);
}

TEST(ReportFilter, ShippedNotationBecomesOneQtFilter) {
  EXPECT_EQ(ReportFilter("Text files (*.txt)|*.txt||"), "Text files (*.txt)|*.txt");
  EXPECT_EQ(ReportFilter("Texte (*.txt)|*.txt|Alle (*.*)|*.*||"), "Texte (*.txt)|*.txt|Alle (*.*)|*.*");
  EXPECT_EQ(ReportFilter("Text files (*.txt)|*.txt"), "Text files (*.txt)|*.txt");
  EXPECT_EQ(ReportFilter("||"), "");
  EXPECT_EQ(ToQtNameFilters(ReportFilter("Текстовые файлы (*.txt)|*.txt||")),
            QStringList{QStringLiteral("Текстовые файлы (*.txt)")});
}

// A file dialog that moves the process into another folder and answers with a relative name,
// as some platform dialogs may.
class WanderingHost final : public UiHost {
 public:
  int MessageBox(const std::string&, const std::string&, unsigned) override { return IDOK; }
  int RunModal(CDialog&) override { return IDCANCEL; }
  std::optional<std::string> FileDialog(const FileDialogRequest&) override {
    fs::create_directory("elsewhere");
    fs::current_path("elsewhere");
    return "report.txt";
  }
  std::optional<FontDesc> ChooseFont(const FontDesc&) override { return std::nullopt; }
  bool OpenUrl(const std::string&) override { return false; }
  [[noreturn]] void ExitProcess(int code) override { throw ProcessExit{code}; }
};

TEST(SaveReportFolder, TheCurrentFolderIsTheSameAfterTheCommand) {
  TempWorkDir dir;
  WanderingHost host;
  ScopedUiHost scoped(host);
  resultsLog = {"line"};
  CAbstractT task;
  ASSERT_TRUE(SaveLogAsText(task, 0));
  EXPECT_EQ(fs::current_path(), dir.Path());
  EXPECT_TRUE(fs::exists(dir.Path() / "elsewhere" / "report.txt"));
  resultsLog.clear();
}

}  // namespace
