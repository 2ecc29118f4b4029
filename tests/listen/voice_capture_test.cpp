// The microphone for real: a private PulseAudio server, a tone played into the sink whose
// monitor is the default input, the capture and the analysis on their thread.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <random>
#include <thread>

#include "listen/InputDevices.h"
#include "listen/PrivatePulseServer.h"
#include "listen/SungVoice.h"
#include "listen/VoiceListener.h"

namespace {

// The status once it is no longer `leaving` (or after five seconds).
CaptureStatus WaitWhile(const VoiceListener& listener, CaptureState leaving) {
  for (int i = 0; i < 250 && listener.Status().state == leaving; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  return listener.Status();
}

CaptureStatus OpenAndWait(VoiceListener& listener, const std::string& device = {}) {
  listener.Open(device);
  return WaitWhile(listener, CaptureState::kOpening);
}

}  // namespace

TEST(VoiceCapture, HearsASungToneThroughTheSoundServerThread) {
  PrivatePulseServer server;
  ASSERT_TRUE(server.Running()) << "the private pulseaudio did not start";
  std::atomic<int> wakes{0};
  VoiceListener listener([&wakes] { ++wakes; });
  CaptureStatus status = OpenAndWait(listener);
  ASSERT_EQ(status.state, CaptureState::kOpen) << status.reason;
  EXPECT_EQ(status.deviceName, "mic.monitor");
  EXPECT_GT(status.sampleRate, 0u);

  std::mt19937 random(3);
  sung_voice::Tone tone;
  tone.midi = 57.1;  // A3, 10 cents sharp, sliding in from below with vibrato
  tone.seconds = 0.8;
  tone.vibratoCents = 20;
  tone.slideCents = -150;
  tone.slideSeconds = 0.08;
  std::vector<float> samples(9600, 0.0f);
  sung_voice::AppendTone(samples, 48000, tone, random);
  samples.resize(samples.size() + 9600, 0.0f);
  ASSERT_EQ(server.PlayIntoMicrophone(samples, 48000), 0);

  std::vector<SungNote> notes;
  size_t frames = 0;
  for (int i = 0; i < 100 && notes.empty(); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    VoiceHeard heard = listener.TakeHeard();
    frames += heard.frames.size();
    notes.insert(notes.end(), heard.notes.begin(), heard.notes.end());
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  const VoiceHeard rest = listener.TakeHeard();
  notes.insert(notes.end(), rest.notes.begin(), rest.notes.end());
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_EQ(notes[0].midi, 57);
  EXPECT_NEAR(notes[0].centsOff, 10, 12);
  EXPECT_GT(frames, 0u);
  EXPECT_GT(wakes.load(), 0);

  server.Stop();
  status = WaitWhile(listener, CaptureState::kOpen);
  EXPECT_EQ(status.state, CaptureState::kFailed);
  EXPECT_EQ(status.error, CaptureError::kServerGone) << status.reason;
  listener.Close();
  EXPECT_EQ(listener.Status().state, CaptureState::kClosed);
}

TEST(VoiceCapture, SaysWhyTheMicrophoneDoesNotOpenThread) {
  PrivatePulseServer server;
  ASSERT_TRUE(server.Running()) << "the private pulseaudio did not start";
  VoiceListener listener;

  CaptureStatus status = OpenAndWait(listener, "no-such-microphone");
  EXPECT_EQ(status.state, CaptureState::kFailed);
  EXPECT_EQ(status.error, CaptureError::kNoInputDevice);
  EXPECT_EQ(status.reason, "no input device no-such-microphone");

  // Where the default input only hears the default output, there is no microphone.
  ASSERT_EQ(server.Pactl({"set-default-sink", "mic"}), 0);
  status = OpenAndWait(listener);
  EXPECT_EQ(status.error, CaptureError::kNoInputDevice);
  EXPECT_EQ(status.reason, "no input device (only the monitor of the output)");
  // Named, it is the user's choice.
  EXPECT_EQ(OpenAndWait(listener, "mic.monitor").state, CaptureState::kOpen);

  const std::vector<InputDevice> devices = ListInputDevices();
  ASSERT_EQ(devices.size(), 2u);
  EXPECT_EQ(devices[0].name, "out.monitor");
  EXPECT_FALSE(devices[0].isDefault);
  EXPECT_EQ(devices[1].name, "mic.monitor");
  EXPECT_TRUE(devices[1].isDefault);
  EXPECT_TRUE(devices[1].monitor);
  EXPECT_FALSE(devices[1].description.empty());

  server.Stop();
  status = OpenAndWait(listener);
  EXPECT_EQ(status.error, CaptureError::kNoServer) << status.reason;
  EXPECT_FALSE(status.reason.empty());
  EXPECT_TRUE(ListInputDevices().empty());
}
