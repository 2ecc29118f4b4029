#include "formats/MidiBytes.h"

namespace smf {

std::optional<uint8_t> ByteReader::Byte() {
  if (pos_ >= bytes_.size()) return std::nullopt;
  return bytes_[pos_++];
}

std::optional<uint32_t> ByteReader::BigEndian(size_t count) {
  if (count > Left()) return std::nullopt;
  uint32_t value = 0;
  for (size_t i = 0; i < count; ++i) value = (value << 8) | bytes_[pos_ + i];
  pos_ += count;
  return value;
}

std::optional<uint32_t> ByteReader::VariableLength() {
  uint32_t value = 0;
  for (size_t i = 0; i < 4 && pos_ + i < bytes_.size(); ++i) {
    const uint8_t b = bytes_[pos_ + i];
    value = (value << 7) | (b & 0x7F);
    if ((b & 0x80) == 0) {
      pos_ += i + 1;
      return value;
    }
  }
  return std::nullopt;
}

std::optional<std::span<const uint8_t>> ByteReader::Take(size_t count) {
  if (count > Left()) return std::nullopt;
  const std::span<const uint8_t> taken = bytes_.subspan(pos_, count);
  pos_ += count;
  return taken;
}

void ByteWriter::BigEndian(uint32_t value, size_t count) {
  for (size_t i = count; i-- > 0;) Byte(static_cast<uint8_t>(value >> (8 * i)));
}

void ByteWriter::VariableLength(uint32_t value) {
  int shift = 21;
  while (shift > 0 && (value >> shift) == 0) shift -= 7;
  for (; shift > 0; shift -= 7) Byte(static_cast<uint8_t>(0x80 | ((value >> shift) & 0x7F)));
  Byte(static_cast<uint8_t>(value & 0x7F));
}

void ByteWriter::Chunk(std::string_view type, const std::vector<uint8_t>& body) {
  Text(type);
  BigEndian(static_cast<uint32_t>(body.size()), 4);
  Bytes(body);
}

}  // namespace smf
