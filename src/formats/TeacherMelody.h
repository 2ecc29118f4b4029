#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The melodies written by teachers: one voice, each tone with its start and length in
// ticks (twelve to the beat), read from fragment files (*.aro) or Standard MIDI Files (*.mid).
namespace teacher {

inline constexpr int32_t kTicksPerBeat = 12;
// The most tones a melody may have, and the longest it may play at the slowest tempo; a melody
// file past either is refused as unreadable.
inline constexpr size_t kMostTones = 32;
inline constexpr int32_t kMostPlayingMs = 2 * 60 * 1000;

struct Tone {
  int32_t note = 60;  // MIDI note
  int32_t tick = 0;   // start, the first tone at 0
  int32_t length = kTicksPerBeat;
  friend bool operator==(const Tone&, const Tone&) = default;
};

struct Melody {
  std::string title;  // as shown: blanks, not "_"
  std::vector<Tone> tones;
};

// One voice of timed notes: notes starting together are a chord and give their top note;
// a tone lasts to the next start, or to its own end when a rest follows. The first tone
// starts at tick 0. Input: (note, start, end) in any order; end may be unknown (< 0).
struct TimedNote {
  int32_t note;
  int32_t tick;
  int32_t end;
};
std::vector<Tone> OneVoice(std::vector<TimedNote> notes);

// The melody of a fragment file or a Standard MIDI File, told apart by the content.
// A fragment gives its title and the notes of the lowest channel that has any (the percussion
// channel and codes aside) at MIDI note key + 36, each lasting to the next; a MIDI file gives
// its name and the notes of its first track that has any, percussion aside. A melody without a
// title takes fallbackTitle. nullopt when the bytes hold no such note, or the melody is past
// kMostTones or kMostPlayingMs.
std::optional<Melody> ReadMelody(std::span<const uint8_t> bytes, const std::string& fallbackTitle);

// The whole octaves (in semitones, nearest to no shift first) that bring every tone into
// lowest..highest; nullopt when there are none.
std::optional<int32_t> OctaveShiftInto(const Melody& melody, int32_t lowest, int32_t highest);

}  // namespace teacher
