#pragma once
#include <string_view>

#include "platform/Utf.h"

// Appends the text's UTF-16 code units, little-endian, without a terminator.
template <typename Bytes>
void AppendUtf16Le(Bytes& out, std::string_view text) {
  using Byte = typename Bytes::value_type;
  for (const char16_t unit : Utf8ToUtf16(text)) {
    out.push_back(static_cast<Byte>(unit & 0xFF));
    out.push_back(static_cast<Byte>(unit >> 8));
  }
}
