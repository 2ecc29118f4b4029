#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// Standard MIDI Files (*.mid), read and written by the program itself (MidiBytes.h holds the
// byte-level pieces). Times are held in the program's ticks, twelve to the quarter note, whatever
// tempo the file plays at; the files we write count 480 pulses to the quarter note, so one of our
// ticks is 40 of theirs.
namespace smf {

inline constexpr int32_t kPulsesPerQuarter = 480;
inline constexpr int32_t kTicksPerQuarter = 12;
inline constexpr int32_t kPulsesPerTick = kPulsesPerQuarter / kTicksPerQuarter;
// The largest fragment or MIDI file the program reads.
inline constexpr size_t kMostBytes = 16u << 20;
// A file with a note that ends later than this (about 350,000 quarter notes) is refused; so
// every time fits in 32 bits and a song read can always be written again.
inline constexpr int32_t kMostTicks = 1 << 22;

// One note: channel 0-15, MIDI note and velocity, start and length in ticks.
struct Note {
  int32_t channel = 0;
  int32_t note = 60;
  int32_t velocity = 100;
  int32_t tick = 0;
  int32_t length = 1;
  friend bool operator==(const Note&, const Note&) = default;
};

struct Song {
  // The sequence name (the first track's name), as the file has it.
  std::string title;
  // The notes of each track that has any, in file order; in each, by start and then by pitch.
  std::vector<std::vector<Note>> tracks;
  // The first program change of each channel, -1 where the file has none.
  std::array<int32_t, 16> programs{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
  // The first tempo and time signature of the file, when it has them.
  std::optional<int32_t> microsPerQuarter;
  std::optional<std::pair<int32_t, int32_t>> signature;  // numerator, denominator
};

// Whether the bytes start like a Standard MIDI File.
bool LooksLikeMidiFile(std::span<const uint8_t> bytes);

// The song of a type 0 or type 1 file; nullopt when the bytes are no such file: a chunk longer
// than the bytes, an event cut short, a data byte where no running status holds, a variable-length
// quantity over four bytes, a note past kMostTicks, or time counted in SMPTE frames (no beat).
// Chunks of other types are skipped; a track may lack its end-of-track event. Each track's notes
// run from a note-on (velocity above 0) to the first note-off of its channel and note after it;
// a note never ended lasts to the track's last event. Ticks are pulses * 12 / pulses per
// quarter note, rounded to the nearest.
std::optional<Song> Read(std::span<const uint8_t> bytes);

// A type 1 file of 480 pulses to the quarter note: a first track with the name, tempo and
// time signature, then one track per channel that has notes, starting with its program
// change, each note as note-on and note-off (at the same time an end before a start), every
// event with its status byte. nullopt when a note lies before 0 or past kMostTicks.
std::optional<std::vector<uint8_t>> Write(const Song& song);

}  // namespace smf
