// Sending notes and timer playback of the task base.
#include "settings/ProgramSettings.h"
#include "sound/MidiOutput.h"
#include "sound/TempoTables.h"
#include "sound/TimerService.h"
#include "tasks/base/CAbstractT.h"

void CAbstractT::PlayNote(int32_t key, int32_t channel) {
  if (key >= 0 && key <= 36) {
    const auto ch = static_cast<uint32_t>(channel & 0x0F);
    const uint32_t lastNote = static_cast<uint32_t>(lastNoteWord[ch]) >> 8;
    SendShortMsg(midi::Pack(midi::kNoteOff + ch, lastNote, 0));
    lastNoteWord[ch] = (key + 36) << 8;
    SendShortMsg(midi::Pack(midi::kNoteOn + ch, static_cast<uint32_t>(key + 36),
                            static_cast<uint32_t>(channelVelocity[ch])));
  } else if (key >= 37 && key <= 39) {
    const int32_t note = key == 37 ? 37 : metronomeDrumNote;
    const int32_t velocity = key == 37 ? 63 : key == 38 ? 79 : 127;
    const uint32_t ch = midi::kPercussionChannel;
    SendShortMsg(midi::Pack(midi::kNoteOn + ch, static_cast<uint32_t>(note), static_cast<uint32_t>(velocity)));
    SendShortMsg(midi::Pack(midi::kNoteOff + ch, static_cast<uint32_t>(note), 0));
  }
}

void CAbstractT::NoteOn(int32_t key) { SendShortMsg(midi::Pack(midi::kNoteOn, static_cast<uint32_t>(key + 36), 127)); }

void CAbstractT::NoteOff(int32_t key) {
  SendShortMsg(midi::Pack(midi::kNoteOff, static_cast<uint32_t>(key + 36), 127));
}

void CAbstractT::AllNotesOff() { ResetMidiOut(); }

void CAbstractT::StartTimer(uint32_t periodMs) {
  currentTick = 0;
  if (timerRunning) GetTimerService().KillEvent(timerId);
  {
    std::lock_guard lock(eventsLock);
    if (!recording) {
      for (const NoteEvent& e : events) {
        if (e.tick == 0) PlayNote(e.key, e.channel);
      }
    }
  }
  timerId = GetTimerService().SetEvent(periodMs, &CAbstractT::TimerCallback, this);
  timerRunning = true;
}

void CAbstractT::StartTimerAtTempo() {
  StartTimer(static_cast<uint32_t>(msPerTick[static_cast<size_t>(ClampTempoIndex(tempoIndex))]));
}

void CAbstractT::StopTimer() {
  if (!timerRunning) return;
  GetTimerService().KillEvent(timerId);
  timerRunning = false;
  recording = false;
  currentTick = 0;
  AllNotesOff();
}

void CAbstractT::ComputeLength() {
  for (const NoteEvent& e : events) {
    if (lastTick <= e.tick) lastTick = e.tick + 1;
  }
  const int32_t b = ticksPerBar[static_cast<size_t>(signatureIndex & 15)];
  if (lastTick % b == 0) {
    barCount = lastTick / b;
  } else {
    barCount = lastTick / b + 1;
    lastTick = barCount * b;
  }
}

void CAbstractT::TimerCallback(void* user) {
  // The playback modes are stepped here; see the timer playback of the sound layer.
  (void)user;
}
