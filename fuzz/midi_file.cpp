// Fuzzes the Standard MIDI File reader: any bytes give a song or nothing, never a crash or a
// hang, and a song read is written and read again with the same notes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "formats/MidiFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::optional<smf::Song> song = smf::Read(std::span<const uint8_t>(data, size));
  if (!song) return 0;
  for (const std::vector<smf::Note>& track : song->tracks) {
    for (const smf::Note& n : track) {
      if (n.tick < 0 || n.length < 1 || n.tick + n.length > smf::kMostTicks) std::abort();
    }
  }
  const std::optional<std::vector<uint8_t>> bytes = smf::Write(*song);
  if (!bytes) std::abort();
  const std::optional<smf::Song> again = smf::Read(*bytes);
  if (!again || again->tracks != song->tracks || again->title != song->title) std::abort();
  return 0;
}
