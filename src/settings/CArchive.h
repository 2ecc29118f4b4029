#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/FontDesc.h"
#include "platform/Geometry.h"

// A byte stream in one direction: a storing archive collects little-endian fields,
// a loading archive hands them back in the same order. Serialisation code calls Transfer
// for each field, so one list of fields serves both directions.
// Reading past the end yields zeros and marks the archive as failed.
class CArchive {
 public:
  // A storing archive, empty.
  CArchive() = default;
  // A loading archive over these bytes.
  explicit CArchive(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)), loading_(true) {}

  bool IsStoring() const { return !loading_; }
  bool IsLoading() const { return loading_; }
  // A load ran out of bytes.
  bool Failed() const { return failed_; }
  // The bytes stored so far (storing) or the bytes being read (loading).
  const std::vector<uint8_t>& Bytes() const { return bytes_; }

  void Transfer(uint8_t& value);
  void Transfer(uint16_t& value);
  void Transfer(int32_t& value);
  void Transfer(char16_t& value);
  void Transfer(Rect& rect);
  // The logical-font record member by member, 92 bytes.
  void Transfer(FontDesc& font);
  template <typename T, size_t N>
  void Transfer(T (&values)[N]) {
    for (T& v : values) Transfer(v);
  }

 private:
  template <typename T>
  void TransferLE(T& value);

  std::vector<uint8_t> bytes_;
  size_t position_ = 0;
  bool loading_ = false;
  bool failed_ = false;
};
