#include "tasks/base/ToneTimeline.h"

#include <algorithm>

#include "platform/Clock.h"
#include "tasks/base/CAbstractT.h"

namespace {
constexpr uint32_t kMostWaitForSoundMs = 3000;
constexpr uint32_t kSoundPollMs = 20;
}  // namespace

void ToneTimeline::Sends(uint32_t atMs, const std::function<void()>& sends) {
  MidiSendCapture capture;
  sends();
  for (const MidiSend& s : capture.Sends()) items_.push_back({atMs, s, -1});
}

void ToneTimeline::PlayNote(uint32_t atMs, int32_t key, int32_t channel) {
  Sends(atMs, [&] { task_.PlayNote(key, channel); });
}

void ToneTimeline::NoteOn(uint32_t atMs, int32_t key) {
  Sends(atMs, [&] { task_.NoteOn(key); });
}

void ToneTimeline::AllNotesOff(uint32_t atMs) {
  Sends(atMs, [&] { task_.AllNotesOff(); });
}

void ToneTimeline::Tone(int32_t key, uint32_t startMs, uint32_t lengthMs, int32_t channel) {
  const size_t first = items_.size();
  PlayNote(startMs, key, channel);
  const size_t last = items_.size();
  for (size_t i = first; i < last; ++i) {
    const uint32_t m = items_[i].send.message;
    if (items_[i].send.reset || midi::Kind(m) != midi::kNoteOn || midi::Data2(m) == 0) continue;
    const auto ch = static_cast<uint32_t>(midi::Channel(m));
    items_.push_back({startMs + lengthMs, {midi::Pack(midi::kNoteOff + ch, midi::Data1(m), 0), false}, -1});
  }
}

void ToneTimeline::Cue(uint32_t atMs, std::function<void()> action) {
  cues_.push_back(std::move(action));
  items_.push_back({atMs, {}, static_cast<int>(cues_.size() - 1)});
}

uint32_t ToneTimeline::EndMs() const {
  uint32_t end = 0;
  for (const Item& i : items_) end = std::max(end, i.atMs);
  return end;
}

void ToneTimeline::WaitUntil(uint32_t startMs, uint32_t atMs) {
  const auto left = static_cast<int32_t>(startMs + atMs - timeGetTime());
  if (left > 0) task_.WaitMs(static_cast<uint32_t>(left));
}

void ToneTimeline::Play() {
  std::stable_sort(items_.begin(), items_.end(), [](const Item& a, const Item& b) { return a.atMs < b.atMs; });
  // Just after the start the sound may not run yet: the first tones wait for it, so they
  // come late rather than be cut by the sound server's first pause.
  for (uint32_t waited = 0; !MidiOutReady() && waited < kMostWaitForSoundMs; waited += kSoundPollMs) {
    task_.WaitMs(kSoundPollMs);
  }
  const uint32_t start = timeGetTime();
  const bool ahead = MidiOutHasTimeline();
  if (ahead) {
    for (const Item& i : items_) {
      if (i.cue >= 0) continue;
      if (i.send.reset) {
        ResetMidiOutAt(start + i.atMs);
      } else {
        SendShortMsgAt(i.send.message, start + i.atMs);
      }
    }
  }
  for (const Item& i : items_) {
    WaitUntil(start, i.atMs);
    if (i.cue >= 0) {
      cues_[static_cast<size_t>(i.cue)]();
    } else if (!ahead && i.send.reset) {
      ResetMidiOut();
    } else if (!ahead) {
      SendShortMsg(i.send.message);
    }
  }
  WaitUntil(start, EndMs());
}
