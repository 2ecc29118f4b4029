#include "settings/CArchive.h"

#include <type_traits>

template <typename T>
void CArchive::TransferLE(T& value) {
  using U = std::make_unsigned_t<T>;
  constexpr size_t kSize = sizeof(T);
  if (!loading_) {
    const U u = static_cast<U>(value);
    for (size_t i = 0; i < kSize; ++i) bytes_.push_back(static_cast<uint8_t>(u >> (8 * i)));
    return;
  }
  if (bytes_.size() - position_ < kSize) {
    failed_ = true;
    position_ = bytes_.size();
    value = 0;
    return;
  }
  U u = 0;
  for (size_t i = 0; i < kSize; ++i) u = static_cast<U>(u | static_cast<U>(bytes_[position_ + i]) << (8 * i));
  position_ += kSize;
  value = static_cast<T>(u);
}

void CArchive::Transfer(uint8_t& value) { TransferLE(value); }
void CArchive::Transfer(uint16_t& value) { TransferLE(value); }
void CArchive::Transfer(int32_t& value) { TransferLE(value); }
void CArchive::Transfer(char16_t& value) { TransferLE(value); }

void CArchive::Transfer(Rect& rect) {
  Transfer(rect.left);
  Transfer(rect.top);
  Transfer(rect.right);
  Transfer(rect.bottom);
}

void CArchive::Transfer(FontDesc& font) {
  Transfer(font.height);
  Transfer(font.width);
  Transfer(font.escapement);
  Transfer(font.orientation);
  Transfer(font.weight);
  Transfer(font.italic);
  Transfer(font.underline);
  Transfer(font.strikeOut);
  Transfer(font.charSet);
  Transfer(font.outPrecision);
  Transfer(font.clipPrecision);
  Transfer(font.quality);
  Transfer(font.pitchAndFamily);
  for (char16_t& unit : font.faceName) Transfer(unit);
}
