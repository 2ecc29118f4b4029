// Opening and closing the MIDI devices, and the routing of incoming messages,
// with a scripted MIDI system and a recording UI host.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QThread>
#include <stdexcept>
#include <thread>

#include "platform/ScriptedUiHost.h"
#include "platform/Utf.h"
#include "settings/ProgramSettings.h"
#include "sound/AudioEngine.h"
#include "sound/MidiDevices.h"
#include "sound/MidiInPorts.h"
#include "support/CapturingMidiOut.h"
#include "support/ScriptedMidiSystem.h"
#include "text/LanguageTable.h"
#include "text/TextIds.h"

namespace {

using Messages = std::vector<uint32_t>;

class OpenMidiDevicesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetMidiState();
    useHardwareMidiKeyboard = 0;
    volume = 90;
    languageTable.SetText(373, "No MIDI input.");
    languageTable.SetText(374, "MIDI input failed.");
    languageTable.SetText(375, "No MIDI output.");
    languageTable.SetText(376, "MIDI output failed.");
    languageTable.SetText(378, "The program ends.");
  }
  void TearDown() override {
    CloseMidiDevices();
    ResetProgramSettings();
    ResetMidiState();
  }
  // Runs OpenMidiDevices; the exit code it asked for, or -1 when it returned.
  int Open() {
    try {
      OpenMidiDevices();
    } catch (const ProcessExit& exit) {
      return exit.code;
    }
    return -1;
  }

  ScriptedMidiSystem system_;
  ScriptedUiHost ui_;
  ScopedUiHost scopedUi_{ui_};
};

TEST_F(OpenMidiDevicesTest, SuccessSendsProgramZeroThenVolumeOnAllChannels) {
  EXPECT_EQ(Open(), -1);
  Messages expected{0x0000C0};
  for (uint32_t ch = 0; ch < 16; ++ch) expected.push_back(0x5A07B0 + ch);
  EXPECT_EQ(system_.log.sent, expected);
  EXPECT_TRUE(ui_.messageBoxes.empty());
  SendShortMsg(0x7F3C90);
  EXPECT_EQ(system_.log.sent.back(), 0x7F3C90u);
}

TEST_F(OpenMidiDevicesTest, NoOutputDeviceEndsWithExitCode1) {
  system_.outputs = 0;
  EXPECT_EQ(Open(), 1);
  ASSERT_EQ(ui_.messageBoxes.size(), 1u);
  EXPECT_EQ(ui_.messageBoxes[0].text, "No MIDI output. The program ends.");
  EXPECT_EQ(ui_.messageBoxes[0].caption, "Error!");
  EXPECT_EQ(ui_.messageBoxes[0].style & MB_ICONEXCLAMATION, MB_ICONEXCLAMATION);
  EXPECT_EQ(system_.log.outputsOpened, 0);
}

TEST_F(OpenMidiDevicesTest, FailedOpenEndsWithExitCode1) {
  system_.outputOpens = false;
  EXPECT_EQ(Open(), 1);
  ASSERT_EQ(ui_.messageBoxes.size(), 1u);
  EXPECT_EQ(ui_.messageBoxes[0].text, "MIDI output failed. The program ends.");
}

TEST_F(OpenMidiDevicesTest, ExceptionWhileOpeningIsAMissingOutput) {
  system_.throwOnOutput = true;
  EXPECT_EQ(Open(), 1);
  ASSERT_EQ(ui_.messageBoxes.size(), 1u);
  EXPECT_EQ(ui_.messageBoxes[0].text, "No MIDI output. The program ends.");
}

TEST_F(OpenMidiDevicesTest, WithoutTheKeyboardOptionNoInputIsOpened) {
  system_.inputs = 0;
  EXPECT_EQ(Open(), -1);
  EXPECT_EQ(system_.log.inputCountAsked, 0);
  EXPECT_TRUE(ui_.messageBoxes.empty());
  EXPECT_FALSE(midiInFailed);
}

TEST_F(OpenMidiDevicesTest, InputFailuresAreShownAndTheProgramGoesOn) {
  useHardwareMidiKeyboard = 1;
  struct Case {
    int inputs;
    bool opens;
    bool throws;
    const char* text;
  };
  for (const Case& c : {Case{0, true, false, "No MIDI input."}, Case{2, false, false, "MIDI input failed."},
                        Case{2, true, true, "No MIDI input."}}) {
    SCOPED_TRACE(c.text);
    ResetMidiState();
    ui_.messageBoxes.clear();
    system_.log = {};
    system_.inputs = c.inputs;
    system_.inputOpens = c.opens;
    system_.throwOnInput = c.throws;
    EXPECT_EQ(Open(), -1);
    EXPECT_TRUE(midiInFailed);
    ASSERT_EQ(ui_.messageBoxes.size(), 1u);
    EXPECT_EQ(ui_.messageBoxes[0].text, c.text);
    EXPECT_EQ(ui_.messageBoxes[0].caption, "Error!");
    EXPECT_EQ(system_.log.outputsOpened, 1);
    CloseMidiDevices();
  }
}

TEST_F(OpenMidiDevicesTest, InputIsStartedAndClosedWithTheDevices) {
  useHardwareMidiKeyboard = 1;
  EXPECT_EQ(Open(), -1);
  EXPECT_TRUE(system_.log.inputStarted);
  EXPECT_FALSE(midiInFailed);
  CloseMidiDevices();
  EXPECT_FALSE(system_.log.inputStarted);
  EXPECT_TRUE(system_.log.inputClosed);
  const size_t sent = system_.log.sent.size();
  SendShortMsg(0x7F3C90);
  EXPECT_EQ(system_.log.sent.size(), sent);
}

// Counts the functions queued to the user-interface thread's event loop.
class PostCounter final : public QObject {
 public:
  PostCounter() { QCoreApplication::instance()->installEventFilter(this); }
  ~PostCounter() override { QCoreApplication::instance()->removeEventFilter(this); }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == QCoreApplication::instance() && event->type() == QEvent::MetaCall) ++posts;
    return false;
  }
  int posts = 0;
};

TEST_F(OpenMidiDevicesTest, OnlyNotesPlayedReachTheUiThreadInOrderThroughABoundedQueue) {
  useHardwareMidiKeyboard = 1;
  ASSERT_EQ(Open(), -1);
  ASSERT_NE(system_.log.sink, nullptr);
  system_.log.sent.clear();
  Messages received;
  std::vector<bool> onUiThread;
  SetMidiInReceiver([&](uint32_t m) {
    received.push_back(m);
    onUiThread.push_back(QThread::currentThread() == QCoreApplication::instance()->thread());
  });
  PostCounter counter;
  const uint64_t droppedBefore = DroppedKeyboardNotes();
  // A second of a controller sweep with pitch bend, pressure and another channel's notes:
  // nothing for the window; only the first channel's note-off is echoed.
  std::thread([sink = system_.log.sink] {
    for (uint32_t i = 0; i < 10000; ++i) {
      const uint32_t v = i % 128;
      for (uint32_t m : {midi::Pack(midi::kControlChange, 1, v), midi::Pack(midi::kPitchBend, 0, v),
                         midi::Pack(midi::kChannelPressure, v), midi::Pack(midi::kPolyPressure, 60, v),
                         midi::Pack(midi::kNoteOn + 1, v, 90)}) {
        sink(m);
      }
    }
    sink(midi::Pack(midi::kNoteOff, 60, 0));
  }).join();
  QCoreApplication::processEvents();
  EXPECT_EQ(counter.posts, 0);
  EXPECT_TRUE(received.empty());
  EXPECT_EQ(system_.log.sent, (Messages{midi::Pack(midi::kNoteOff, 60, 0)}));

  // More notes than the queue holds while the window's thread is busy: the first ones reach it
  // in order, a few each turn; the rest are dropped and counted; every one is echoed.
  Messages played;
  for (uint32_t i = 0; i < 300; ++i) played.push_back(midi::Pack(midi::kNoteOn, i % 128, 1 + i / 128));
  std::thread([&played, sink = system_.log.sink] {
    for (uint32_t m : played) sink(m);
  }).join();
  EXPECT_TRUE(received.empty()) << "queued, not called on the keyboard's thread";
  for (int turn = 0; turn < 100; ++turn) QCoreApplication::processEvents();
  EXPECT_EQ(received, Messages(played.begin(), played.begin() + 256));
  EXPECT_EQ(DroppedKeyboardNotes() - droppedBefore, 44u);
  EXPECT_EQ(counter.posts, 256 / 8 + 1) << "one wake, then one turn for every eight notes";
  EXPECT_EQ(onUiThread, std::vector<bool>(256, true));
  EXPECT_EQ(system_.log.sent.size(), 301u);
  SetMidiInReceiver(nullptr);
}

TEST(RouteMidiInDataTest, Channel0NotesAreEchoedAndNoteOnsGoToTheTask) {
  CapturingMidiOut out;
  Messages toTask;
  for (uint32_t m : {0x403C90u,    // note-on, channel 0
                     0x003C90u,    // note-on with velocity 0: a note-off, echoed only
                     0x403C80u,    // note-off: echoed only
                     0x403C91u,    // channel 2
                     0x403C81u,    // channel 2
                     0x4007B0u,    // controller
                     0x00403Cu,    // running status (the input completes it before)
                     0x0000F8u}) {  // clock
    EchoMidiIn(m);
    RouteMidiInData(m, [&](uint32_t note) { toTask.push_back(note); });
  }
  EXPECT_EQ(out.Messages(), (Messages{0x403C90, 0x003C90, 0x403C80}));
  EXPECT_EQ(toTask, (Messages{0x403C90}));
}

TEST_F(OpenMidiDevicesTest, TheStatusBarNamesKeyboardsPluggedInAndOut) {
  languageTable.SetText(txt::kKeyboardConnected, "connected: ");
  languageTable.SetText(txt::kKeyboardLost, "gone: ");
  languageTable.SetText(txt::kKeyboardNone, "no keyboard");
  EXPECT_EQ(ConnectKeyboards(), "") << "no input open";
  useHardwareMidiKeyboard = 1;
  system_.log.portChanges = {{}, {{"USB Keys", "Piano B"}, {}}, {{}, {"USB Keys"}}, {{"Pad"}, {"Piano B"}}};
  ASSERT_EQ(Open(), -1);
  EXPECT_EQ(ConnectKeyboards(), "no keyboard") << "the first look says so";
  EXPECT_EQ(ConnectKeyboards(), "connected: USB Keys, Piano B");
  EXPECT_EQ(ConnectKeyboards(), "gone: USB Keys");
  EXPECT_EQ(ConnectKeyboards(), "connected: Pad  gone: Piano B");
  EXPECT_EQ(ConnectKeyboards(), "") << "nothing changed";
}

}  // namespace

namespace {

// The real devices of this machine: the small sound font is always there, so output device 0
// is the built-in synthesiser; a sound card and a MIDI sequencer may or may not be.
TEST(RealMidiDevicesTest, OutputDevice0IsTheBuiltInSynthesiser) {
  ScriptedUiHost ui;
  ScopedUiHost scopedUi(ui);
  useHardwareMidiKeyboard = 1;
  try {
    OpenMidiDevices();
  } catch (const ProcessExit& exit) {
    FAIL() << "exit " << exit.code;
  }
  EXPECT_LE(ui.messageBoxes.size(), 1u);  // at most the input's message
  EXPECT_NE(OpenMidiOut(), nullptr);
  EXPECT_NE(GetAudioEngine().GetMixer().GetSynth(), nullptr);
  const bool silent = GetAudioEngine().Output() == nullptr;
  EXPECT_EQ(SoundStatusText().empty(), !silent);
  CloseMidiDevices();
  EXPECT_EQ(OpenMidiOut(), nullptr);
  EXPECT_EQ(GetAudioEngine().GetMixer().GetSynth(), nullptr);
  ResetProgramSettings();
  ResetMidiState();
}

}  // namespace

namespace {

// Port names as the two sequencers give them: ALSA's numbers go, our own and the kernel's loop
// are never connected to (JACK numbers a second client of our name).
TEST(MidiInPortNames, ShownWithoutNumbersAndOursSkipped) {
  EXPECT_EQ(midi_in::ShownName("USB Keys:USB Keys MIDI 1 24:0"), "USB Keys:USB Keys MIDI 1");
  EXPECT_EQ(midi_in::ShownName("KeysPlayer:keys"), "KeysPlayer:keys");
  EXPECT_EQ(midi_in::ShownName("Port 2:3 out 130:12"), "Port 2:3 out");
  for (const char* name : {"USB Keys:USB Keys MIDI 1", "KeysPlayer:keys", "Aurelophone:out", "system:midi_capture_1"}) {
    EXPECT_TRUE(midi_in::IsOffered(name)) << name;
  }
  for (const char* name : {"Aurelo:Aurelo MIDI In", "Aurelo-01:Aurelo keyboard", "Midi Through:Midi Through Port-0"}) {
    EXPECT_FALSE(midi_in::IsOffered(name)) << name;
  }
}

// The settings file keeps 63 UTF-16 units of the chosen port's name: the port is still found
// by it, also when the cut falls inside a character or the name is no UTF-8.
TEST(MidiInPortNames, TheChosenPortIsFoundByTheNameTheSettingsFileKeeps) {
  const std::string emoji = "\xF0\x9F\x8E\xB9";  // two UTF-16 units
  const std::string longName = std::string(62, 'K') + emoji + " MIDI 1";
  const std::u16string stored = midi_in::StoredName(longName);
  EXPECT_EQ(stored, std::u16string(62, u'K'));
  for (const std::string& name : {longName, std::string(70, 'P'), std::string("Keys \xFF\xFE")}) {
    const std::string reloaded = Utf16ToUtf8(midi_in::StoredName(name));
    EXPECT_TRUE(midi_in::IsChosen(name, reloaded)) << name;
  }
  EXPECT_TRUE(midi_in::IsChosen("Anything", ""));
  EXPECT_FALSE(midi_in::IsChosen("Keys", "Keys 2"));
  EXPECT_FALSE(midi_in::IsChosen(std::string(62, 'K') + "A", std::string(62, 'K')));
}

}  // namespace
