// Answers by voice end to end: generated singing played into a private PulseAudio server's
// sink whose monitor is the default input, the program's own capture and analysis listening,
// a melody task of the catalogue answered through the voice hook. The same answers given by
// clicks leave the same counters, hints and log lines; the history tells the two apart.
#include <QCoreApplication>
#include <chrono>
#include <random>
#include <thread>

#include "listen/PrivatePulseServer.h"
#include "listen/SungVoice.h"
#include "progress/ProgressTestSupport.h"
#include "progress/Recorder.h"
#include "tasks/common/TaskCommon.h"
#include "tasks/melody/MelodyTestSupport.h"

namespace {

using namespace melody_test;

constexpr uint32_t kRate = 48000;
constexpr uint32_t kTenSeconds = 10000;

// What one run left behind.
struct Outcome {
  int32_t given = 0, first = 0, attempt = 0;
  std::vector<std::string> hints;
  std::vector<std::string> log;
  std::vector<progress::TaskRecord> records;
};

class VoiceAnswers : public MelodyApp {
 protected:
  void SetUp() override {
    if (!server_.Running()) GTEST_SKIP() << "pulseaudio cannot start here";
  }
  void TearDown() override {
    progress::SetRecordSink(nullptr);
    progress::DropOpenTask();
    MelodyApp::TearDown();
  }
  int Type() const { return TaskTypeOfCommand(cmd::kVoiceMelody4); }

  // Sings the notes (MIDI numbers), each held half a second with a breath between, into the
  // microphone; then gives the program up to three seconds to come to the attempt expected.
  void Sing(const std::vector<int>& notes, int32_t attempt) {
    std::mt19937 random(7);
    std::vector<float> samples(kRate / 5, 0.0f);
    for (int note : notes) {
      sung_voice::Tone tone;
      tone.midi = note + 0.1;
      tone.seconds = 0.5;
      tone.vibratoCents = 20;
      sung_voice::AppendTone(samples, kRate, tone, random);
      samples.resize(samples.size() + kRate / 5, 0.0f);
    }
    // The program's own playing is over long before the singing starts (the virtual clock
    // stands still while the singing takes its real time).
    clock.Advance(kTenSeconds);
    ASSERT_EQ(server_.PlayIntoMicrophone(samples, kRate), 0);
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (View().Task().attempt != attempt && std::chrono::steady_clock::now() < until) {
      QCoreApplication::processEvents();
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  }

  // Task 1: the melody sung (an octave below the piano: by pitch class it is right). Task 2:
  // the first tone right, the second a tone away.
  Outcome Run(bool voice) {
    Open(Type());
    sink_.records.clear();
    progress::SetRecordSink(&sink_);
    std::srand(5);
    Outcome o;
    const auto answer = [&](const std::vector<int>& keys, int32_t attempt) {
      if (!voice) {
        clock.Advance(kTenSeconds);
        for (int key : keys) Click(key);
        return;
      }
      std::vector<int> notes;
      for (int key : keys) notes.push_back(48 + key);
      Sing(notes, attempt);
    };
    Heard();
    Command(cmd::kListenNew);
    const std::vector<int> tones = KeysOf(Heard());
    if (tones.size() != 4) {
      ADD_FAILURE() << "four tones played";
      return o;
    }
    answer(tones, 0);
    o.hints.push_back(Hint());
    Heard();
    Command(cmd::kListenNew);
    const std::vector<int> next = KeysOf(Heard());
    if (next.size() != 4) {
      ADD_FAILURE() << "a new task once the first was solved";
      return o;
    }
    int wrong = next[1] >= 2 ? next[1] - 2 : next[1] + 2;
    if (wrong == next[0]) wrong = next[1] >= 3 ? next[1] - 3 : next[1] + 3;
    answer({next[0], wrong}, 2);
    o.hints.push_back(Hint());
    CAbstractT& task = View().Task();
    o.given = task.tasksGiven;
    o.first = task.solvedFirst;
    o.attempt = task.attempt;
    const size_t from = resultsLog.size();
    task.WriteStatistics();
    // All but the time spent: the time meter runs on the window's real timer while the singing is heard.
    for (size_t i = from; i < resultsLog.size(); ++i) {
      if (!resultsLog[i].starts_with(T(common::text::kLogTime))) o.log.push_back(resultsLog[i]);
    }
    o.records = sink_.records;
    return o;
  }

  PrivatePulseServer server_;
  progress_test::CapturingSink sink_;
};

TEST_F(VoiceAnswers, AMelodySungBackCountsAsClicksThread) {
  const Outcome clicked = Run(false);
  EXPECT_EQ(clicked.given, 2);
  EXPECT_EQ(clicked.first, 1);
  EXPECT_EQ(clicked.attempt, 2);

  const Outcome sung = Run(true);
  EXPECT_EQ(sung.given, clicked.given);
  EXPECT_EQ(sung.hints, clicked.hints);
  EXPECT_EQ(sung.log, clicked.log);
  EXPECT_EQ(sung.first, 1) << "solved at the first attempt";
  EXPECT_EQ(sung.attempt, 2) << "a wrong second tone";
  EXPECT_FALSE(sung.log.empty());

  // The solved task in the history: by voice, the singing 10 cents sharp on the mean.
  ASSERT_EQ(clicked.records.size(), 1u);
  EXPECT_EQ(clicked.records[0].answeredBy, progress::AnswerInput::kMouse);
  EXPECT_EQ(clicked.records[0].meanCents, progress::kNone);
  ASSERT_EQ(sung.records.size(), 1u);
  EXPECT_EQ(sung.records[0].answeredBy, progress::AnswerInput::kVoice);
  EXPECT_EQ(sung.records[0].attempt, 1);
  EXPECT_NEAR(sung.records[0].meanCents, 10, 8);
}

}  // namespace
