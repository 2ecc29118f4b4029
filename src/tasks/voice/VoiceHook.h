#pragma once
#include <cstdint>
#include <functional>

// A note the student sang and held, as the microphone's analysis heard it.
struct SungAnswer {
  int32_t note = 0;      // the MIDI note held
  int32_t cents = 0;     // the singer's mean deviation from it (+ sharp, - flat)
  uint32_t startMs = 0;  // when the hold began, on the millisecond clock (timeGetTime)
};

using SungAnswerSink = std::function<void(const SungAnswer&)>;

// How sung answers are judged, from the voice settings.
struct VoiceJudging {
  bool exactOctave = false;
  // Semitones to move the tones played so that notes lowest..highest lie in the singer's
  // range (a whole number of octaves; 0 while the range is not known).
  std::function<int32_t(int32_t lowest, int32_t highest)> octaveShift;
};

// The microphone as the tasks see it; the program installs it. listen(sink) opens the
// microphone and hands every held note to the sink on the user-interface thread;
// listen(nullptr) closes it again.
// unavailable() is true once the microphone could not be opened (until another input device
// is chosen).
struct VoiceHook {
  std::function<void(SungAnswerSink sink)> listen;
  std::function<VoiceJudging()> judging;
  std::function<bool()> unavailable;
};

void SetVoiceHook(VoiceHook hook);
// Without a hook (tests of other tasks) nothing is heard.
void ListenForSungNotes(SungAnswerSink sink);
VoiceJudging CurrentVoiceJudging();
bool MicrophoneUnavailable();
