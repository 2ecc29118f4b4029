// Fuzzes the keyboard's input parser: any byte stream, handed over in pieces of any size as the
// sequencer's callbacks do, gives whole channel messages, the same whatever the pieces.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "sound/MidiInParser.h"
#include "sound/MidiOutput.h"

namespace {

std::vector<uint32_t> Parse(const uint8_t* data, size_t size, uint8_t pieces) {
  MidiInParser parser;
  std::vector<uint32_t> messages;
  const auto emit = [&messages](uint32_t m) { messages.push_back(m); };
  uint32_t state = pieces;
  for (size_t at = 0; at < size;) {
    state = state * 1103515245u + 12345u;
    const size_t n = pieces == 0 ? size : 1 + (state >> 16) % 9;
    const size_t take = n < size - at ? n : size - at;
    parser.Feed(data + at, take, emit);
    at += take;
  }
  return messages;
}

void Check(uint32_t m) {
  const uint8_t status = midi::Status(m);
  // A channel message: status byte 0x80-0xEF, data bytes below 0x80, nothing above them.
  if (status < 0x80 || status >= midi::kSystem) std::abort();
  if ((m >> 24) != 0 || ((m >> 8) & 0x80) != 0 || ((m >> 16) & 0x80) != 0) std::abort();
  if (midi::MessageLength(status) == 2 && midi::Data2(m) != 0) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const uint8_t pieces = data[0];
  ++data;
  --size;
  const std::vector<uint32_t> whole = Parse(data, size, 0);
  // Every message takes at least one data byte of the stream.
  size_t dataBytes = 0;
  for (size_t i = 0; i < size; ++i) dataBytes += data[i] < midi::kStatusBit ? 1 : 0;
  if (whole.size() > dataBytes) std::abort();
  for (uint32_t m : whole) Check(m);
  if (Parse(data, size, pieces) != whole) std::abort();
  return 0;
}
