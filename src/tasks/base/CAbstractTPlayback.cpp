// Sending notes and timer playback of the task base.
#include <algorithm>
#include <array>
#include <mutex>

#include "music/TempoTables.h"
#include "platform/UiThread.h"
#include "platform/ViewHost.h"
#include "settings/ProgramSettings.h"
#include "sound/MidiOutput.h"
#include "sound/TimerService.h"
#include "tasks/base/CAbstractT.h"

namespace {

constexpr int32_t kLowestKey = 0;
constexpr int32_t kSoftClickKey = 37;
constexpr int32_t kWeakClickKey = 38;
constexpr int32_t kAccentClickKey = 39;
constexpr int32_t kSoftClickNote = 37;
constexpr int32_t kSoftClickVelocity = 63;
constexpr int32_t kWeakClickVelocity = 79;
constexpr int32_t kAccentClickVelocity = 127;
constexpr int32_t kFullVelocity = 127;
constexpr int32_t kTicksPerQuarter = 12;
constexpr int32_t kTicksPerEighth = 6;
constexpr int32_t kFirstEighthSignature = 8;
constexpr size_t kLampCount = 9;
constexpr size_t kOneBeatLamps = 8;

// Keeps the note-off/note-on pair of PlayNote and its lastNoteWord update together
// when the user-interface thread and the timer thread play at the same time.
std::mutex playNoteLock;

// Counts timer runs: every start and every stop begins a new one. Lamp painting posted
// by a run is dropped once its run is over, so it never reaches a stopped or deleted task.
std::atomic<uint32_t> playbackRun{0};

// Sets callbackRunning for the lifetime of one timer callback.
struct CallbackRunningScope {
  CallbackRunningScope() { callbackRunning = true; }
  ~CallbackRunningScope() { callbackRunning = false; }
  CallbackRunningScope(const CallbackRunningScope&) = delete;
  CallbackRunningScope& operator=(const CallbackRunningScope&) = delete;
};

bool IsEighthSignature(int32_t signature) { return signature >= kFirstEighthSignature; }

// The highest beat index of a bar under the signature.
int32_t LastBeatOfBar(int32_t signature) {
  return IsEighthSignature(signature) ? signature - kFirstEighthSignature : signature;
}

int32_t TicksPerBeat(int32_t signature) { return IsEighthSignature(signature) ? kTicksPerEighth : kTicksPerQuarter; }

// One step of the beat counter, wrapping to the first beat of the bar.
int32_t NextBeat(int32_t beat, int32_t signature) { return beat + 1 > LastBeatOfBar(signature) ? 0 : beat + 1; }

int32_t ClickKey(int32_t beat) { return beat == 0 ? kAccentClickKey : kWeakClickKey; }

// Indexes the events by tick for playback (under eventsLock).
void BuildTickIndex(CAbstractT& task) {
  task.tickIndex.clear();
  task.tickIndex.reserve(task.events.size());
  for (size_t i = 0; i < task.events.size(); ++i) task.tickIndex.emplace_back(task.events[i].tick, static_cast<uint32_t>(i));
  std::sort(task.tickIndex.begin(), task.tickIndex.end());
  task.indexedEvents = task.events.size();
}

// Sounds one event. Piano keys and percussion codes go through the task's PlayNote, which cuts the
// channel's previous note; keyboard notes (and keys beyond the piano in any fragment) sound as
// chords: the first of a channel's events at a tick releases what that channel sounded before.
void PlayEvent(CAbstractT& task, const NoteEvent& e, std::bitset<midi::kChannelCount>& struck) {
  const KeySound sound = SoundOfKey(e.key, task.keysAreNotes);
  if (sound == KeySound::PianoKey || sound == KeySound::Percussion) {
    task.PlayNote(e.key, e.channel);
    return;
  }
  if (sound == KeySound::Nothing) return;
  const int32_t note = e.key + kKeyboardKeyToNote;
  const auto ch = static_cast<uint32_t>(e.channel) & midi::kChannelMask;
  std::bitset<128>& sounding = task.chordNotes[ch];
  if (!struck[ch]) {
    struck[ch] = true;
    for (uint32_t n = 0; n < sounding.size(); ++n) {
      if (sounding[n]) SendShortMsg(midi::Pack(midi::kNoteOff + ch, n, 0));
    }
    sounding.reset();
  }
  sounding.set(static_cast<size_t>(note));
  SendShortMsg(midi::Pack(midi::kNoteOn + ch, static_cast<uint32_t>(note), static_cast<uint32_t>(channelVelocity[ch].load())));
}

// Plays the events of the tick in array order; while recording, the recorded channel is left out.
// The indexed events come first and in array order, then those appended since the index was built,
// so the order is the array's; an event changed in place since then is checked, never misread.
void PlayEventsAt(CAbstractT& task, int32_t tick, bool skipRecordedChannel) {
  if (task.events.size() < task.indexedEvents) BuildTickIndex(task);  // replaced meanwhile
  std::bitset<midi::kChannelCount> struck;
  const auto play = [&](const NoteEvent& e) {
    if (e.tick != tick) return;
    if (skipRecordedChannel && e.channel == activeChannel && task.recording) return;
    PlayEvent(task, e, struck);
  };
  const auto& index = task.tickIndex;
  for (auto it = std::lower_bound(index.begin(), index.end(), std::pair<int32_t, uint32_t>{tick, 0});
       it != index.end() && it->first == tick; ++it) {
    play(task.events[it->second]);
  }
  for (size_t i = task.indexedEvents; i < task.events.size(); ++i) play(task.events[i]);
}

// Tells the state through the task's showPlaybackState on the user-interface thread, if no
// start or stop has come since (the task may be gone by then: only the function is kept).
void PostPlaybackState(const CAbstractT& task, PlaybackState state) {
  if (!task.showPlaybackState) return;
  const uint32_t run = playbackRun.load();
  PostToUiThread([show = task.showPlaybackState, state, run] {
    if (playbackRun.load() == run) show(state);
  });
}

// Ends the playback from inside the callback. Stopping the timer comes last, and a stop or a
// new start from the user-interface thread waits until this callback has returned, so nothing
// here can touch a run that the user started meanwhile or a task already deleted.
void EndPlayback(CAbstractT& task) {
  task.beatInBar = 0;
  task.playing = false;
  task.recording = false;
  task.StopTimer();
  PostPlaybackState(task, PlaybackState::kStopped);
  if (playbackEndHook) playbackEndHook();
}

// The end of the playback length: the callback of tick lastTick - 1 is the last one.
void StopAtEnd(CAbstractT& task, int32_t tick) {
  if (tick >= task.lastTick - 1) EndPlayback(task);
}

void FragmentTick(CAbstractT& task) {
  const int32_t tick = ++task.currentTick;
  if (tick > task.lastTick) {
    EndPlayback(task);  // nothing to play: the next Play starts at once
    return;
  }
  PlayEventsAt(task, tick, false);
  StopAtEnd(task, tick);
}

void SequencerTick(CAbstractT& task) {
  const int32_t tick = ++task.currentTick;
  const int32_t signature = task.signatureIndex;
  if (tick % TicksPerBeat(signature) == 0) {
    const int32_t beat = NextBeat(task.beatInBar, signature);
    task.beatInBar = beat;
    task.PlayNote(ClickKey(beat), 0);
  }
  PlayEventsAt(task, tick, true);
  if (tick == 0 && task.recording) PostPlaybackState(task, PlaybackState::kRecording);
  StopAtEnd(task, tick);
}

// Paints the lamps on the user-interface thread, if the run that lit them still goes on.
void PostLamps(CAbstractT& task, const std::array<Brush, kLampCount>& colours, size_t count) {
  const uint32_t run = playbackRun.load();
  CAbstractT* target = &task;
  PostToUiThread([target, colours, count, run] {
    if (playbackRun.load() != run) return;
    std::unique_ptr<Dc> dc = GetViewHost().GetDC();
    if (!dc) return;
    for (size_t i = 0; i < count; ++i) dc->FillRect(target->beatLamps[i], colours[i]);
  });
}

void MetronomeBeat(CAbstractT& task) {
  const int32_t signature = task.signatureIndex;
  std::array<Brush, kLampCount> colours{};
  if (signature == 0 || signature == kFirstEighthSignature) {
    colours.fill(task.lightGreyBrush);
    colours[0] = task.redBrush;
    PostLamps(task, colours, kOneBeatLamps);
    task.PlayNote(kAccentClickKey, 0);
    return;
  }
  const int32_t beat = task.beatInBar;
  for (size_t i = 0; i < kLampCount; ++i) {
    const bool lit = static_cast<int32_t>(i) == beat;
    colours[i] = !lit ? task.lightGreyBrush : beat == 0 ? task.redBrush : task.greenBrush;
  }
  PostLamps(task, colours, kLampCount);
  task.PlayNote(ClickKey(beat), 0);
  task.beatInBar = NextBeat(beat, signature);
}

}  // namespace

void CAbstractT::PlayNote(int32_t key, int32_t channel) {
  if (key >= kLowestKey && key <= kHighestPianoKey) {
    const auto ch = static_cast<uint32_t>(channel) & midi::kChannelMask;
    const auto note = static_cast<uint32_t>(key + kKeyboardKeyToNote);
    std::lock_guard lock(playNoteLock);
    const uint32_t lastNote = static_cast<uint32_t>(lastNoteWord[ch].load()) >> 8;
    SendShortMsg(midi::Pack(midi::kNoteOff + ch, lastNote, 0));
    lastNoteWord[ch] = static_cast<int32_t>(note << 8);
    SendShortMsg(midi::Pack(midi::kNoteOn + ch, note, static_cast<uint32_t>(channelVelocity[ch].load())));
  } else if (key >= kSoftClickKey && key <= kAccentClickKey) {
    const int32_t note = key == kSoftClickKey ? kSoftClickNote : metronomeDrumNote.load();
    const int32_t velocity = key == kSoftClickKey   ? kSoftClickVelocity
                             : key == kWeakClickKey ? kWeakClickVelocity
                                                    : kAccentClickVelocity;
    const uint32_t ch = midi::kPercussionChannel;
    SendShortMsg(midi::Pack(midi::kNoteOn + ch, static_cast<uint32_t>(note), static_cast<uint32_t>(velocity)));
    SendShortMsg(midi::Pack(midi::kNoteOff + ch, static_cast<uint32_t>(note), 0));
  }
}

void CAbstractT::NoteOn(int32_t key) {
  SendShortMsg(midi::Pack(midi::kNoteOn, static_cast<uint32_t>(key + kKeyboardKeyToNote), kFullVelocity));
}

void CAbstractT::NoteOff(int32_t key) {
  SendShortMsg(midi::Pack(midi::kNoteOff, static_cast<uint32_t>(key + kKeyboardKeyToNote), kFullVelocity));
}

void CAbstractT::AllNotesOff() { ResetMidiOut(); }

void CAbstractT::StartTimer(uint32_t periodMs) {
  // The previous run ends first, its callback included, so it cannot change the new run's tick.
  if (timerId != 0) GetTimerService().KillEvent(timerId);
  currentTick = 0;
  ++playbackRun;
  // The clicks' instrument is made ready here, not on the timer's thread at the first beat.
  if (playbackMode == kSequencerPlayback || playbackMode == kMetronomePlayback) {
    PrepareShortMsg(midi::Pack(midi::kNoteOn + midi::kPercussionChannel, static_cast<uint32_t>(metronomeDrumNote.load()),
                               kAccentClickVelocity));
  }
  // The new timer's first callback takes eventsLock too, so it sees timerId and timerRunning set.
  std::lock_guard lock(eventsLock);
  BuildTickIndex(*this);
  for (std::bitset<128>& sounding : chordNotes) sounding.reset();
  if (!recording) {
    std::bitset<midi::kChannelCount> struck;
    for (const NoteEvent& e : events) {
      if (e.tick == 0) PlayEvent(*this, e, struck);
    }
  }
  timerId = GetTimerService().SetEvent(periodMs, &CAbstractT::TimerCallback, this);
  timerRunning = true;
}

void CAbstractT::StartTimerAtTempo() {
  StartTimer(static_cast<uint32_t>(msPerTick[static_cast<size_t>(ClampTempoIndex(tempoIndex))]));
}

// Never call it holding eventsLock from the user-interface thread: it waits for a running callback,
// also one that has already stopped the timer itself at the end of the playback (the timer
// service waits for the callback of any id it is running; an id it no longer knows costs nothing).
// From inside the callback it does not wait.
void CAbstractT::StopTimer() {
  if (timerId != 0) GetTimerService().KillEvent(timerId);
  if (!timerRunning) return;
  ++playbackRun;
  timerRunning = false;
  recording = false;
  currentTick = 0;
  AllNotesOff();
}

void CAbstractT::ComputeLength() {
  int32_t last = lastTick;
  for (const NoteEvent& e : events) {
    if (last <= e.tick) last = e.tick + 1;
  }
  const int32_t ticks = ticksPerBar[static_cast<size_t>(signatureIndex) & (ticksPerBar.size() - 1)];
  if (last % ticks == 0) {
    barCount = last / ticks;
  } else {
    barCount = last / ticks + 1;
    last = barCount * ticks;
  }
  lastTick = last;
}

void CAbstractT::TimerCallback(void* user) {
  CallbackRunningScope running;
  auto& task = *static_cast<CAbstractT*>(user);
  std::lock_guard lock(task.eventsLock);
  switch (task.playbackMode) {
    case kFragmentPlayback:
      FragmentTick(task);
      break;
    case kSequencerPlayback:
      SequencerTick(task);
      break;
    case kMetronomePlayback:
      MetronomeBeat(task);
      break;
    default:
      break;
  }
}
