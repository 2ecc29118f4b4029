#pragma once
#include <cstdint>

// One scheduled note of timer playback. One tick is a twelfth of a beat.
struct NoteEvent {
  int32_t channel = 0;  // MIDI channel 0-15
  int32_t tick = 0;     // tick at which the note starts
  int32_t key = 0;      // key index as PlayNote takes it, 0-39; a keyboard note - 36
  friend bool operator==(const NoteEvent&, const NoteEvent&) = default;
};

// A keyboard note's key is note - 36: key 0 of the pianos is C2 (MIDI note 36).
inline constexpr int32_t kKeyboardKeyToNote = 36;
// The highest key of the on-screen pianos (37 keys: 0-36).
inline constexpr int32_t kHighestPianoKey = 36;

// How an event's key sounds. The on-screen sequencers' keys 0-36 are piano keys and 37-39
// percussion codes, both sounded by PlayNote, one note a channel. A keyboard note (every key of
// a fragment recorded from the hardware keyboard, and keys outside 0-39 in any fragment) sounds
// key + 36, together with the other notes its channel strikes at the tick; one beyond the MIDI
// notes sounds nothing.
enum class KeySound { PianoKey, Percussion, KeyboardNote, Nothing };

constexpr KeySound SoundOfKey(int32_t key, bool keysAreNotes) {
  if (!keysAreNotes && key >= 0 && key <= 36) return KeySound::PianoKey;
  if (!keysAreNotes && key >= 37 && key <= 39) return KeySound::Percussion;
  const int32_t note = key + kKeyboardKeyToNote;
  return note >= 0 && note <= 127 ? KeySound::KeyboardNote : KeySound::Nothing;
}
