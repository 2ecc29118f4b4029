// Fuzzes the reader of the fragment files (*.aro): only values within their ranges may
// reach the sequencer, and what was read formats and reads back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "formats/FragmentFile.h"

namespace {

bool InRange(int32_t value, int32_t low, int32_t high) { return value >= low && value <= high; }

class Collect : public fragment::Sink {
 public:
  void Title(const std::string& utf8) override { content.title = utf8; }
  void Author(const std::string& utf8) override { content.author = utf8; }
  void Tempo(int32_t index) override {
    if (!InRange(index, 0, fragment::kLastTempo)) std::abort();
    content.saveTempo = true;
    content.tempoIndex = index;
  }
  void Signature(int32_t index) override {
    if (!InRange(index, 0, fragment::kLastSignature)) std::abort();
    content.signatureIndex = index;
  }
  void Program(int32_t channel, int32_t program) override {
    if (!InRange(channel, 0, fragment::kChannels - 1) || !InRange(program, 0, fragment::kLastMidiValue)) std::abort();
    content.programs[static_cast<size_t>(channel)] = program;
  }
  void Velocity(int32_t channel, int32_t velocity) override {
    if (!InRange(channel, 0, fragment::kChannels - 1) || !InRange(velocity, 0, fragment::kLastMidiValue)) std::abort();
    content.velocities[static_cast<size_t>(channel)] = velocity;
  }
  void Event(const NoteEvent& e) override {
    if (!InRange(e.channel, 0, fragment::kChannels - 1) || !InRange(e.tick, fragment::kFirstTick, fragment::kLastTick) ||
        !InRange(e.key, fragment::kFirstKey, fragment::kLastKey)) {
      std::abort();
    }
    content.events.push_back(e);
  }

  fragment::Content content;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Collect first;
  fragment::Parse(std::span<const uint8_t>(data, size), first);
  // Titles and authors with characters outside one byte come back as "?", so only the
  // numbers are compared.
  Collect second;
  fragment::Parse(fragment::Format(first.content), second);
  const fragment::Content& a = first.content;
  const fragment::Content& b = second.content;
  if (a.programs != b.programs || a.velocities != b.velocities || a.signatureIndex != b.signatureIndex ||
      a.saveTempo != b.saveTempo || a.tempoIndex != b.tempoIndex || a.events != b.events) {
    std::abort();
  }
  return 0;
}
