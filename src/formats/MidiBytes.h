#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

// The byte-level pieces of Standard MIDI Files: big-endian numbers and variable-length
// quantities (seven bits a byte, the high bit set on every byte but the last, at most four
// bytes, so at most 0x0FFFFFFF).
namespace smf {

inline constexpr uint32_t kMostVariableLength = 0x0FFFFFFF;

// The events of a track besides the channel messages: meta events (0xFF, a type, a length,
// the data) and system-exclusive ones (0xF0 or the continuation 0xF7, a length, the data).
inline constexpr uint8_t kMeta = 0xFF;
inline constexpr uint8_t kSysEx = 0xF0;
inline constexpr uint8_t kSysExContinued = 0xF7;
// Meta event types.
inline constexpr uint8_t kTrackName = 0x03;
inline constexpr uint8_t kEndOfTrack = 0x2F;
inline constexpr uint8_t kTempo = 0x51;
inline constexpr uint8_t kTimeSignature = 0x58;
// A tempo is three bytes of microseconds to the quarter note.
inline constexpr size_t kTempoBytes = 3;

// Reads forward through bytes; every read that would pass the end gives nullopt and leaves
// the position where it was.
class ByteReader {
 public:
  explicit ByteReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  size_t Left() const { return bytes_.size() - pos_; }
  std::optional<uint8_t> Byte();
  // A big-endian number of count (1-4) bytes.
  std::optional<uint32_t> BigEndian(size_t count);
  // nullopt also when it runs over four bytes.
  std::optional<uint32_t> VariableLength();
  std::optional<std::span<const uint8_t>> Take(size_t count);

 private:
  std::span<const uint8_t> bytes_;
  size_t pos_ = 0;
};

class ByteWriter {
 public:
  void Byte(uint8_t b) { bytes_.push_back(b); }
  void Bytes(std::span<const uint8_t> bytes) { bytes_.insert(bytes_.end(), bytes.begin(), bytes.end()); }
  void Text(std::string_view text) { bytes_.insert(bytes_.end(), text.begin(), text.end()); }
  void BigEndian(uint32_t value, size_t count);
  // value must be at most kMostVariableLength.
  void VariableLength(uint32_t value);
  // A chunk: its four-letter type, the length of body, then body.
  void Chunk(std::string_view type, const std::vector<uint8_t>& body);

  const std::vector<uint8_t>& Bytes() const { return bytes_; }
  std::vector<uint8_t> Take() { return std::move(bytes_); }

 private:
  std::vector<uint8_t> bytes_;
};

}  // namespace smf
