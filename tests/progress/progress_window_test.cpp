// The progress window on a history of known rows: the chart points per day and period (each
// period from its first day on), the key and mode table, the confused chords, the tables at the
// smallest size in every language, the CSV export and clearing the history.
#include <QChart>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineSeries>
#include <QStyle>
#include <QTextDocument>
#include <cstring>
#include <filesystem>
#include <utility>

#include "app/CChildView.h"
#include "app/CMainFrame.h"
#include "app/MenuTable.h"
#include "app/TaskTable.h"
#include "commands/CommandIds.h"
#include "platform/FileWrite.h"
#include "platform/TestFolder.h"
#include "progress/ProgressTable.h"
#include "progress/ProgressTestSupport.h"
#include "progress/ProgressWindow.h"
#include "support/AppFixture.h"
#include "support/TextFit.h"
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

// What a tooltip shows.
std::string ToolTipShown(const QString& toolTip) {
  if (!Qt::mightBeRichText(toolTip)) return toolTip.toStdString();
  QTextDocument document;
  document.setHtml(toolTip);
  return document.toPlainText().toStdString();
}

TEST_F(ProgressWindowTest, ChartsAndTablesFollowFamilyAndPeriod) {
  ProgressWindow window(*database, &TaskTitle, &View());
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

TEST_F(ProgressWindowTest, ExportNamesWhatATeacherReadsAndClearingAsksFirst) {
  ASSERT_TRUE(database->Clear());
  TaskRecord tone = Record("2026-12-01", 0, 2);  // tone search: key and mode, no distance
  tone.searchPresses = 3;
  TaskRecord exam = Record("2026-12-01", 13, 1);  // entrance exam: none of the three
  exam.language = 1;
  TaskRecord chord = Record("2026-12-02", 23, 0);  // chord playing from a random tone: neither
  chord.ended = true;
  chord.replays = 2;
  chord.chordType = 0;
  chord.chordRoot = 31;
  TaskRecord melody = Record("2026-12-02", 10, 3);  // a teacher's melody: its own title
  melody.melodyTitle = "=Kalinka, \"little\"\nberry";  // a spreadsheet must not run it
  melody.language = 2;
  melody.answeredBy = AnswerInput::kVoice;
  melody.meanCents = 14;
  for (const TaskRecord& r : {tone, exam, chord, melody}) ASSERT_TRUE(database->WriteRecord(r));
  ProgressWindow window(*database, &TaskTitle, &View());
  window.SetPeriod(3);  // all time
  const std::string path = (dir.Path() / "rows.csv").string();
  host.fileAnswers.push_back(path);
  window.ExportCsv();
  ASSERT_EQ(host.fileRequests.size(), 1u);
  EXPECT_EQ(host.fileRequests[0].defaultExt, "csv");
  const std::vector<uint8_t> bytes = ReadBytes(path);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()),
            "date,time,task,task_code,family,family_code,melody,key,mode,tempo,max_distance,attempt,ended_open,"
            "replays,search_presses,chord_type,chord_root,answered_types,language,language_code,"
            "answered_by,answered_by_code,mean_cents\r\n"
            "2026-12-01,10:00:00,Search of the sounded tone pitch (13 keys),0,Tone search,1,,D,Dorian,100 Andante,,"
            "2,0,0,3,,,,English,0,Mouse,0,\r\n"
            "2026-12-01,10:00:00,\"Entering musical school (ear test): level 1, minor thirds\",13,Entrance exam,3,,"
            ",,100 Andante,,1,0,0,,,,,German,1,Mouse,0,\r\n"
            "2026-12-02,10:00:00,Chords playing: chords in basic form from random tone,23,Chord playing,6,,,,"
            "100 Andante,,not solved,1,2,,Major triad,G,,English,0,Mouse,0,\r\n"
            "2026-12-02,10:00:00,\"Teacher melodies, one octave, level 1\",10,Teachers' melodies,4,"
            "\"'=Kalinka, \"\"little\"\"\nberry\",,,100 Andante,,3,0,0,,,,,Russian,2,Voice,2,14\r\n");

  // The names are those of the interface language at the time of the export.
  Frame().OnCommand(cmd::kLangGerman);
  host.fileAnswers.push_back(path);
  window.ExportCsv();
  const std::vector<uint8_t> german = ReadBytes(path);
  const std::string firstRow = "2026-12-01,10:00:00," + T(232) + ",0," + T(txt::kProgressFamilyToneSearch) + ",1,,D," +
                               T(101) + ",100 Andante,,2,0,0,3,,,,English,0," +
                               T(txt::kProgressInputMouse) + ",0,\r\n";
  EXPECT_NE(T(232), "Search of the sounded tone pitch (13 keys)");
  EXPECT_NE(std::string(german.begin(), german.end()).find(firstRow), std::string::npos);
  Frame().OnCommand(cmd::kLangEnglish);

  {
    // On a full disk the old file stays and the user learns why.
    const ScopedFileWriteFunction fullDisk(FullDisk);
    host.fileAnswers.push_back(path);
    window.ExportCsv();
  }
  EXPECT_EQ(ReadBytes(path), german);
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

TEST_F(ProgressWindowTest, EachPeriodCountsItsFirstDayAndNotTheDayBefore) {
  ASSERT_TRUE(database->Clear());
  for (int days : {7, 30, 365}) {
    ASSERT_TRUE(database->WriteRecord(Record(DayBefore(days - 1), 2, 1)));
    ASSERT_TRUE(database->WriteRecord(Record(DayBefore(days), 2, 0)));
  }
  ProgressWindow window(*database, &TaskTitle, &View());
  // Period, tasks counted (one a day), of them solved at the first attempt in percent.
  const std::vector<std::vector<int>> periods = {{0, 1, 100}, {1, 3, 67}, {2, 5, 60}, {3, 6, 50}};
  for (const std::vector<int>& period : periods) {
    SCOPED_TRACE(ProgressWindow::kPeriodDays[period[0]]);
    window.SetPeriod(period[0]);
    EXPECT_EQ(Points(window.TasksSeries()).size(), static_cast<size_t>(period[1]));
    EXPECT_EQ(window.Summary()->text().toStdString(), T(txt::kProgressSummary) + " = " + std::to_string(period[1]) +
                                                          "      " + T(txt::kProgressFirstShare) + " = " +
                                                          std::to_string(period[2]));
    ASSERT_EQ(window.KeyModeTable()->rowCount(), 1);
    EXPECT_EQ(window.KeyModeTable()->item(0, 1)->text().toStdString(), std::to_string(period[1]));
  }
}

TEST_F(ProgressWindowTest, AtItsSmallestSizeTheTablesFitInEveryLanguageWithWholeTextsAsTooltips) {
  for (int language = 0; language < 4; ++language) {
    SCOPED_TRACE(language);
    Frame().OnCommand(kLanguageCommands[language]);
    // A chord name that looks like markup is shown as it is.
    if (language == 0) languageTable.SetText(203 + 6, "<b>Dominant</b> & seventh");
    ProgressWindow window(*database, &TaskTitle, &View());
    window.SetPeriod(3);
    // It fits over the program's smallest main window, and its layout in its own smallest size.
    EXPECT_LE(window.minimumWidth(), 722);
    EXPECT_LE(window.minimumHeight(), 450);
    window.resize(window.minimumSize());
    window.show();
    EXPECT_EQ(window.size(), window.minimumSize());
    EXPECT_LE(window.layout()->minimumSize().width(), window.width());
    EXPECT_LE(window.layout()->minimumSize().height(), window.height());
    for (const std::string& text : CutTexts(window)) ADD_FAILURE() << text;
    const std::vector<std::pair<ProgressTable*, std::vector<std::string>>> tables = {
        {window.KeyModeTable(),
         {T(txt::kProgressKey) + " / " + T(txt::kProgressMode), T(txt::kProgressTasks), T(txt::kProgressFirstPercent),
          T(txt::kProgressSolvedPercent)}},
        {window.ConfusionTable(), {T(txt::kProgressChordPlayed), T(txt::kProgressAnsweredAs), T(txt::kProgressTimes)}},
    };
    for (const auto& [table, headings] : tables) {
      ASSERT_GT(table->rowCount(), 0);
      const QHeaderView& header = *table->horizontalHeader();
      const int headingMargins = 2 * header.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, &header);
      // Every column in sight: none scrolled off to the side.
      EXPECT_EQ(header.length(), table->viewport()->width());
      for (int column = 0; column < table->columnCount(); ++column) {
        // A heading whole or cut with "...", inside its column; whole in its tooltip.
        const QString heading = table->horizontalHeaderItem(column)->text();
        const QString whole = QString::fromStdString(headings[static_cast<size_t>(column)]);
        EXPECT_EQ(ToolTipShown(table->horizontalHeaderItem(column)->toolTip()), whole.toStdString());
        EXPECT_TRUE(heading == whole || (heading.endsWith(u'\u2026') && whole.startsWith(heading.chopped(1))))
            << heading.toStdString();
        EXPECT_LE(header.fontMetrics().horizontalAdvance(heading), header.sectionSize(column) - headingMargins);
        if (header.fontMetrics().horizontalAdvance(whole) + headingMargins < header.sectionSize(column)) {
          EXPECT_EQ(heading, whole) << "cut though it has room";
        }
        // Names keep at least a third of the width; numbers are never cut (a cell's text has a
        // margin of 3 pixels on either side).
        const bool named = column == 0 || (table == window.ConfusionTable() && column == 1);
        if (named) {
          EXPECT_GE(header.sectionSize(column), table->viewport()->width() / 3) << column;
        }
        for (int row = 0; row < table->rowCount(); ++row) {
          const QTableWidgetItem& cell = *table->item(row, column);
          EXPECT_EQ(ToolTipShown(cell.toolTip()), cell.text().toStdString());
          if (!named) {
            EXPECT_GE(header.sectionSize(column), table->fontMetrics().horizontalAdvance(cell.text()) + 6) << column;
          }
        }
      }
    }
    if (language == 0) {
      EXPECT_EQ(window.ConfusionTable()->item(0, 1)->text(), "<b>Dominant</b> & seventh");
    }
  }
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
    ProgressWindow window(*database, &TaskTitle, &View());
    window.SetPeriod(1);
    window.resize(window.minimumSize());
    EXPECT_TRUE(window.grab().save(QString("/tmp/progress-%1.png").arg(name)));
  }
}

}  // namespace
