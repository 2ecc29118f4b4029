// A note from the hardware keyboard: from the input's callback to the note-on queued for the
// built-in synthesiser (the echo), and to the task's OnMidiInNote on the user-interface
// thread; once with an idle user-interface thread, once with one busy in 50 ms waits as during
// a key's flash or a task's beat, and once during a controller flood (10,000 messages a second
// from a second port, as a keyboard's sweep sends them), with the lateness of a 10 ms timer of
// the user-interface thread. Goal: the echo within one audio period, the flood changing neither.
#include <QCoreApplication>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <memory>
#include <thread>
#include <vector>

#include "BenchStats.h"
#include "settings/ProgramSettings.h"
#include "sound/AudioEngine.h"
#include "sound/AudioOutput.h"
#include "sound/MidiDevices.h"
#include "sound/MidiSystem.h"
#include "sound/Synth.h"
#include "tasks/base/CAbstractT.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kNotes = 400;

std::atomic<int64_t> sentAt{0};      // ns, when the keyboard's note-on went into the callback
std::atomic<int> echoed{0};
std::vector<double> echoMs;          // written by the keyboard's thread only (under the output's lock)
std::vector<double> taskMs;          // user-interface thread only

int64_t Now() { return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count(); }

// The real synthesiser's device, timing each note-on it is handed.
class TimedOut final : public MidiOutDevice {
 public:
  explicit TimedOut(std::unique_ptr<MidiOutDevice> inner) : inner_(std::move(inner)) {}
  void ShortMsg(uint32_t message) override {
    if (inner_) inner_->ShortMsg(message);
    if (midi::Status(message) == midi::kNoteOn && midi::Data2(message) != 0) {
      echoMs.push_back((Now() - sentAt.load()) / 1e6);
      echoed.fetch_add(1);
    }
  }
  void Reset() override {
    if (inner_) inner_->Reset();
  }

 private:
  std::unique_ptr<MidiOutDevice> inner_;
};

class BenchIn final : public MidiInDevice {
 public:
  void Start() override {}
  void Stop() override {}
};

class BenchSystem final : public MidiSystem {
 public:
  explicit BenchSystem(std::unique_ptr<MidiOutDevice> synth) : synth_(std::move(synth)) {}
  int OutputCount() override { return 1; }
  std::unique_ptr<MidiOutDevice> OpenOutput(int) override { return std::make_unique<TimedOut>(std::move(synth_)); }
  int InputCount() override { return 1; }
  std::unique_ptr<MidiInDevice> OpenInput(int, MidiInSink s) override {
    sink = s;
    return std::make_unique<BenchIn>();
  }
  MidiInSink sink = nullptr;

 private:
  std::unique_ptr<MidiOutDevice> synth_;
};

class TimedTask final : public CAbstractT {
 public:
  void OnMidiInNote(MidiMessage) override { taskMs.push_back((Now() - sentAt.load()) / 1e6); }
};

enum class Load { kIdle, kBusy, kFlood };

// Until told to stop: a controller sweep and pitch bend, one message every 100 us.
void Flood(MidiInSink sink, const std::atomic<bool>& stop) {
  auto next = Clock::now();
  for (uint32_t i = 0; !stop.load(); ++i) {
    const uint32_t v = i % 128;
    sink(i % 2 ? midi::Pack(midi::kControlChange, 1, v) : midi::Pack(midi::kPitchBend, 0, v));
    next += std::chrono::microseconds(100);
    std::this_thread::sleep_until(next);
  }
}

void Run(QCoreApplication& app, MidiInSink sink, Load load) {
  echoMs.clear();
  taskMs.clear();
  echoed = 0;
  QTimer busyTimer;
  if (load == Load::kBusy) {
    QObject::connect(&busyTimer, &QTimer::timeout, [] { std::this_thread::sleep_for(std::chrono::milliseconds(50)); });
    busyTimer.start(60);
  }
  std::vector<double> timerLateMs;
  QTimer tick;
  tick.setTimerType(Qt::PreciseTimer);
  int64_t lastTick = Now();
  QObject::connect(&tick, &QTimer::timeout, [&] {
    const int64_t now = Now();
    timerLateMs.push_back((now - lastTick) / 1e6 - 10.0);
    lastTick = now;
  });
  tick.start(10);
  std::atomic<bool> floodStop{false};
  std::thread flood;
  if (load == Load::kFlood) flood = std::thread(Flood, sink, std::cref(floodStop));
  std::thread keyboard([&app, sink] {
    for (int i = 0; i < kNotes; ++i) {
      const auto note = static_cast<uint32_t>(48 + i % 25);
      sentAt = Now();
      sink(midi::Pack(midi::kNoteOn, note, 90));
      while (echoed.load() <= i) std::this_thread::yield();
      std::this_thread::sleep_for(std::chrono::milliseconds(3 + i % 7));
      sink(midi::Pack(midi::kNoteOn, note, 0));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    QMetaObject::invokeMethod(&app, [&app] { app.quit(); }, Qt::QueuedConnection);
  });
  app.exec();
  keyboard.join();
  floodStop = true;
  if (flood.joinable()) flood.join();
  busyTimer.stop();
  tick.stop();
  const char* modes[] = {"idle user-interface thread", "busy user-interface thread",
                         "idle user-interface thread, controller flood of 10,000 messages a second"};
  std::printf("%s:\n", modes[static_cast<int>(load)]);
  PrintDeviations("  note-in to note-on queued for the synthesiser", echoMs);
  PrintDeviations("  note-in to the task's OnMidiInNote", taskMs);
  PrintDeviations("  lateness of the user-interface thread's 10 ms timer", timerLateMs);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  std::unique_ptr<MidiOutDevice> synth = GetMidiSystem().OpenOutput(0);
  std::printf("built-in synthesiser: %s\n", synth ? "yes" : "no (timing the send alone)");
  BenchSystem system(std::move(synth));
  SetMidiSystem(&system);
  useHardwareMidiKeyboard = 1;
  OpenMidiDevices();
  TimedTask task;
  SetMidiInReceiver([&task](uint32_t message) { RouteMidiInData(message, [&task](uint32_t note) { task.OnMidiInNote(note); }); });
  const AudioOutput* output = GetAudioEngine().Output();
  const int frames = output ? output->PeriodFrames() : PeriodFramesFor(AudioLatency::kLow, Mixer::kDefaultRate);
  const int rate = output ? output->Rate() : Mixer::kDefaultRate;
  const double periodMs = frames * 1000.0 / rate;
  std::printf("goal: one audio period, %d frames at %d Hz = %.2f ms\n", frames, rate, periodMs);
  for (const Load load : {Load::kIdle, Load::kBusy, Load::kFlood}) Run(app, system.sink, load);
  std::printf("notes dropped on the way to the user-interface thread: %llu\n",
              static_cast<unsigned long long>(DroppedKeyboardNotes()));
  SetMidiInReceiver(nullptr);
  CloseMidiDevices();
  SetMidiSystem(nullptr);
  return 0;
}
