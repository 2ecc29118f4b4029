#include "platform/ModalDriver.h"
#include "sequencer/CSeqDialog.h"
#include "sequencer/CSequencerRealTimeMidi.h"
#include "sequencer/SeqTestSupport.h"
#include "settings/CSettingsBank.h"
#include "sound/MidiDevices.h"
#include "tasks/range/KeyboardRange.h"
#include "text/LanguageTable.h"
#include "text/TextIds.h"

namespace {

using namespace seq_test;

// A note message on one channel: note-on or note-off, the note and the tick it came at.
struct Sent {
  bool on = true;
  int note = 0;
  int tick = 0;
  friend bool operator==(const Sent&, const Sent&) = default;
};

std::ostream& operator<<(std::ostream& os, const Sent& s) {
  return os << "{" << (s.on ? "on " : "off ") << s.note << " @" << s.tick << "}";
}

const std::string kDefaultLists =
    "patch_list 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0\r\n"
    "velocity_list 127 127 127 127 127 127 127 127 127 127 127 127 127 127 127 127\r\n";

class KeyboardSequencerTest : public SeqApp {
 protected:
  // A note-on from the hardware keyboard as the MIDI input delivers it: echoed on the input's
  // thread, then handed to the view.
  void Key(int note, int velocity = 100) {
    const uint32_t message = midi::Pack(midi::kNoteOn, static_cast<uint32_t>(note), static_cast<uint32_t>(velocity));
    EchoMidiIn(message);
    View().OnMidiInData(message);
  }
  void StepTo(int tick) {
    while (Task().currentTick < tick && Task().timerRunning) timers.Step();
  }
  // The note messages of one channel since the last call, with their ticks counted from startMs.
  std::vector<Sent> ChannelFrom(int channel, uint32_t startMs) {
    std::vector<Sent> sent;
    for (const MidiRecord& r : out->Records()) {
      if (r.reset || midi::Channel(r.message) != channel) continue;
      const uint8_t kind = midi::Kind(r.message);
      if (kind != midi::kNoteOn && kind != midi::kNoteOff) continue;
      const int tick = static_cast<int>(r.timeMs - startMs) / static_cast<int>(TickMs());
      sent.push_back({kind == midi::kNoteOn && midi::Data2(r.message) != 0, midi::Data1(r.message), tick});
    }
    out->Clear();
    return sent;
  }
  // Records, on channel 2 over one bar of 4/4 with the grid 1/8, the notes of the keyboard at
  // their ticks: a low note, a chord, and notes at both ends of the MIDI range.
  void RecordPhrase() {
    host.dialogActions.push_back([](CDialog& dialog, DialogControls& c) {
      c.SetChecked(CSeqDialog::kStartAgainBox, true);
      dialog.OnCommand(CSeqDialog::kStartAgainBox);
      c.SetCurSel(CSeqDialog::kSignatureList, 3);
      c.SetText(CSeqDialog::kMeasuresBox, "1");
      c.SetCurSel(CSeqDialog::kQuantizeList, 3);
      c.SetCurSel(CSeqDialog::kChannelList, 2);
      c.SetText(CSeqDialog::kTitleBox, "Keys");
      dialog.OnCommand(IDOK);
    });
    Command(cmd::kListenAgain);
    ASSERT_TRUE(Task().recording);
    StepTo(-4);
    Key(60);  // too early: sounds, is not recorded
    StepTo(-2);
    Key(24);  // 0
    StepTo(26);
    Key(60);  // a chord at 24, note by note
    Key(64);
    Key(64, 0);  // the key's release
    Key(67);
    StepTo(28);
    Key(127);  // 30
    Key(0);
    Key(74);  // key 38, a note here, never a percussion code
    StepTo(100);
    ASSERT_FALSE(Task().recording);
  }
};

TEST_F(KeyboardSequencerTest, RecordsTheKeyboardsNotesAndChordsAndPlaysThemBack) {
  Open(34);
  EXPECT_EQ(View().ControlText(cmd::kTaskButton1), T(16));
  const uint32_t start = clock.NowMs();
  RecordPhrase();
  EXPECT_EQ(Task().events, (std::vector<NoteEvent>{
                               {2, 0, -12}, {2, 24, 24}, {2, 24, 28}, {2, 24, 31}, {2, 30, 91}, {2, 30, -36}, {2, 30, 38}}));
  // The keyboard is heard on the recording channel, key releases included.
  EXPECT_EQ(ChannelFrom(2, start), (std::vector<Sent>{{true, 60, 92},
                                                      {true, 24, 94},
                                                      {true, 60, 122},
                                                      {true, 64, 122},
                                                      {false, 64, 122},
                                                      {true, 67, 122},
                                                      {true, 127, 124},
                                                      {true, 0, 124},
                                                      {true, 74, 124}}));

  // Playback: the chord's notes sound together until the channel strikes again.
  const uint32_t play = clock.NowMs();
  Command(cmd::kListenNew);
  StepTo(100);
  EXPECT_EQ(ChannelFrom(2, play), (std::vector<Sent>{{true, 24, 0},
                                                     {false, 24, 24},
                                                     {true, 60, 24},
                                                     {true, 64, 24},
                                                     {true, 67, 24},
                                                     {false, 60, 30},
                                                     {false, 64, 30},
                                                     {false, 67, 30},
                                                     {true, 127, 30},
                                                     {true, 0, 30},
                                                     {true, 74, 30}}));
}

TEST_F(KeyboardSequencerTest, FilesSayTheirKeysAreNotesAndExportEveryNote) {
  Open(34);
  RecordPhrase();
  const std::string path = (dir.Path() / "keys.aro").string();
  host.fileAnswers.push_back(path);
  Command(cmd::kTaskButton1 + 1);  // save as
  const std::string expected = "song_name Keys\r\nsignature_index 3\r\n" + kDefaultLists +
                               "2 0 -12\r\n2 24 24\r\n2 24 28\r\n2 24 31\r\n2 30 91\r\n2 30 -36\r\n2 30 38\r\n"
                               "keyboard_notes\r\n";
  EXPECT_EQ(ReadFile(path), expected);

  // The MIDI file: chord notes last to the channel's next strike, the last ones to the end.
  const std::string midiPath = (dir.Path() / "keys.mid").string();
  host.fileAnswers.push_back(midiPath);
  Command(cmd::kTaskButton1 + 3);
  const std::string bytes = ReadFile(midiPath);
  const std::optional<smf::Song> song = smf::Read(std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
  ASSERT_TRUE(song);
  ASSERT_EQ(song->tracks.size(), 1u);
  EXPECT_EQ(song->tracks[0], (std::vector<smf::Note>{{2, 24, 127, 0, 24},
                                                     {2, 60, 127, 24, 6},
                                                     {2, 64, 127, 24, 6},
                                                     {2, 67, 127, 24, 6},
                                                     {2, 0, 127, 30, 18},
                                                     {2, 74, 127, 30, 18},
                                                     {2, 127, 127, 30, 18}}));

  // The player sounds every note, 74 included, and keeps the chord.
  out.reset();
  Open(26);
  host.fileAnswers.push_back(path);
  Command(cmd::kListenAgain);
  out->Clear();
  const uint32_t start = clock.NowMs();
  Command(cmd::kListenNew);
  Steps(48);
  EXPECT_EQ(NotesFrom(start), (std::vector<Heard>{{2, 24, 0}, {2, 60, 24}, {2, 64, 24}, {2, 67, 24}, {2, 127, 30},
                                                  {2, 0, 30}, {2, 74, 30}}));
}

TEST_F(KeyboardSequencerTest, OnScreenSequencersWriteTheFilesTheyRead) {
  // An on-screen fragment stays without the keyword, a keyboard fragment keeps it, byte for byte.
  const std::vector<std::string> files = {
      "signature_index 3\r\n" + kDefaultLists + "0 0 5\r\n9 12 39\r\n0 24 36\r\n",
      "signature_index 3\r\n" + kDefaultLists + "0 0 -12\r\n0 0 38\r\n0 24 91\r\nkeyboard_notes\r\n",
  };
  Open(25);
  for (const std::string& text : files) {
    host.fileAnswers.push_back(WriteFile("in.aro", text));
    Command(cmd::kTaskButton1);
    const std::string path = (dir.Path() / "out.aro").string();
    host.fileAnswers.push_back(path);
    Command(cmd::kTaskButton1 + 1);
    EXPECT_EQ(ReadFile(path), text);
  }
  // The one-octave sequencer refuses keys below its piano as it refuses those above.
  out.reset();
  Open(24);
  host.fileAnswers.push_back(WriteFile("low.aro", "0 0 5 0 12 -1"));
  Command(cmd::kTaskButton1);
  ASSERT_EQ(host.messageBoxes.size(), 1u);
  EXPECT_EQ(host.messageBoxes[0].text, T(360));
  EXPECT_TRUE(Task().events.empty());
}

TEST_F(KeyboardSequencerTest, MenuItemsNeedTheKeyboardOptionAndTheRangeIsKept) {
  Open(25);
  Frame().UpdateMenuEnabling();
  for (int id : {cmd::kHardwareSequencer, cmd::kMeasureKeyboardRange}) {
    EXPECT_TRUE(Frame().ActionFor(id)->isEnabled()) << id;
  }
  useHardwareMidiKeyboard = 0;
  Command(cmd::kHardwareSequencer);
  ASSERT_EQ(host.messageBoxes.size(), 1u);
  EXPECT_EQ(host.messageBoxes[0].text, T(348) + "\n" + T(349));
  EXPECT_EQ(taskType, 25);
  useHardwareMidiKeyboard = 1;
  Command(cmd::kHardwareSequencer);
  EXPECT_EQ(taskType, 34);
  EXPECT_NE(dynamic_cast<CSequencerRealTimeMidi*>(&Task()), nullptr);
  EXPECT_EQ(keyboard_range::Text(), T(txt::kKeyboardRangeUnknown));

  // A measurement from the keyboard: highest key, lowest key, any key.
  Command(cmd::kMeasureKeyboardRange);
  ASSERT_EQ(taskType, 29);
  Command(cmd::kListenNew);
  for (int note : {96, 36, 60}) Key(note);
  ASSERT_EQ(host.messageBoxes.size(), 2u);
  EXPECT_EQ(host.messageBoxes[1].text, "midiKbdLeftMostKey = 36\nmidiKbdRightMostKey = 96");
  EXPECT_EQ(keyboardLowNote, 36);
  EXPECT_EQ(keyboardHighNote, 96);
  EXPECT_EQ(keyboard_range::Text(), T(txt::kKeyboardRangePrefix) + "36 - 96");
  // One key pressed twice is no range: the one measured before stays.
  Command(cmd::kListenNew);
  for (int note : {50, 50, 60}) Key(note);
  EXPECT_EQ(keyboardLowNote, 36);
  // In the settings file: the mark "KR", then the lowest and the highest note.
  CSettingsBank bank;
  bank.CopyFromProgramSettings();
  const std::vector<uint8_t> bytes = bank.ToBytes();
  EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 214, bytes.begin() + 220),
            (std::vector<uint8_t>{0x4B, 0x52, 36, 0, 96, 0}));
}

}  // namespace
