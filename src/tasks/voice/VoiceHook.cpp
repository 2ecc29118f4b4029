#include "tasks/voice/VoiceHook.h"

namespace {

VoiceHook& TheHook() {
  static VoiceHook hook;
  return hook;
}

}  // namespace

void SetVoiceHook(VoiceHook hook) { TheHook() = std::move(hook); }

void ListenForSungNotes(SungAnswerSink sink) {
  if (TheHook().listen) TheHook().listen(std::move(sink));
}

VoiceJudging CurrentVoiceJudging() { return TheHook().judging ? TheHook().judging() : VoiceJudging{}; }

bool MicrophoneUnavailable() { return TheHook().unavailable && TheHook().unavailable(); }
