#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "sound/MidiOutput.h"

class CAbstractT;

// One playback of a task's tones, put on the sound timeline at once: each note-on, note-off
// and reset at its time from the start of the playback. A busy user-interface thread then
// delays nothing the user hears; it only draws the marks late. Play waits for the end with
// the busy cursor, as the beat-by-beat playback did, so the window takes input at the same
// moment. On an output without a timeline (a MIDI port) each message is sent at its time
// from the user-interface thread instead.
//
// The messages are those of the task's own note operations (PlayNote, NoteOn, AllNotesOff),
// so every piano keeps its note mapping and lastNoteWord its meaning.
class ToneTimeline {
 public:
  explicit ToneTimeline(CAbstractT& task) : task_(task) {}

  // The task's operation at atMs from the start of the playback.
  void PlayNote(uint32_t atMs, int32_t key, int32_t channel);
  void NoteOn(uint32_t atMs, int32_t key);
  void AllNotesOff(uint32_t atMs);
  // Whatever the function sends (through the task's note operations) happens at atMs.
  void Sends(uint32_t atMs, const std::function<void()>& sends);
  // A tone of its own length: PlayNote (key, channel) at startMs, the note-off of what it
  // started lengthMs later.
  void Tone(int32_t key, uint32_t startMs, uint32_t lengthMs, int32_t channel = 0);
  // Runs on the user-interface thread when the playback reaches atMs (a key marked while it
  // sounds). Cues and messages of the same time keep the order in which they were added.
  void Cue(uint32_t atMs, std::function<void()> action);

  // The playback's length: the time of its last item.
  uint32_t EndMs() const;
  // Plays it and returns at its end.
  void Play();

 private:
  struct Item {
    uint32_t atMs = 0;
    MidiSend send;
    int cue = -1;  // index into cues_, or -1 for a message
  };
  void WaitUntil(uint32_t startMs, uint32_t atMs);

  CAbstractT& task_;
  std::vector<Item> items_;
  std::vector<std::function<void()>> cues_;
};
