// The keyboard, the sound and the window at once: a keyboard's controller flood with notes in
// it comes through the input path (bytes as the sequencer hands them over) while the audio
// thread renders, a task plays on the window's thread and program changes load samples.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

#include "settings/ProgramSettings.h"
#include "sound/MidiDevices.h"
#include "sound/MidiInParser.h"
#include "sound/MidiSystem.h"
#include "sound/Mixer.h"
#include "sound/Synth.h"
#include "sound/WaveSource.h"
#include "tasks/base/CAbstractT.h"
#include "tasks/base/ToneTimeline.h"

namespace {

using Messages = std::vector<uint32_t>;
using namespace std::chrono_literals;
constexpr int kPeriodFrames = 128;

// The mixer as output device 0; the input hands its sink to the test.
class MixerSystem final : public MidiSystem {
 public:
  explicit MixerSystem(Mixer& mixer) : mixer_(mixer) { SetMidiSystem(this); }
  ~MixerSystem() override { SetMidiSystem(nullptr); }
  MixerSystem(const MixerSystem&) = delete;
  MixerSystem& operator=(const MixerSystem&) = delete;
  int OutputCount() override { return 1; }
  std::unique_ptr<MidiOutDevice> OpenOutput(int /*index*/) override { return std::make_unique<MixerMidiOut>(mixer_); }
  int InputCount() override { return 1; }
  std::unique_ptr<MidiInDevice> OpenInput(int /*index*/, MidiInSink s) override {
    sink = s;
    return std::make_unique<SilentIn>();
  }
  MidiInSink sink = nullptr;

 private:
  struct SilentIn final : MidiInDevice {
    void Start() override {}
    void Stop() override {}
  };
  Mixer& mixer_;
};

// A controller sweep with pitch bend and pressure in running status and clock bytes between
// them; every 40 messages a note-on, its note-off (velocity 0) 20 later. The note-ons are
// added to played.
std::vector<uint8_t> KeyboardBytes(int messages, Messages& played) {
  std::vector<uint8_t> bytes;
  for (int i = 0; i < messages; ++i) {
    const auto v = static_cast<uint8_t>(i % 128);
    const auto note = static_cast<uint8_t>(36 + (i / 40) % 48);
    switch (i % 40) {
      case 0:
        bytes.insert(bytes.end(), {midi::kNoteOn, note, 90});
        played.push_back(midi::Pack(midi::kNoteOn, note, 90));
        break;
      case 20:
        bytes.insert(bytes.end(), {midi::kNoteOn, note, 0});
        break;
      case 10:
        bytes.insert(bytes.end(), {midi::kPitchBend, 0, v, 0xF8, 0, v});
        break;
      case 30:
        bytes.insert(bytes.end(), {midi::kChannelPressure, v, 0xFE});
        break;
      default:
        if (i % 40 == 1 || i % 40 == 11 || i % 40 == 21 || i % 40 == 31) bytes.push_back(midi::kControlChange);
        bytes.insert(bytes.end(), {1, v});
    }
  }
  return bytes;
}

TEST(KeyboardRace, AFloodDuringAPlaybackAndProgramChanges) {
  std::unique_ptr<Synth> synth = Synth::Create("/usr/share/sounds/sf2/TimGM6mb.sf2", Mixer::kDefaultRate);
  ASSERT_NE(synth, nullptr);
  WaveSource wave;
  Mixer mixer(wave);
  mixer.SetSynth(synth.get());
  mixer.SetTimed(true, kPeriodFrames, Mixer::kDefaultRate);
  MixerSystem system(mixer);
  ResetMidiState();
  useHardwareMidiKeyboard = 1;
  OpenMidiDevices();
  ASSERT_NE(system.sink, nullptr);
  Messages received;
  SetMidiInReceiver([&received](uint32_t m) { received.push_back(m); });
  const uint64_t droppedBefore = DroppedKeyboardNotes();

  std::atomic<bool> audioRuns{true};
  std::thread audio([&] {
    std::vector<float> left(kPeriodFrames), right(kPeriodFrames);
    while (audioRuns) {
      mixer.RenderNow(left.data(), right.data(), kPeriodFrames);
      std::this_thread::sleep_for(2900us);
    }
  });

  // The sound flows before the keyboard starts, so that all of it meets the playback.
  for (int waited = 0; !MidiOutReady() && waited < 3000; waited += 10) std::this_thread::sleep_for(10ms);
  Messages played;
  const std::vector<uint8_t> bytes = KeyboardBytes(4000, played);
  std::thread keyboard([&bytes, sink = system.sink] {
    MidiInParser parser;
    const auto deliver = [sink](uint32_t m) { sink(m); };
    for (size_t at = 0, n = 1; at < bytes.size(); at += n, n = n % 7 + 1) {
      parser.Feed(bytes.data() + at, std::min(n, bytes.size() - at), deliver);
      if (at % 64 < n) std::this_thread::sleep_for(1ms);
    }
  });
  std::thread programs([] {
    for (const uint32_t program : {73u, 40u, 19u, 0u, 56u}) {
      SendShortMsg(midi::Pack(midi::kProgramChange + 1, program));
      SendShortMsg(midi::Pack(midi::kNoteOn + 1, 60, 80));
      std::this_thread::sleep_for(20ms);
    }
  });

  // The window's thread plays a melody with a program change of its own and waits for its end.
  CAbstractT task;
  ToneTimeline timeline(task);
  timeline.Sends(0, [] { SendShortMsg(midi::Pack(midi::kProgramChange + 2, 24)); });
  for (int i = 0; i < 8; ++i) timeline.Tone(12 + i, static_cast<uint32_t>(i * 40), 60, 2);
  timeline.Play();

  keyboard.join();
  programs.join();
  for (int turn = 0; turn < 5000 && received.size() < played.size(); ++turn) {
    QCoreApplication::processEvents();
    std::this_thread::sleep_for(1ms);
  }
  EXPECT_EQ(received, played);
  EXPECT_EQ(DroppedKeyboardNotes(), droppedBefore);
  SetMidiInReceiver(nullptr);
  CloseMidiDevices();
  audioRuns = false;
  audio.join();
  mixer.SetSynth(nullptr);
  ResetProgramSettings();
  ResetMidiState();
}

}  // namespace
