// Answers by voice end to end: generated singing played into a private PulseAudio server's
// sink whose monitor is the default input, the program's own capture and analysis listening,
// a melody task of the catalogue answered through the voice hook. The same answers given by
// clicks leave the same counters, hints and log lines.
#include <QCoreApplication>
#include <chrono>
#include <random>
#include <thread>

#include "listen/PrivatePulseServer.h"
#include "listen/SungVoice.h"
#include "tasks/melody/MelodyTestSupport.h"
#include "tasks/voice/VoiceAnswers.h"

namespace {

using namespace melody_test;

constexpr uint32_t kRate = 48000;

// What one run left behind.
struct Outcome {
  int32_t given = 0, first = 0, attempt = 0;
  std::vector<std::string> hints;
  std::vector<std::string> log;
  bool operator==(const Outcome&) const = default;
};

class VoiceAnswers : public MelodyApp {
 protected:
  void SetUp() override {
    if (!server_.Running()) GTEST_SKIP() << "pulseaudio cannot start here";
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
    // The program's own playing is over long before the singing starts.
    clock.Advance(voice::kClickEchoMs);
    ASSERT_EQ(server_.PlayIntoMicrophone(samples, kRate), 0);
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (View().Task().attempt != attempt && std::chrono::steady_clock::now() < until) {
      QCoreApplication::processEvents();
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  }

  // Task 1: the melody sung (an octave below the piano: by pitch class it is right). Task 2:
  // the first tone right, the second a tone too high.
  Outcome Run(bool voice) {
    Open(Type());
    std::srand(5);
    Outcome o;
    const auto answer = [&](const std::vector<int>& keys, int32_t attempt) {
      if (!voice) {
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
    EXPECT_EQ(tones.size(), 4u);
    answer(tones, 0);
    o.hints.push_back(Hint());
    Command(cmd::kListenNew);
    const std::vector<int> next = KeysOf(Heard());
    answer({next[0], next[1] >= 2 ? next[1] - 2 : next[1] + 2}, 2);
    o.hints.push_back(Hint());
    CAbstractT& task = View().Task();
    o.given = task.tasksGiven;
    o.first = task.solvedFirst;
    o.attempt = task.attempt;
    const size_t from = resultsLog.size();
    task.WriteStatistics();
    o.log.assign(resultsLog.begin() + static_cast<std::ptrdiff_t>(from), resultsLog.end());
    return o;
  }

  PrivatePulseServer server_;
};

TEST_F(VoiceAnswers, AMelodySungBackCountsAsClicksThread) {
  const Outcome clicked = Run(false);
  EXPECT_EQ(clicked.given, 2);
  EXPECT_EQ(clicked.first, 1);
  EXPECT_EQ(clicked.attempt, 2);

  const Outcome sung = Run(true);
  EXPECT_EQ(sung, clicked);
  EXPECT_EQ(sung.first, 1) << "solved at the first attempt";
  EXPECT_EQ(sung.attempt, 2) << "a wrong second tone";
  EXPECT_FALSE(sung.log.empty());
}

}  // namespace
