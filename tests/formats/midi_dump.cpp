// Prints what the MIDI file reader finds in each file named on the command line, for
// midi_differential.py to compare with another reader:
//   file <path>
//   unreadable                                  (or, for a song:)
//   title <hex bytes>   tempo <micros or ->   signature <n/d or ->
//   program <channel> <program>                 (each channel that has one)
//   note <track> <channel> <note> <velocity> <tick> <length>
#include <cstdio>
#include <string>

#include "formats/MidiFile.h"
#include "platform/FileWrite.h"

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    std::printf("file %s\n", argv[i]);
    const std::optional<std::vector<uint8_t>> bytes = ReadWholeFile(argv[i]);
    const std::optional<smf::Song> song = bytes ? smf::Read(*bytes) : std::nullopt;
    if (!song) {
      std::printf("unreadable\n");
      continue;
    }
    std::printf("title ");
    for (char c : song->title) std::printf("%02x", static_cast<unsigned char>(c));
    std::printf("\ntempo %s\n", song->microsPerQuarter ? std::to_string(*song->microsPerQuarter).c_str() : "-");
    if (song->signature) {
      std::printf("signature %d/%d\n", song->signature->first, song->signature->second);
    } else {
      std::printf("signature -\n");
    }
    for (size_t ch = 0; ch < song->programs.size(); ++ch) {
      if (song->programs[ch] >= 0) std::printf("program %zu %d\n", ch, song->programs[ch]);
    }
    for (size_t t = 0; t < song->tracks.size(); ++t) {
      for (const smf::Note& n : song->tracks[t]) {
        std::printf("note %zu %d %d %d %d %d\n", t, n.channel, n.note, n.velocity, n.tick, n.length);
      }
    }
  }
  return 0;
}
