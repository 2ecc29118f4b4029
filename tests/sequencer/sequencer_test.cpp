#include <QCoreApplication>
#include <cerrno>
#include <cstring>

#include "platform/FileWrite.h"
#include "platform/ModalDriver.h"
#include "platform/ScopedHome.h"
#include "platform/TestFolder.h"
#include "platform/qt/QtDialog.h"
#include "platform/qt/QtUiHost.h"
#include "sequencer/CSeqDialog.h"
#include "sequencer/CSequencerRealTime.h"
#include "sequencer/SeqTestSupport.h"
#include "text/LanguageTable.h"
#include "text/TextIds.h"

namespace {

using namespace seq_test;

// The recording settings as the user sets them, then "Start recording".
DialogAction Settings(bool startAgain, int measures, int quantize, int channel, bool eraseChannel = true,
                      const std::string& title = "") {
  return [=](CDialog& dialog, DialogControls& c) {
    c.SetChecked(CSeqDialog::kStartAgainBox, startAgain);
    dialog.OnCommand(CSeqDialog::kStartAgainBox);
    c.SetCurSel(CSeqDialog::kSignatureList, 3);
    c.SetText(CSeqDialog::kMeasuresBox, std::to_string(measures));
    c.SetCurSel(CSeqDialog::kQuantizeList, quantize);
    c.SetCurSel(CSeqDialog::kChannelList, channel);
    c.SetChecked(CSeqDialog::kEraseChannelBox, eraseChannel);
    c.SetText(CSeqDialog::kTitleBox, title);
    dialog.OnCommand(IDOK);
  };
}

class SequencerTest : public SeqApp {
 protected:
  CPianoBase& Piano() { return dynamic_cast<CPianoBase&>(Task()); }
  CSequencer& Seq() { return dynamic_cast<CSequencer&>(Task()); }
  void Press(int key) {
    const Rect b = Piano().KeyRegion(key).Bounds();
    Point p{(b.left + b.right) / 2, b.bottom - 4};
    MouseFlags flags = 0;
    Task().OnLButtonDown(flags, p);
    ASSERT_EQ(Task().pressedKey, key);
  }
  // Steps the timer until the current tick is reached.
  void StepTo(int tick) {
    while (Task().currentTick < tick && Task().timerRunning) timers.Step();
  }
};

TEST_F(SequencerTest, RecordsOverTheCountInWithQuantisation) {
  Open(25);
  EXPECT_EQ(View().ControlText(cmd::kTaskButton1), T(16));
  EXPECT_EQ(View().ControlText(cmd::kTaskButton1 + 2), T(18));
  EXPECT_EQ(Frame().ControlBar().ControlText(cmd::kListenAgain), T(88));

  host.dialogActions.push_back(Settings(true, 2, 3, 0, true, "My song"));
  const uint32_t start = clock.NowMs();
  Command(cmd::kListenAgain);
  ASSERT_EQ(host.dialogs.size(), 1u);
  EXPECT_TRUE(host.dialogs[0].controls.at(CSeqDialog::kStartAgainBox).checked);
  EXPECT_EQ(host.dialogs[0].caption, T(159));
  EXPECT_TRUE(Task().recording);
  EXPECT_EQ(Task().lastTick, 96);
  EXPECT_EQ(Task().currentTick, -96);
  EXPECT_EQ(fragmentTitle, "My_song");

  StepTo(-4);
  Press(5);  // too early: sounds, not recorded
  StepTo(-2);
  Press(7);  // recorded at 0
  StepTo(27);
  Press(9);  // 24
  StepTo(28);
  Press(10);  // 30
  std::vector<Heard> heard = NotesFrom(start);
  // The count-in: an accented click, then one click a beat; the pressed keys on channel 0.
  std::vector<Heard> clicks;
  std::vector<Heard> keys;
  for (const Heard& h : heard) (h.channel == 9 ? clicks : keys).push_back(h);
  ASSERT_GE(clicks.size(), 8u);
  for (size_t i = 0; i < 8; ++i) EXPECT_EQ(clicks[i], (Heard{9, 37, static_cast<int>(i) * 12}));
  EXPECT_EQ(keys, (std::vector<Heard>{{0, 41, 92}, {0, 43, 94}, {0, 45, 123}, {0, 46, 124}}));

  StepTo(200);
  EXPECT_FALSE(Task().timerRunning);
  EXPECT_FALSE(Task().recording);
  EXPECT_FALSE(Task().playing);
  EXPECT_EQ(Task().events, (std::vector<NoteEvent>{{0, 0, 7}, {0, 24, 9}, {0, 30, 10}}));

  // Channel 1 over the playback of channel 0; the second dialog offers "Start again" unchecked.
  host.dialogActions.push_back([](CDialog& dialog, DialogControls& c) {
    c.SetCurSel(CSeqDialog::kChannelList, 1);
    c.SetCurSel(CSeqDialog::kQuantizeList, 6);
    dialog.OnCommand(IDOK);
  });
  Command(cmd::kListenAgain);
  EXPECT_FALSE(host.dialogs[1].controls.at(CSeqDialog::kStartAgainBox).checked);
  EXPECT_FALSE(host.dialogs[1].controls.at(CSeqDialog::kSignatureList).enabled);
  EXPECT_EQ(host.dialogs[1].controls.at(CSeqDialog::kTitleBox).text, "My song");
  const uint32_t second = clock.NowMs();
  StepTo(-3);
  Press(12);  // grid 1/24: -2
  StepTo(200);
  keys.clear();
  for (const Heard& h : NotesFrom(second)) {
    if (h.channel != 9) keys.push_back(h);
  }
  EXPECT_EQ(keys, (std::vector<Heard>{{1, 48, 93}, {0, 43, 96}, {0, 45, 120}, {0, 46, 126}}));
  EXPECT_EQ(Task().events.back(), (NoteEvent{1, -2, 12}));

  // Erasing the recording channel keeps the other channel; "Record" twice stops, the third opens again.
  host.dialogActions.push_back(Settings(false, 2, 3, 0));
  Command(cmd::kListenAgain);
  EXPECT_EQ(Task().events, (std::vector<NoteEvent>{{1, -2, 12}}));
  Command(cmd::kListenAgain);
  EXPECT_FALSE(Task().playing);
  EXPECT_FALSE(Task().timerRunning);
  EXPECT_EQ(host.dialogs.size(), 3u);
  Command(cmd::kListenAgain);  // no scripted answer: cancelled
  EXPECT_EQ(host.dialogs.size(), 4u);
  EXPECT_FALSE(Task().playing);
}

TEST_F(SequencerTest, SavesLoadsAndRefusesWideFragmentsOnOneOctave) {
  Open(24);
  host.dialogActions.push_back(Settings(true, 1, 0, 0, true, "Etude 1"));
  Command(cmd::kListenAgain);
  StepTo(0);
  Press(5);
  StepTo(12);
  Press(7);
  StepTo(100);
  ASSERT_EQ(Task().events, (std::vector<NoteEvent>{{0, 0, 5}, {0, 12, 7}}));

  const std::string path = (dir.Path() / "etude.aro").string();
  host.fileAnswers.push_back(path);
  Command(cmd::kTaskButton1 + 1);  // save as
  EXPECT_EQ(host.fileRequests.back().caption, T(347));
  const std::string expected =
      "song_name Etude_1\r\nsignature_index 3\r\npatch_list 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0\r\n"
      "velocity_list 127 127 127 127 127 127 127 127 127 127 127 127 127 127 127 127\r\n0 0 5\r\n0 12 7\r\n";
  EXPECT_EQ(ReadFile(path), expected);
  std::filesystem::remove(path);
  Command(cmd::kTaskButton1 + 2);  // save: to the same path, no dialog
  EXPECT_EQ(host.fileRequests.size(), 1u);
  EXPECT_EQ(ReadFile(path), expected);

  host.fileAnswers.push_back(WriteFile("wide.aro", "0 0 5 0 12 13"));
  Command(cmd::kTaskButton1);
  ASSERT_EQ(host.messageBoxes.size(), 1u);
  EXPECT_EQ(host.messageBoxes[0].caption, T(359));
  EXPECT_EQ(host.messageBoxes[0].text, T(360));
  EXPECT_TRUE(Task().events.empty());
  EXPECT_EQ(Task().lastTick, 0);

  host.fileAnswers.push_back(path);
  Command(cmd::kTaskButton1);
  EXPECT_EQ(Task().events, (std::vector<NoteEvent>{{0, 0, 5}, {0, 12, 7}}));
  EXPECT_TRUE(Seq().filePath.empty());
  // Playback on the one-octave piano sounds two octaves up, with the clicks.
  out->Clear();
  const uint32_t start = clock.NowMs();
  Command(cmd::kListenNew);
  StepTo(100);
  std::vector<Heard> keys;
  for (const Heard& h : NotesFrom(start)) {
    if (h.channel != 9) keys.push_back(h);
  }
  EXPECT_EQ(keys, (std::vector<Heard>{{0, 65, 0}, {0, 67, 12}}));
}

TEST_F(SequencerTest, SavesThatFailSaySoAndKeepTheFragmentAndItsPath) {
  Open(25);
  const std::vector<NoteEvent> fragment = {{0, 0, 24}, {0, 12, 28}};
  Task().events = fragment;
  Task().lastTick = 24;
  const auto expectError = [this](const std::string& path, int error) {
    ASSERT_FALSE(host.messageBoxes.empty());
    EXPECT_EQ(host.messageBoxes.back().caption, "Error!");
    EXPECT_EQ(host.messageBoxes.back().text, T(txt::kFileUnwritable) + path + "\n\n" + std::strerror(error));
    host.messageBoxes.clear();
  };
  // A regular file where the folder should be stops every user, the superuser too.
  const std::string underFile = WriteFile("plain", "p") + "/etude.aro";
  host.fileAnswers.push_back(underFile);
  Command(cmd::kTaskButton1 + 1);  // save as
  expectError(underFile, ENOTDIR);
  EXPECT_TRUE(Seq().filePath.empty());
  EXPECT_TRUE(Seq().fileFolder.empty());

  const std::string path = (dir.Path() / "etude.aro").string();
  {
    const ScopedFileWriteFunction fullDisk(FullDisk);
    host.fileAnswers.push_back(path);
    Command(cmd::kTaskButton1 + 2);  // save, with no path yet: asks
    expectError(path, ENOSPC);
    EXPECT_TRUE(Seq().filePath.empty());
    host.fileAnswers.push_back((dir.Path() / "etude.mid").string());
    Command(cmd::kTaskButton1 + 3);  // export
    expectError((dir.Path() / "etude.mid").string(), ENOSPC);
  }
  for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
    EXPECT_EQ(entry.path().filename().string().find(".tmp."), std::string::npos) << entry.path();
  }
  EXPECT_EQ(Task().events, fragment);
  EXPECT_TRUE(statuses.empty()) << "nothing was saved";
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_FALSE(std::filesystem::exists(dir.Path() / "etude.mid"));

  // Saved once, a save on a full disk keeps the file as it was.
  host.fileAnswers.push_back(path);
  Command(cmd::kTaskButton1 + 1);
  EXPECT_EQ(Seq().filePath, path);
  const std::string saved = ReadFile(path);
  Task().events.push_back({0, 20, 31});
  {
    const ScopedFileWriteFunction fullDisk(FullDisk);
    Command(cmd::kTaskButton1 + 2);
  }
  expectError(path, ENOSPC);
  EXPECT_EQ(ReadFile(path), saved);
  EXPECT_EQ(Seq().filePath, path);
  EXPECT_EQ(Task().events.size(), fragment.size() + 1);
}

// The count-in and the recording's end come from the timer thread, told once the
// user-interface thread runs what was posted; what a stopped run posted is never told.
TEST_F(SequencerTest, TheStatusBarSaysCountInRecordingPlayingAndStopped) {
  Open(25);
  const auto told = [this] {
    QCoreApplication::processEvents();
    std::vector<std::string> lines = statuses;
    statuses.clear();
    return lines;
  };
  const std::string recording = T(txt::kSeqRecording) + "3)";
  host.dialogActions.push_back(Settings(true, 1, 3, 2));
  Command(cmd::kListenAgain);
  StepTo(-1);
  EXPECT_EQ(told(), (std::vector<std::string>{T(txt::kSeqCountIn)}));
  StepTo(0);
  EXPECT_EQ(told(), (std::vector<std::string>{recording}));
  StepTo(100);
  EXPECT_FALSE(Task().timerRunning);
  EXPECT_EQ(told(), (std::vector<std::string>{T(txt::kSeqStopped)}));

  Command(cmd::kListenNew);
  Command(cmd::kListenNew);
  Command(cmd::kListenNew);
  StepTo(100);
  EXPECT_EQ(told(), (std::vector<std::string>{T(txt::kSeqPlaying), T(txt::kSeqStopped), T(txt::kSeqPlaying),
                                              T(txt::kSeqStopped)}));

  // Stopped by the user at the first bar: the recording it had posted is dropped.
  host.dialogActions.push_back(Settings(false, 1, 3, 2));
  Command(cmd::kListenAgain);
  StepTo(0);
  Command(cmd::kListenAgain);
  EXPECT_EQ(told(), (std::vector<std::string>{T(txt::kSeqCountIn), T(txt::kSeqStopped)}));
}

TEST_F(SequencerTest, SaveDialogsStartInDocumentsThenWhereTheirKindWasLastSaved) {
  ScopedHome home;
  const std::string documents = home.MakeDocuments("Dokumente");
  Open(25);
  Task().events = {{0, 0, 24}};
  Task().lastTick = 12;
  const std::filesystem::path songs = dir.Path() / "songs";
  std::filesystem::create_directory(songs);
  const std::string path = (songs / "etude.aro").string();
  host.fileAnswers.push_back(path);
  Command(cmd::kTaskButton1 + 1);  // save as
  EXPECT_EQ(host.fileRequests.back().folder, documents);
  EXPECT_EQ(statuses, (std::vector<std::string>{T(txt::kSaved) + path}));

  Command(cmd::kTaskButton1 + 1);  // cancelled
  EXPECT_EQ(host.fileRequests.back().folder, songs.string());
  Command(cmd::kTaskButton1 + 3);  // MIDI export: a kind of its own
  EXPECT_EQ(host.fileRequests.back().folder, documents);
  Command(cmd::kTaskButton1);  // opening: its own folder, the current one at first
  EXPECT_FALSE(host.fileRequests.back().save);
  EXPECT_EQ(host.fileRequests.back().folder, "");
  host.fileAnswers.push_back(path);
  Command(cmd::kTaskButton1);
  Command(cmd::kTaskButton1);
  EXPECT_EQ(host.fileRequests.back().folder, songs.string());
}

TEST_F(SequencerTest, DialogRefusesAMeasuresBoxWithoutANumber) {
  Open(25);
  host.dialogActions.push_back([](CDialog& dialog, DialogControls& c) {
    c.SetText(CSeqDialog::kMeasuresBox, "");
    dialog.OnCommand(IDOK);
  });
  Command(cmd::kListenAgain);
  ASSERT_EQ(host.messageBoxes.size(), 1u);
  EXPECT_EQ(host.messageBoxes[0].text, "Please enter an integer.");
  EXPECT_TRUE(host.dialogs[0].leftOpenByScript);
  EXPECT_FALSE(Task().playing);
  EXPECT_FALSE(Task().timerRunning);
}

// Pictures of both sequencers in /tmp/seq-24.png and /tmp/seq-25.png.
TEST_F(SequencerTest, DISABLED_WritesPicture13) {
  Open(24);
  View().UpdateWindow();
  EXPECT_TRUE(View().grab().save("/tmp/seq-24.png"));
}

TEST_F(SequencerTest, DISABLED_WritesPicture37) {
  Open(25);
  View().UpdateWindow();
  EXPECT_TRUE(View().grab().save("/tmp/seq-25.png"));
}

// The recording settings dialog as the Qt host shows it, in /tmp/seq-dialog.png.
TEST_F(SequencerTest, DISABLED_WritesDialogPicture) {
  Open(25);
  QtUiHost qt;
  CSeqDialog dialog;
  WhenModal<QtDialog>([](QtDialog* w) {
    EXPECT_TRUE(w->grab().save("/tmp/seq-dialog.png"));
    w->End(IDCANCEL);
  });
  ScopedUiHost scoped(qt);
  EXPECT_EQ(dialog.Run("My_song", "", 0, 0, 3, 4, 3, 9), IDCANCEL);
}

}  // namespace
