// The progress window on a history of known rows: the chart points per day and period, the
// key and mode table, the confused chords, the CSV export and clearing the history.
#include <QChart>
#include <QLabel>
#include <QLineSeries>
#include <QTableWidget>
#include <cstring>
#include <filesystem>

#include "platform/FileWrite.h"
#include "platform/TestFolder.h"
#include "progress/ProgressTestSupport.h"
#include "progress/ProgressWindow.h"
#include "app/CChildView.h"
#include "app/CMainFrame.h"
#include "app/CommandIds.h"
#include "support/AppFixture.h"
#include "text/LanguageTable.h"
#include "text/TextIds.h"

namespace {

using namespace progress;
using progress_test::Record;

class ProgressWindowTest : public AppFixture {
 protected:
  void SetUp() override {
    StartProgram();
    database = View().Progress();
    ASSERT_NE(database, nullptr);
    today = DayBefore(0);
    TaskRecord chord = Record(today, 20, 0);
    chord.chordType = 4;
    chord.chordRoot = 9;
    chord.wrongTypes = {6, 6};
    ASSERT_TRUE(database->WriteRecord(chord));
    ASSERT_TRUE(database->WriteRecord(Record(today, 20, 1)));
    ASSERT_TRUE(database->WriteRecord(Record(DayBefore(3), 2, 1)));
    ASSERT_TRUE(database->WriteRecord(Record(DayBefore(40), 2, 2)));
  }
  std::vector<QPointF> Points(QLineSeries* series) {
    const QList<QPointF> points = series->points();
    return {points.begin(), points.end()};
  }
  ProgressDatabase* database = nullptr;
  std::string today;
};

TEST_F(ProgressWindowTest, ChartsAndTablesFollowFamilyAndPeriod) {
  ProgressWindow window(*database, &View());
  window.resize(722, 450);
  window.SetPeriod(0);  // 7 days
  std::vector<QPointF> tasks = Points(window.TasksSeries());
  std::vector<QPointF> first = Points(window.FirstShareSeries());
  ASSERT_EQ(tasks.size(), 2u);
  EXPECT_EQ(tasks[0].y(), 1);
  EXPECT_EQ(tasks[1].y(), 2);
  EXPECT_EQ(first[0].y(), 100);
  EXPECT_EQ(first[1].y(), 50);
  EXPECT_EQ(window.Summary()->text().toStdString(), T(txt::kProgressSummary) + " = 3      " +
                                                        T(txt::kProgressFirstShare) + " = 67");
  window.SetPeriod(3);  // all time
  EXPECT_EQ(Points(window.TasksSeries()).size(), 3u);
  ASSERT_EQ(window.KeyModeTable()->rowCount(), 1);
  EXPECT_EQ(window.KeyModeTable()->item(0, 0)->text().toStdString(), "D " + T(101));
  EXPECT_EQ(window.KeyModeTable()->item(0, 1)->text(), "4");
  EXPECT_EQ(window.KeyModeTable()->item(0, 2)->text(), "50");
  EXPECT_EQ(window.KeyModeTable()->item(0, 3)->text(), "75");

  window.SetFamily(static_cast<int>(Family::kChordRecognition));
  EXPECT_EQ(Points(window.TasksSeries()).size(), 1u);
  EXPECT_FALSE(window.ConfusionTable()->isHidden());
  ASSERT_EQ(window.ConfusionTable()->rowCount(), 1);
  EXPECT_EQ(window.ConfusionTable()->item(0, 0)->text().toStdString(), T(203 + 4));
  EXPECT_EQ(window.ConfusionTable()->item(0, 1)->text().toStdString(), T(203 + 6));
  EXPECT_EQ(window.ConfusionTable()->item(0, 2)->text(), "2");
  window.SetFamily(static_cast<int>(Family::kMelody));
  EXPECT_TRUE(window.ConfusionTable()->isHidden());
  window.SetFamily(static_cast<int>(Family::kExam));
  EXPECT_EQ(window.Summary()->text().toStdString(), T(txt::kProgressEmpty));
}

TEST_F(ProgressWindowTest, ExportWritesTheRowsShownAsCsvAndClearingAsksFirst) {
  ProgressWindow window(*database, &View());
  window.SetPeriod(1);  // 30 days
  const std::string path = (dir.Path() / "rows.csv").string();
  host.fileAnswers.push_back(path);
  window.ExportCsv();
  ASSERT_EQ(host.fileRequests.size(), 1u);
  EXPECT_EQ(host.fileRequests[0].defaultExt, "csv");
  const std::string mode = T(101);
  const std::string expected =
      "date,time,task_type,family,key,mode,tempo,max_distance,attempt,ended_open,replays,search_presses,chord_type,"
      "chord_root,answered_types,language\r\n" +
      today + ",10:00:00,20,5,D," + mode + ",100 Andante,5,not solved,0,0,," + T(207) + ",A," + T(209) + "; " +
      T(209) + ",0\r\n" + today + ",10:00:00,20,5,D," + mode + ",100 Andante,5,1,0,0,,,,,0\r\n" + DayBefore(3) +
      ",10:00:00,2,2,D," + mode + ",100 Andante,5,1,0,0,,,,,0\r\n";
  const std::vector<uint8_t> bytes = ReadBytes(path);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), expected);
  {
    // On a full disk the old file stays and the user learns why.
    const ScopedFileWriteFunction fullDisk(FullDisk);
    host.fileAnswers.push_back(path);
    window.ExportCsv();
  }
  EXPECT_EQ(ReadBytes(path), bytes);
  ASSERT_FALSE(host.messageBoxes.empty());
  EXPECT_EQ(host.messageBoxes.back().caption, "Error!");
  EXPECT_EQ(host.messageBoxes.back().text, T(txt::kFileUnwritable) + path + "\n\n" + std::strerror(ENOSPC));

  host.messageBoxAnswers.push_back(IDNO);
  window.ClearHistory();
  EXPECT_EQ(database->Rows({}).size(), 4u);
  host.messageBoxAnswers.push_back(IDYES);
  window.ClearHistory();
  EXPECT_TRUE(database->Rows({}).empty());
  EXPECT_TRUE(window.TasksSeries()->points().isEmpty());
  EXPECT_EQ(host.messageBoxes.back().text, T(txt::kProgressClearQuestion));
}

// Writes the window at the program's smallest size in every shipped language into
// /tmp/progress-<language>.png for looking at them. Run with
// --gtest_also_run_disabled_tests --gtest_filter='*ProgressWindowTest.DISABLED_*'.
TEST_F(ProgressWindowTest, DISABLED_WritesPictures) {
  for (int day = 0; day < 30; day += 3) {
    TaskRecord r = Record(DayBefore(day), 17, day % 2);
    r.chordType = day % 15;
    r.wrongTypes = {(day + 1) % 15};
    database->WriteRecord(r);
  }
  for (const auto& [command, name] : {std::pair{cmd::kLangEnglish, "english"}, {cmd::kLangGerman, "german"},
                                      {cmd::kLangRussian, "russian"}, {cmd::kLangPortuguese, "portuguese"}}) {
    Frame().OnCommand(command);
    ProgressWindow window(*database, &View());
    window.SetPeriod(1);
    window.resize(722, 450);
    EXPECT_TRUE(window.grab().save(QString("/tmp/progress-%1.png").arg(name)));
  }
}

}  // namespace
