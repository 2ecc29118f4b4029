#pragma once
#include <cstdint>

// One scheduled note of timer playback. One tick is a twelfth of a beat.
struct NoteEvent {
  int32_t channel = 0;  // MIDI channel 0-15
  int32_t tick = 0;     // tick at which the note starts
  int32_t key = 0;      // key index as PlayNote takes it, 0-39; a keyboard note - 36
  friend bool operator==(const NoteEvent&, const NoteEvent&) = default;
};
