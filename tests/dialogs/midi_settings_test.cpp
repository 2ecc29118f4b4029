// The MIDI settings dialog through the menu command with a scripted dialog: the exact MIDI
// messages of each action and the settings kept or undone; the dialog as the Qt host builds it.
#include <QComboBox>
#include <QSlider>

#include "dialogs/CDialogMidiOptions.h"
#include "platform/ModalDriver.h"
#include "platform/qt/QtDialog.h"
#include "platform/qt/QtUiHost.h"
#include "tasks/melody/MelodyTestSupport.h"
#include "text/TextIds.h"

namespace {

using namespace melody_test;
using D = CDialogMidiOptions;
using Messages = std::vector<uint32_t>;
constexpr uint32_t kReset = CapturingMidiOut::kReset;

// The messages of the sixteen program changes, channel 0 first.
Messages ProgramChanges(const std::array<uint32_t, 16>& programs) {
  Messages m;
  for (uint32_t c = 0; c < 16; ++c) m.push_back(midi::Pack(0xC0 + c, programs[c]));
  return m;
}

Messages Join(Messages a, const Messages& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

class MidiSettingsDialog : public MelodyApp {
 protected:
  void SetUp() override { Open(0); }
  // Runs the dialog from the menu with the scripted user's actions.
  void Run(DialogAction action) {
    host.dialogActions.push_back(std::move(action));
    Command(cmd::kMidiSettings);
  }
  static void Select(CDialog& d, DialogControls& c, int id, int index) {
    c.SetCurSel(id, index);
    d.OnCommand(id);
  }
  static void Slide(CDialog& d, DialogControls& c, int pos) {
    c.SetPos(D::kVelocitySlider, pos);
    d.OnCommand(D::kVelocitySlider);
  }
};

TEST_F(MidiSettingsDialog, OpensOnTheActiveChannelAndSaveWithoutChangesKeepsEverything) {
  channelProgram[0] = 5;
  channelVelocity[0] = 90;
  Run(ScriptedUiHost::Press(IDOK));
  ASSERT_EQ(host.dialogs.size(), 1u);
  const DialogRun& run = host.dialogs[0];
  EXPECT_EQ(run.templateId, 221);
  EXPECT_EQ(run.caption, T(186));
  EXPECT_TRUE(run.unknownIds.empty());
  const MemoryControl& channels = run.controls.at(D::kChannelList);
  ASSERT_EQ(channels.items.size(), 16u);
  EXPECT_EQ(channels.items[9], "10 (DRUM)");
  EXPECT_EQ(channels.items[15], "16");
  EXPECT_EQ(channels.curSel, 0);
  const MemoryControl& instruments = run.controls.at(D::kInstrumentList);
  ASSERT_EQ(instruments.items.size(), 128u);
  EXPECT_EQ(instruments.items[0], "0 Acoustic grand piano");
  EXPECT_EQ(instruments.items[127], "127 Gunshot");
  EXPECT_EQ(instruments.curSel, 5);
  const MemoryControl& drums = run.controls.at(D::kDrumList);
  ASSERT_EQ(drums.items.size(), 47u);
  EXPECT_EQ(drums.items[0], "Acoustic Bass Drum");
  EXPECT_EQ(drums.items[2], "Side Stick (recommended)");
  EXPECT_EQ(drums.items[46], "Open Triangle");
  EXPECT_EQ(drums.curSel, 2);
  int recommended = 0;
  for (const std::string& item : drums.items) recommended += item.ends_with(" (recommended)");
  EXPECT_EQ(recommended, 9);
  const MemoryControl& slider = run.controls.at(D::kVelocitySlider);
  EXPECT_EQ(slider.rangeMax, 127);
  EXPECT_EQ(slider.pos, 90);
  EXPECT_EQ(run.controls.at(IDOK).text, T(11));

  std::array<uint32_t, 16> programs{};
  programs[0] = 5;
  EXPECT_EQ(out->Messages(), Join({kReset}, ProgramChanges(programs)));
  EXPECT_EQ(activeChannel, 0);
  EXPECT_EQ(metronomeDrumNote, 37);
  EXPECT_EQ(channelProgram[0], 5);
  EXPECT_EQ(channelVelocity[0], 90);
  EXPECT_EQ(useHardwareMidiKeyboard, firstStart::useHardwareMidiKeyboard);
}

TEST_F(MidiSettingsDialog, TheKeyboardPortIsChosenFromThePortsThereAndTheOneStored) {
  midi.log.portNames = {"USB Keys:USB Keys MIDI 1", "Pad:Pad 1"};
  midiInPortName = "Old Piano:Port";  // not plugged in now: stays choosable
  Run([](CDialog& d, DialogControls& c) {
    EXPECT_EQ(c.CurSel(D::kKeyboardPortList), 3);
    Select(d, c, D::kKeyboardPortList, 2);
    d.OnCommand(IDOK);
  });
  EXPECT_EQ(host.dialogs[0].controls.at(D::kKeyboardPortList).items,
            (std::vector<std::string>{T(txt::kKeyboardAllPorts), "USB Keys:USB Keys MIDI 1", "Pad:Pad 1", "Old Piano:Port"}));
  EXPECT_EQ(host.dialogs[0].controls.at(D::kKeyboardPortLabel).text, T(txt::kKeyboardPortLabel));
  EXPECT_EQ(midiInPortName, "Pad:Pad 1");
  Run([](CDialog& d, DialogControls& c) {
    Select(d, c, D::kKeyboardPortList, 0);
    d.OnCommand(IDOK);
  });
  EXPECT_TRUE(midiInPortName.empty()) << "every port";
}

TEST_F(MidiSettingsDialog, ExitUndoesInstrumentsVelocitiesAndDrumOnEveryChannel) {
  channelProgram[4] = 12;
  Run([](CDialog& d, DialogControls& c) {
    Select(d, c, D::kInstrumentList, 40);  // violin on channel 1 at once
    Select(d, c, D::kChannelList, 4);       // channel 5 shows its own instrument and velocity
    EXPECT_EQ(c.CurSel(D::kInstrumentList), 12);
    EXPECT_EQ(c.Pos(D::kVelocitySlider), 127);
    Select(d, c, D::kInstrumentList, 73);
    Slide(d, c, 60);
    Select(d, c, D::kDrumList, 0);
    d.OnCommand(IDCANCEL);
  });
  std::array<uint32_t, 16> programs{};
  programs[4] = 12;
  EXPECT_EQ(out->Messages(), Join({0x28C0, 0x49C4, kReset}, ProgramChanges(programs)));
  EXPECT_EQ(channelProgram[0], 0);
  EXPECT_EQ(channelProgram[4], 12);
  EXPECT_EQ(channelVelocity[4], 127);
  EXPECT_EQ(metronomeDrumNote, 37);
  EXPECT_EQ(activeChannel, 0);
}

TEST_F(MidiSettingsDialog, ListenButtonsAndSaveKeepTheVelocitiesOfSeveralChannels) {
  channelVelocity[9] = 110;
  Run([](CDialog& d, DialogControls& c) {
    Slide(d, c, 100);                  // channel 1
    Select(d, c, D::kChannelList, 2);  // channel 3
    Slide(d, c, 50);
    Select(d, c, D::kDrumList, 5);  // key 40
    c.SetChecked(D::kHardwareKeyboardBox, true);
    d.OnCommand(D::kHardwareKeyboardBox);
    d.OnCommand(D::kListenInstrument);
    d.OnCommand(D::kListenDrum);
    d.OnCommand(D::kStopAll);
    d.OnCommand(IDOK);
  });
  EXPECT_EQ(out->Messages(), Join({kReset, 0x322492, 0x323C92, 0x324092, 0x324392, 0x6E2899, 0x002889, kReset, kReset},
                                  ProgramChanges({})));
  EXPECT_EQ(channelVelocity[0], 100);
  EXPECT_EQ(channelVelocity[2], 50);
  EXPECT_EQ(activeChannel, 2);
  EXPECT_EQ(metronomeDrumNote, 40);
  EXPECT_EQ(useHardwareMidiKeyboard, 1);
}

TEST_F(MidiSettingsDialog, TheKeyboardOptionOpensAndClosesTheInputAsTheDialogCloses) {
  const auto tick = [](bool on) {
    return [on](CDialog& d, DialogControls& c) {
      c.SetChecked(D::kHardwareKeyboardBox, on);
      d.OnCommand(D::kHardwareKeyboardBox);
      d.OnCommand(IDOK);
    };
  };
  Run(tick(false));
  EXPECT_FALSE(midi.log.inputStarted);
  EXPECT_FALSE(View().IsTimerActive(cmd::kTimerKeyboardPorts));
  Run(tick(true));
  EXPECT_TRUE(midi.log.inputStarted);
  EXPECT_TRUE(View().IsTimerActive(cmd::kTimerKeyboardPorts)) << "plugged-in keyboards are looked for";
  EXPECT_EQ(host.dialogs.back().controls.at(D::kHardwareKeyboardBox).text, T(txt::kKeyboardCheckBox));
  Run(tick(false));
  EXPECT_FALSE(midi.log.inputStarted);
  EXPECT_TRUE(midi.log.inputClosed);
  EXPECT_FALSE(View().IsTimerActive(cmd::kTimerKeyboardPorts));
}

// The dialog as the Qt host builds it: the slider's moves reach the velocity at once.
// Writes /tmp/midi-settings.png for looking at it.
TEST_F(MidiSettingsDialog, QtDialogSliderSetsTheVelocityAndPicture) {
  QtUiHost qtHost;
  ScopedUiHost scoped(qtHost);
  CDialogMidiOptions dialog;
  WhenModal<QtDialog>([](QtDialog* w) {
    auto* slider = qobject_cast<QSlider*>(w->ControlWidget(D::kVelocitySlider));
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(slider->maximum(), 127);
    slider->setValue(77);
    auto* instruments = qobject_cast<QComboBox*>(w->ControlWidget(D::kInstrumentList));
    ASSERT_NE(instruments, nullptr);
    EXPECT_EQ(instruments->currentText().toStdString(), "0 Acoustic grand piano");
    w->grab().save("/tmp/midi-settings.png");
    w->End(IDOK);
  });
  EXPECT_EQ(qtHost.RunModal(dialog), IDOK);
  EXPECT_EQ(channelVelocity[0], 77);
}

}  // namespace
