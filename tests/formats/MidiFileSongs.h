#pragma once
// Songs the MIDI file writer is held to byte for byte: fixtures/<name>.mid holds the bytes
// that the program's exports have had since it first wrote MIDI files.
#include <string>
#include <utility>
#include <vector>

#include "formats/MidiFile.h"

namespace midi_file_songs {

struct NamedSong {
  std::string name;
  smf::Song song;
};

inline std::vector<NamedSong> Songs() {
  std::vector<NamedSong> songs;
  // As the sequencer exports a fragment: its tempo and signature, two channels, one with a program.
  smf::Song two;
  two.microsPerQuarter = 504000;
  two.signature = {3, 4};
  two.programs[3] = 40;
  two.tracks = {{{0, 60, 127, 0, 12}, {0, 64, 127, 12, 24}, {0, 67, 127, 36, 12}},
                {{3, 46, 90, 6, 24}, {3, 48, 90, 30, 18}}};
  songs.push_back({"two_channels", two});
  // A title, the default tempo and signature, a chord, a note struck again where it ends and
  // the percussion channel.
  smf::Song drums;
  drums.title = "Song title";
  drums.tracks = {{{9, 36, 100, 0, 6}, {9, 42, 100, 0, 6}, {9, 36, 100, 6, 6}, {9, 38, 64, 12, 3}}};
  songs.push_back({"titled_drums", drums});
  // A Cyrillic title of 120 bytes, a slow tempo, 6/8, three channels and a note far on (a
  // delta time of four bytes).
  smf::Song far;
  for (int i = 0; i < 60; ++i) far.title += "Ж";
  far.microsPerQuarter = 1000000;
  far.signature = {6, 8};
  far.programs[0] = 0;
  far.programs[1] = 127;
  far.tracks = {{{0, 72, 1, 0, 1}, {0, 72, 127, 100000, 12}},
                {{1, 0, 50, 3, 9}, {1, 127, 50, 3, 9}},
                {{2, 50, 70, 24, 48}}};
  songs.push_back({"far_note", far});
  // Nothing but the first track.
  songs.push_back({"empty", smf::Song{}});
  return songs;
}

}  // namespace midi_file_songs
