#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/CChildView.h"
#include "commands/CommandIds.h"
#include "dialogs/CExitDialog.h"
#include "dialogs/COptionsDialog.h"
#include "platform/Clock.h"
#include "platform/qt/TerminationSignals.h"
#include "settings/CSettingsBank.h"
#include "settings/ProgramSettings.h"
#include "support/AppFixture.h"
#include "text/LanguageTable.h"
#include "text/TextIds.h"

namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Ticks the exit dialog's check box (when asked), then presses one of its buttons.
DialogAction ExitDialogAnswer(bool tickDontAsk, int button) {
  return [=](CDialog& dialog, DialogControls& controls) {
    if (tickDontAsk) controls.SetChecked(CExitDialog::kDontAskBox, true);
    dialog.OnCommand(button);
  };
}

class Shutdown : public AppFixture {
 protected:
  // A close request as the close box, Alt+F4 and the Exit item make it; true when the window closed.
  bool RequestClose() {
    QCloseEvent event;
    QApplication::sendEvent(&Frame(), &event);
    return event.isAccepted();
  }
};

TEST_F(Shutdown, FirstStartPlacesTheWindowTopLeftAndClosesWithoutAsking) {
  StartProgram();
  EXPECT_EQ(Frame().pos(), QPoint(0, 0));
  EXPECT_EQ(Frame().size(), QSize(722, 450));
  EXPECT_EQ(Frame().minimumSize(), QSize(722, 450));
  EXPECT_EQ(Frame().windowTitle(), "Aurelo");
  EXPECT_TRUE(RequestClose());
  EXPECT_TRUE(host.dialogs.empty()) << "askBeforeExit starts at 2, which is not 1";
  // The settings file of the first start: the defaults, 1254 bytes.
  const std::vector<uint8_t> bytes = ReadBytes("AureloSettings.dat");
  ASSERT_EQ(bytes.size(), 1254u);
  EXPECT_EQ(bytes[200], 0);   // English
  EXPECT_EQ(bytes[201], 2);   // no exit question yet
  EXPECT_EQ(bytes[204], 21);  // 100 Andante
  EXPECT_EQ(bytes[207], 5);
  EXPECT_EQ(bytes[209], 100);
  EXPECT_TRUE(fs::exists("TimeLog.txt"));
}

TEST_F(Shutdown, ReturnToProgramWithTheBoxTickedStaysOpenAndStopsAsking) {
  askBeforeExit = 1;
  StartProgram();
  host.dialogActions.push_back(ExitDialogAnswer(true, CExitDialog::kReturnButton));
  EXPECT_FALSE(RequestClose());
  ASSERT_EQ(host.dialogs.size(), 1u);
  EXPECT_EQ(host.dialogs[0].templateId, 216);
  EXPECT_EQ(host.dialogs[0].caption, T(178));
  EXPECT_EQ(host.dialogs[0].controls.at(CExitDialog::kDontAskBox).text, T(180));
  EXPECT_FALSE(host.dialogs[0].controls.at(CExitDialog::kDontAskBox).checked) << "the box starts cleared";
  EXPECT_EQ(askBeforeExit, 0);
  EXPECT_FALSE(fs::exists("AureloSettings.dat"));
  EXPECT_FALSE(fs::exists("TimeLog.txt"));
  // The next close does not ask.
  EXPECT_TRUE(RequestClose());
  EXPECT_EQ(host.dialogs.size(), 1u);
  EXPECT_EQ(ReadBytes("AureloSettings.dat")[201], 0);
}

TEST_F(Shutdown, ExitWithoutTickKeepsAskingNextTime) {
  askBeforeExit = 1;
  StartProgram();
  host.dialogActions.push_back(ExitDialogAnswer(false, CExitDialog::kExitButton));
  EXPECT_TRUE(RequestClose());
  EXPECT_EQ(askBeforeExit, 1);
  EXPECT_EQ(ReadBytes("AureloSettings.dat")[201], 1);
}

TEST_F(Shutdown, EscapeReturnsToTheProgram) {
  askBeforeExit = 1;
  StartProgram();
  EXPECT_FALSE(RequestClose());  // no scripted answer: the user presses Escape
  EXPECT_EQ(askBeforeExit, 1);
}

// Logging out sends SIGTERM: the window closes without the question, keeping settings and time log.
TEST_F(Shutdown, TerminationSignalClosesWithoutAskingAndKeepsTheFiles) {
  askBeforeExit = 1;
  StartProgram();
  Frame().show();
  {
    TerminationSignals termination([this] { Frame().EndSession(); });
    ASSERT_EQ(std::raise(SIGTERM), 0);
    for (int i = 0; i < 50 && Frame().isVisible(); ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  EXPECT_FALSE(Frame().isVisible());
  EXPECT_TRUE(host.dialogs.empty());
  EXPECT_EQ(ReadBytes("AureloSettings.dat").size(), CSettingsBank::kFileBytes);
  EXPECT_TRUE(fs::exists("TimeLog.txt"));
}

// A logout while a playback waits ends the wait at once; the request is carried out afterwards.
TEST_F(Shutdown, TerminationSignalEndsAPlaybackWait) {
  bool ended = false;
  TerminationSignals termination([&ended] { ended = true; });
  ASSERT_EQ(std::raise(SIGTERM), 0);
  SystemClock clock;
  const uint32_t before = clock.NowMs();
  clock.WaitMs(60000);
  clock.WaitMs(60000);  // the rest of the playback's waits do not wait either
  EXPECT_LT(clock.NowMs() - before, 10000u);
  EXPECT_FALSE(ended);
  for (int i = 0; i < 50 && !ended; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  EXPECT_TRUE(ended);
}

// A start that died while it built the stored task leaves its guard file: the next start
// begins with the first task and says why, once; a start that gets through removes the guard.
TEST_F(Shutdown, StartThatDiedBuildingTheStoredTaskBeginsWithTheFirstTask) {
  taskType = 8;
  std::ofstream("AureloStarting.tmp") << "2147483647 8\n";  // a process that no longer runs
  StartProgram();
  View().OnTimer(cmd::kTimerDeferredStart);
  EXPECT_EQ(taskType, 0);
  ASSERT_EQ(host.messageBoxes.size(), 1u);
  EXPECT_EQ(host.messageBoxes[0].text, T(txt::kStoredTaskNotStarted));
  EXPECT_FALSE(fs::exists("AureloStarting.tmp"));
  EXPECT_TRUE(RequestClose());
  EXPECT_EQ(ReadBytes("AureloSettings.dat")[202], 0);
}

// A FIFO where the guard goes neither holds the start nor counts as a start that died.
TEST_F(Shutdown, AFifoInPlaceOfTheStartGuardHoldsNothing) {
  taskType = 8;
  ASSERT_EQ(::mkfifo("AureloStarting.tmp", 0600), 0);
  StartProgram();
  View().OnTimer(cmd::kTimerDeferredStart);
  EXPECT_EQ(taskType, 8);
  EXPECT_TRUE(host.messageBoxes.empty());
  EXPECT_FALSE(fs::exists("AureloStarting.tmp"));
}

TEST_F(Shutdown, StoredRectangleIsRestoredAndStoredAgain) {
  windowRect = {40, 30, 940, 630};
  StartProgram();
  EXPECT_EQ(Frame().pos(), QPoint(40, 30));
  EXPECT_EQ(Frame().size(), QSize(900, 600));
  Frame().resize(800, 500);
  EXPECT_TRUE(RequestClose());
  CSettingsBank saved;
  ASSERT_TRUE(saved.FromBytes(ReadBytes("AureloSettings.dat")));
  EXPECT_EQ(saved.window.Width(), 800);
  EXPECT_EQ(saved.window.Height(), 500);
}

TEST_F(Shutdown, SettingsFromTheFileReachTheProgram) {
  languageIndex = 2;
  taskType = 8;
  tempoIndex = 30;
  CSettingsBank bank;
  bank.CopyFromProgramSettings();
  ASSERT_TRUE(bank.SaveSettings("AureloSettings.dat"));
  ResetProgramSettings();
  StartProgram();
  EXPECT_EQ(languageIndex, 2);
  EXPECT_EQ(T(27), languageTable.Text(27));
  EXPECT_EQ(Frame().windowTitle().toStdString(), T(0));
  EXPECT_EQ(taskType, 8);
  EXPECT_EQ(tempoIndex, 30);
}

TEST_F(Shutdown, MissingLanguageFileEndsWithCodeFourAndWritesNothing) {
  fs::remove("lang_files/english.lng");
  try {
    StartProgram();
    FAIL() << "the program went on without its language file";
  } catch (const ProcessExit& exit) {
    EXPECT_EQ(exit.code, 4);
  }
  ASSERT_EQ(host.messageBoxes.size(), 1u);
  EXPECT_EQ(host.messageBoxes[0].caption, "Error!");
  EXPECT_EQ(host.messageBoxes[0].text.substr(0, 49), "It is impossible to open english.lng file in <lan");
  EXPECT_NE(host.messageBoxes[0].text.find("\n\nFolders searched:\n" + fs::absolute("lang_files").string() + "\n"),
            std::string::npos);
  EXPECT_FALSE(fs::exists("AureloSettings.dat"));
  EXPECT_FALSE(fs::exists("TimeLog.txt"));
}

TEST_F(Shutdown, LanguageIndexAboveFourGivesTheGeneralMessage) {
  languageIndex = 7;
  EXPECT_THROW(StartProgram(), ProcessExit);
  ASSERT_EQ(host.messageBoxes.size(), 1u);
  EXPECT_EQ(host.messageBoxes[0].text.substr(0, 40), "It is impossible to open *.lng file in <");
  EXPECT_EQ(host.exitCode, 4);
}

TEST_F(Shutdown, ChoosingALanguageWhoseFileIsMissingEndsTheProgram) {
  StartProgram();
  fs::remove("lang_files/russian.lng");
  EXPECT_THROW(Frame().OnCommand(cmd::kLangRussian), ProcessExit);
  EXPECT_EQ(host.messageBoxes.back().text.rfind("Невозможно открыть файл russian.lng", 0), 0u);
}

class WarningSettingsDialog : public AppFixture {};

TEST_F(WarningSettingsDialog, ApplyWithoutChangeOnFirstStartTurnsQuestionsOn) {
  StartProgram();
  host.dialogActions.push_back(ScriptedUiHost::Press(IDOK));
  Frame().OnCommand(cmd::kWarningSettings);
  ASSERT_EQ(host.dialogs.size(), 1u);
  EXPECT_EQ(host.dialogs[0].templateId, 217);
  EXPECT_EQ(host.dialogs[0].controls.at(COptionsDialog::kNoWarningBox).text, T(176));
  EXPECT_EQ(host.dialogs[0].controls.at(IDCANCEL).text, T(9));
  EXPECT_EQ(host.dialogs[0].controls.at(IDOK).text, T(12));
  EXPECT_FALSE(host.dialogs[0].controls.at(COptionsDialog::kNoWarningBox).checked);
  EXPECT_EQ(askBeforeExit, 1);
}

TEST_F(WarningSettingsDialog, CancelKeepsEvenTheFirstStartValue) {
  StartProgram();
  host.dialogActions.push_back([](CDialog& dialog, DialogControls& controls) {
    controls.SetChecked(COptionsDialog::kNoWarningBox, true);
    dialog.OnCommand(IDCANCEL);
  });
  Frame().OnCommand(cmd::kWarningSettings);
  EXPECT_EQ(askBeforeExit, 2);
}

TEST_F(WarningSettingsDialog, TickedBoxShowsWhenQuestionsAreOffAndApplySwitchesThemOn) {
  askBeforeExit = 0;
  StartProgram();
  host.dialogActions.push_back([](CDialog& dialog, DialogControls& controls) {
    EXPECT_TRUE(controls.Checked(COptionsDialog::kNoWarningBox));
    controls.SetChecked(COptionsDialog::kNoWarningBox, false);
    dialog.OnCommand(IDOK);
  });
  Frame().OnCommand(cmd::kWarningSettings);
  EXPECT_EQ(askBeforeExit, 1);
}

}  // namespace

TEST_F(Shutdown, ARectangleOffEveryScreenOpensOnThePrimaryScreenClamped) {
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  windowRect = {area.right() + 3000, 40, area.right() + 3000 + area.width() + 200, 40 + 500};
  StartProgram();
  EXPECT_EQ(Frame().pos(), area.topLeft());
  EXPECT_EQ(Frame().size(), QSize(area.width(), 500));
}
