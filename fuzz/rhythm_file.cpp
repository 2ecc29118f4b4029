// Fuzzes the reader of the rhythm levels: any bytes give rhythms or a reason, never both; a
// rhythm read has one to four bars and at least one note, its notes in order inside its bars.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "tasks/rhythm/RhythmFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const rhythm::LevelRead read = rhythm::ParseLevel(std::span<const uint8_t>(data, size));
  if (read.Ok() == read.rhythms.empty()) std::abort();
  if (!read.Ok() && !read.error.starts_with("line ") && read.error != "the file holds no rhythm") std::abort();
  for (const rhythm::Rhythm& r : read.rhythms) {
    if (r.bars < 1 || r.bars > rhythm::kMostBars || r.notes.empty() || r.notes.front().tick < 0) std::abort();
    int32_t end = 0;
    for (const rhythm::Note& n : r.notes) {
      if (n.tick < end || n.length < 1) std::abort();
      end = n.tick + n.length;
    }
    if (end > r.Ticks()) std::abort();
  }
  return 0;
}
