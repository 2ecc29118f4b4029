#include <QApplication>
#include <QMouseEvent>
#include <filesystem>

#include "app/CChildView.h"
#include "app/CControlBar.h"
#include "app/TaskTable.h"
#include "commands/CommandIds.h"
#include "log/LogLines.h"
#include "log/ResultsLog.h"
#include "settings/ProgramSettings.h"
#include "support/AppFixture.h"
#include "text/LanguageTable.h"

namespace {

void SendMouse(QWidget& w, QEvent::Type type, Qt::MouseButton button, QPoint at) {
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
  QMouseEvent e(type, at, w.mapToGlobal(at), button, held, Qt::NoModifier);
  QApplication::sendEvent(&w, &e);
}

class ViewDispatch : public AppFixture {
 protected:
  void SetUp() override {
    spyTypes = {0, 3};
    StartProgram();
    View().resize(722, 300);
    calls.clear();
  }
};

TEST_F(ViewDispatch, LeftClicksCallButtonDownBeforeAnswerClick) {
  SendMouse(View(), QEvent::MouseButtonPress, Qt::LeftButton, {30, 50});
  SendMouse(View(), QEvent::MouseButtonRelease, Qt::LeftButton, {30, 50});
  SendMouse(View(), QEvent::MouseButtonDblClick, Qt::LeftButton, {31, 51});
  EXPECT_EQ(calls, (std::vector<std::string>{"OnLButtonDown(30,50)", "OnAnswerClick(30,50)", "OnLButtonUp",
                                             "OnLButtonDown(31,51)", "OnAnswerClick(31,51)"}));
}

TEST_F(ViewDispatch, RightButtonDownSilencesAfterTheTask) {
  SendMouse(View(), QEvent::MouseButtonPress, Qt::RightButton, {5, 5});
  SendMouse(View(), QEvent::MouseButtonRelease, Qt::RightButton, {5, 5});
  SendMouse(View(), QEvent::MouseButtonDblClick, Qt::RightButton, {5, 5});
  EXPECT_EQ(calls, (std::vector<std::string>{"OnRButtonDown", "AllNotesOff", "OnRButtonUp", "OnRButtonDblClk"}));
}

TEST_F(ViewDispatch, ButtonsActOnlyWhileTheTaskEnablesThem) {
  Frame().OnCommand(cmd::kListenNew);
  Frame().OnCommand(cmd::kListenAgain);  // listenAgainEnabled is 0 on a fresh task
  EXPECT_EQ(calls, (std::vector<std::string>{"OnListenNew"}));

  View().Task().newTaskEnabled = false;
  View().Task().listenAgainEnabled = true;
  calls.clear();
  Frame().OnCommand(cmd::kListenNew);
  Frame().OnCommand(cmd::kListenAgain);
  EXPECT_EQ(calls, (std::vector<std::string>{"OnListenAgain"}));
  EXPECT_FALSE(Frame().ControlBar().IsControlEnabled(cmd::kListenNew));
  EXPECT_TRUE(Frame().ControlBar().IsControlEnabled(cmd::kListenAgain));
}

TEST_F(ViewDispatch, KeysAndTaskButtonsReachTheirOperations) {
  Frame().OnCommand(cmd::kEnter);
  Frame().OnCommand(cmd::kMute);
  Frame().OnCommand(107);
  Frame().OnCommand(113);
  EXPECT_EQ(calls, (std::vector<std::string>{"OnEnterKey", "AllNotesOff", "OnTaskButton1", "OnTaskButton7"}));
}

TEST_F(ViewDispatch, PaintStoresTheClientRectAndDrawsThenWritesMessages) {
  View().Invalidate();
  View().UpdateWindow();
  EXPECT_EQ(calls, (std::vector<std::string>{"Draw", "DrawMessages"}));
  EXPECT_EQ(View().Task().clientRect, (Rect{0, 0, 722, 300}));
}

TEST_F(ViewDispatch, MenuItemsReachTheirHandlers) {
  Frame().UpdateMenuEnabling();
  // The hardware keyboard's items are enabled even with the keyboard off: they say how to switch it on.
  for (int id : {cmd::kHardwareSequencer, cmd::kMeasureKeyboardRange}) {
    EXPECT_TRUE(Frame().ActionFor(id)->isEnabled()) << id;
  }
  EXPECT_TRUE(Frame().ActionFor(cmd::kExit)->isEnabled());
  // Every other item of the menu reaches a handler of the view or of the frame.
  for (int id : {32809, 32806, 32962, cmd::kTeacherMelodies37, cmd::kTeacherLevel2, 32794, 32852, 33004, 32964, 32969, 32826, 32966, 32981, 32986, 32929, 32931,
                 32933, 32945, 32971, 32987, 32990, 105, 32863, 32958, 32956, 32977, 32979, 32923, 32985}) {
    EXPECT_TRUE(View().HasHandler(id)) << id;
  }
}

class TaskCreation : public AppFixture {
 protected:
  void SetUp() override { spyTypes = {0, 3, 8, 24, 28, 29}; }
  // Starts the program, then marks the texts of the task header and statistics lines.
  void Start() {
    StartProgram();
    for (int id : {426, 428, 431, 433, 434, 436}) languageTable.SetText(id, "T" + std::to_string(id));
  }
};

TEST_F(TaskCreation, StartupWritesHeaderSettingsAndTheStoredTask) {
  taskType = 24;  // a tool still gets its header at start-up
  StartProgram();
  ASSERT_EQ(resultsLog.size(), 8u);
  EXPECT_EQ(resultsLog[1], DashRule());
  EXPECT_EQ(resultsLog[2].substr(resultsLog[2].size() - 20), "CSequencerRealTime13");
  EXPECT_EQ(resultsLog[3], std::string(75, '='));
  EXPECT_TRUE(calls.empty()) << "Start waits for the deferred start";
}

TEST_F(TaskCreation, NewTaskWritesOldStatisticsThenItsHeaderThenStarts) {
  Start();
  const size_t before = resultsLog.size();
  View().Task().tasksGiven = 5;
  View().Task().solvedFirst = 2;
  View().Task().solvedSecond = 1;
  View().Task().solvedThird = 1;
  View().Task().repeatsTotal = 3;
  elapsedTimeText = "01:02";
  Frame().OnCommand(32787);  // 37 keys, four tones
  EXPECT_EQ(LogFrom(before), (std::vector<std::string>{
                                 std::string(36, ' '), "T428 = 5 / 4", "T431 = 2 / 1 / 1", "T433 = 1", "T434 = 3",
                                 "T43601:02", DashRule(), "T426MonoMelodyTest37_4", std::string(75, '=')}));
  EXPECT_EQ(calls, (std::vector<std::string>{"Start"}));
  EXPECT_EQ(taskType, 8);
  EXPECT_TRUE(View().Task().statisticsEnabled);
}

TEST_F(TaskCreation, ToolsGetNoHeaderAndTheRunningMetronomeIsKept) {
  StartProgram();
  size_t before = resultsLog.size();
  Frame().OnCommand(32966);  // metronome
  EXPECT_EQ(LogFrom(before).size(), 7u) << "only the statistics of the task before";
  CAbstractT* metronome = &View().Task();
  metronome->playbackMode = kMetronomePlayback;
  before = resultsLog.size();
  calls.clear();
  Frame().OnCommand(32966);
  EXPECT_EQ(&View().Task(), metronome);
  EXPECT_TRUE(calls.empty());
  EXPECT_EQ(resultsLog.size(), before);
}

TEST_F(TaskCreation, ChoosingTheCurrentTaskAgainMakesAFreshObject) {
  Start();
  Frame().OnCommand(32815);
  CAbstractT* first = &View().Task();
  first->tasksGiven = 1;
  const size_t before = resultsLog.size();
  Frame().OnCommand(32815);
  EXPECT_EQ(View().Task().tasksGiven, 0);
  EXPECT_EQ(LogFrom(before).size(), 9u);
  EXPECT_EQ(resultsLog[before + 1], "T428 = 1 / 0");
}

TEST_F(TaskCreation, StoredTaskTypesOutsideTheTableStartTypeZeroAndStayStored) {
  taskType = TaskTypeCount();
  StartProgram();
  EXPECT_EQ(resultsLog[2].substr(resultsLog[2].size() - 18), "MonoMelodyTest13_0");
  EXPECT_EQ(taskType, TaskTypeCount());
  taskType = 29;
  resultsLog.clear();
  StartProgram();
  EXPECT_EQ(resultsLog[2].substr(resultsLog[2].size() - 17), "CSetMidiKbdRangeT");
}

TEST_F(TaskCreation, StatisticsOfAnUntouchedTaskAreZeros) {
  Start();
  const size_t before = resultsLog.size();
  View().Task().WriteStatistics();
  EXPECT_EQ(LogFrom(before), (std::vector<std::string>{std::string(36, ' '), "T428 = 0 / 0", "T431 = 0 / 0 / 0",
                                                        "T433 = 0", "T434 = 0", "T43600:00", DashRule()}));
  View().Task().statisticsEnabled = false;
  View().Task().WriteStatistics();
  EXPECT_EQ(resultsLog.size(), before + 7);
}

class ViewTimers : public AppFixture {
 protected:
  void SetUp() override {
    spyTypes = {0};
    StartProgram();
  }
};

TEST_F(ViewTimers, DeferredStartOpensThenStartsTimersAndTheTask) {
  EXPECT_TRUE(View().IsTimerActive(cmd::kTimerDeferredStart));
  EXPECT_FALSE(View().IsTimerActive(cmd::kTimerTimeMeter));
  View().OnTimer(cmd::kTimerDeferredStart);
  EXPECT_FALSE(View().IsTimerActive(cmd::kTimerDeferredStart));
  EXPECT_TRUE(View().IsTimerActive(cmd::kTimerVolumeReady));
  EXPECT_TRUE(View().IsTimerActive(cmd::kTimerTimeMeter));
  EXPECT_EQ(calls, (std::vector<std::string>{"Start"}));
  EXPECT_FALSE(View().VolumeReady());
  View().OnTimer(cmd::kTimerVolumeReady);
  EXPECT_TRUE(View().VolumeReady());
  EXPECT_FALSE(View().IsTimerActive(cmd::kTimerVolumeReady));
}

TEST_F(ViewTimers, TimeMeterCountsFromTheFirstTaskOnly) {
  View().OnTimer(cmd::kTimerDeferredStart);
  View().SetControlText(cmd::kTimeMeter, "00:07");
  clock.Advance(3000);
  View().OnTimer(cmd::kTimerTimeMeter);
  EXPECT_EQ(View().ControlText(cmd::kTimeMeter), "00:07") << "no task given yet";

  View().Task().tasksGiven = 1;
  View().SetClockStart(clock.NowMs());
  clock.Advance(3725 * 1000 + 999);
  View().OnTimer(cmd::kTimerTimeMeter);
  EXPECT_EQ(View().ControlText(cmd::kTimeMeter), "62:05");
  EXPECT_EQ(elapsedTimeText, "62:05");

  // A clock behind the start counts as no time at all.
  View().SetClockStart(clock.NowMs() + 10000);
  View().OnTimer(cmd::kTimerTimeMeter);
  EXPECT_EQ(elapsedTimeText, "00:00");
}

}  // namespace

namespace {

class LogCommands : public AppFixture {
 protected:
  void SetUp() override {
    spyTypes = {0};
    StartProgram();
  }
};

TEST_F(LogCommands, SaveShowAndClearReachTheirDialogs) {
  const std::string report = (dir.Path() / "report.txt").string();
  host.fileAnswers.push_back(report);
  Frame().OnCommand(cmd::kSaveLog);
  ASSERT_EQ(host.fileRequests.size(), 1u);
  EXPECT_EQ(host.fileRequests[0].defaultExt, "txt");
  EXPECT_TRUE(std::filesystem::exists(report));

  Frame().OnCommand(cmd::kShowLog);
  ASSERT_EQ(host.dialogs.size(), 1u);
  EXPECT_EQ(host.dialogs[0].templateId, 214);

  host.dialogActions.push_back(ScriptedUiHost::Press(IDOK));
  Frame().OnCommand(cmd::kClearLog);
  EXPECT_EQ(host.dialogs.back().templateId, 218);
  EXPECT_EQ(resultsLog.size(), 8u);
}

}  // namespace
