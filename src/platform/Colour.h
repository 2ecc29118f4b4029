#pragma once
#include <cstdint>

// A solid colour; brushes of the drawing code are plain colours.
struct Colour {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;
  friend bool operator==(const Colour&, const Colour&) = default;
};

using Brush = Colour;

namespace colours {
inline constexpr Colour kBlack{0, 0, 0};
inline constexpr Colour kWhite{255, 255, 255};
// The system window colour the view erases its background with.
inline constexpr Colour kWindow{255, 255, 255};
}  // namespace colours
