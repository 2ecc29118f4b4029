#include <gtest/gtest.h>

#include <filesystem>

#include "app/CChildView.h"
#include "app/LogView.h"
#include "app/TaskTable.h"
#include "commands/CommandIds.h"
#include "dialogs/CLogViewDialog.h"
#include "dialogs/CResetLogAskDialog.h"
#include "log/LogLines.h"
#include "log/LogTestSupport.h"
#include "log/ReportFile.h"
#include "log/ResultsLog.h"
#include "settings/ProgramSettings.h"
#include "support/AppFixture.h"
#include "text/LanguageTable.h"

namespace {

// The whole program with tasks whose statistics blocks are known.
class ResultsLogCommands : public AppFixture {
 protected:
  void SetUp() override {
    SetTaskMaker([](int type) { return std::make_unique<StatisticsTask>(TaskTypeAt(type).className); });
    StartProgram();
  }
  StatisticsTask& Task() { return static_cast<StatisticsTask&>(View().Task()); }
  // Counters, time meter and hint box as they are after a few answers.
  void AnswerSomeTasks() {
    resultsLog.push_back("answer line");
    Task().attempt = 2;
    Task().tasksGiven = 4;
    Task().solvedFirst = 2;
    Task().solvedThird = 1;
    Task().repeatsTotal = 3;
    elapsedTimeText = "03:12";
    View().SetControlText(cmd::kTimeMeter, "03:12");
    View().SetControlText(cmd::kHintBox, "Wrong key");
  }
  std::vector<std::string> ListShown(size_t run) const {
    return host.dialogs.at(run).controls.at(CLogViewDialog::kLogList).items;
  }
  std::vector<std::string> WithStatistics(std::vector<std::string> lines) {
    lines.push_back("Решено = " + std::to_string(Task().tasksGiven));
    lines.push_back("end of block");
    return lines;
  }
  const std::time_t now = LocalTimeT(2026, 12, 6, 11, 0, 9);
};

TEST_F(ResultsLogCommands, ShowingListsEveryLineWithTheStatisticsAndKeepsTheLogAsItWas) {
  AnswerSomeTasks();
  const std::vector<std::string> before = resultsLog;
  ShowLog(Task());  // closed with Escape
  host.dialogActions.push_back(ScriptedUiHost::Press(IDOK));  // closed with Enter
  ShowLog(Task());
  EXPECT_EQ(resultsLog, before);
  ASSERT_EQ(host.dialogs.size(), 2u);
  for (size_t run = 0; run < 2; ++run) {
    EXPECT_EQ(host.dialogs[run].templateId, CLogViewDialog::kTemplateId);
    EXPECT_EQ(host.dialogs[run].caption, T(177));
    EXPECT_TRUE(host.dialogs[run].unknownIds.empty());
    EXPECT_EQ(ListShown(run), WithStatistics(before)) << "run " << run;
  }
  EXPECT_EQ(host.dialogs[0].result, IDCANCEL);
  EXPECT_EQ(host.dialogs[1].result, IDOK);
  EXPECT_EQ(Task().tasksGiven, 4) << "showing counts nothing";
}

TEST_F(ResultsLogCommands, ClearingAsksByDefaultThenStartsANewLogOfEightLines) {
  AnswerSomeTasks();
  // The settings lines show the settings of the moment of clearing.
  maxDistance = 3;
  host.dialogActions.push_back(ScriptedUiHost::Press(CResetLogAskDialog::kClearButton));
  ASSERT_EQ(askBeforeExit, 2) << "first start: closing does not ask, clearing does";
  EXPECT_TRUE(ClearLog(Task(), now));

  ASSERT_EQ(host.dialogs.size(), 1u);
  const DialogRun& ask = host.dialogs[0];
  EXPECT_EQ(ask.templateId, CResetLogAskDialog::kTemplateId);
  EXPECT_EQ(ask.caption, T(173));
  EXPECT_EQ(ask.controls.at(CResetLogAskDialog::kClearButton).text, T(174));
  EXPECT_EQ(ask.controls.at(CResetLogAskDialog::kClearButton).kind, ControlKind::DefaultPushButton);
  EXPECT_EQ(ask.controls.at(CResetLogAskDialog::kCancelButton).text, T(9));

  ASSERT_EQ(resultsLog.size(), 8u);
  EXPECT_EQ(resultsLog[0], T(413) + " 06.12.2026, 11:00:09");
  EXPECT_EQ(resultsLog[1], DashRule());
  EXPECT_EQ(resultsLog[2], T(426) + TaskTypeAt(taskType).className);
  EXPECT_EQ(resultsLog[3], EqualsRule());
  EXPECT_EQ(resultsLog[4].rfind(T(94) + " = ", 0), 0u);
  EXPECT_EQ(resultsLog[5].rfind(T(414) + " ", 0), 0u);
  EXPECT_EQ(resultsLog[6].rfind(T(419) + " ", 0), 0u);
  EXPECT_EQ(resultsLog[7], T(111) + " = 3");

  // The statistics are discarded, not written; counters, time meter and hint box start again.
  EXPECT_EQ(Task().statisticsWritten, 0);
  EXPECT_EQ(Task().attempt, 0);
  EXPECT_EQ(Task().tasksGiven, 0);
  EXPECT_EQ(Task().solvedFirst, 0);
  EXPECT_EQ(Task().solvedThird, 0);
  EXPECT_EQ(Task().repeatsTotal, 0);
  EXPECT_EQ(elapsedTimeText, "00:00");
  EXPECT_EQ(View().ControlText(cmd::kTimeMeter), "00:00");
  EXPECT_EQ(View().ControlText(cmd::kHintBox), T(115));
}

TEST_F(ResultsLogCommands, ClearingGivesTheStartUpLinesAgain) {
  std::vector<std::string> startLines = resultsLog;
  ASSERT_EQ(startLines.size(), 8u);
  AnswerSomeTasks();
  askBeforeExit = 0;
  EXPECT_TRUE(ClearLog(Task(), now));
  EXPECT_TRUE(host.dialogs.empty()) << "switched off in the warning settings: no question";
  startLines[0] = T(413) + " 06.12.2026, 11:00:09";
  EXPECT_EQ(resultsLog, startLines);
}

TEST_F(ResultsLogCommands, CancellingTheQuestionChangesNothing) {
  AnswerSomeTasks();
  askBeforeExit = 1;
  const std::vector<std::string> before = resultsLog;
  host.dialogActions.push_back(ScriptedUiHost::Press(CResetLogAskDialog::kCancelButton));
  EXPECT_FALSE(ClearLog(Task(), now));
  EXPECT_FALSE(ClearLog(Task(), now));  // Escape or the close box
  ASSERT_EQ(host.dialogs.size(), 2u);
  EXPECT_EQ(resultsLog, before);
  EXPECT_EQ(Task().statisticsWritten, 0);
  EXPECT_EQ(Task().tasksGiven, 4);
  EXPECT_EQ(Task().attempt, 2);
  EXPECT_EQ(elapsedTimeText, "03:12");
  EXPECT_EQ(View().ControlText(cmd::kTimeMeter), "03:12");
  EXPECT_EQ(View().ControlText(cmd::kHintBox), "Wrong key");
}

TEST_F(ResultsLogCommands, ClearingWhileAToolIsCurrentStillWritesItsHeader) {
  View().CreateTask(kFirstToolType);
  ASSERT_EQ(resultsLog.back(), "end of block") << "a chosen tool writes no header of its own";
  askBeforeExit = 0;
  EXPECT_TRUE(ClearLog(Task(), now));
  ASSERT_EQ(resultsLog.size(), 8u);
  EXPECT_EQ(resultsLog[2], T(426) + TaskTypeAt(kFirstToolType).className);
}

TEST_F(ResultsLogCommands, ShowSaveClearShowSequence) {
  AnswerSomeTasks();
  const std::vector<std::string> start = resultsLog;
  ShowLog(Task());
  EXPECT_EQ(ListShown(0), WithStatistics(start));
  host.fileAnswers.push_back((dir.Path() / "report.txt").string());
  ASSERT_TRUE(SaveLogAsText(Task(), now));
  const std::string saved = T(425) + " 06.12.2026, 11:00:09";
  std::vector<std::string> afterSave = start;
  afterSave.push_back(saved);
  EXPECT_EQ(resultsLog, afterSave);

  host.dialogActions.push_back(ScriptedUiHost::Press(CResetLogAskDialog::kClearButton));
  ASSERT_TRUE(ClearLog(Task(), now));
  const std::vector<std::string> cleared = resultsLog;
  ShowLog(Task());
  ASSERT_EQ(host.dialogs.size(), 3u);
  EXPECT_EQ(ListShown(2), WithStatistics(cleared)) << "the saved line went with the clear";
  EXPECT_EQ(resultsLog, cleared);
  EXPECT_EQ(Task().statisticsWritten, 3) << "show, save, show; clearing writes none";
}

}  // namespace
