#pragma once
#include <array>
#include <cstdint>
#include <string>

// The 92-byte logical-font record kept in the settings file:
// height, width, escapement, orientation, weight; eight flag bytes; 32 UTF-16 units of face name.
// A negative height is the character height in pixels; weight 700 is bold.
struct FontDesc {
  int32_t height = 0;
  int32_t width = 0;
  int32_t escapement = 0;
  int32_t orientation = 0;
  int32_t weight = 0;
  uint8_t italic = 0;
  uint8_t underline = 0;
  uint8_t strikeOut = 0;
  uint8_t charSet = 0;
  uint8_t outPrecision = 0;
  uint8_t clipPrecision = 0;
  uint8_t quality = 0;
  uint8_t pitchAndFamily = 0;
  std::array<char16_t, 32> faceName{};

  static constexpr size_t kBytes = 92;

  // Face name as UTF-8, up to the first zero unit.
  std::string Face() const;
  // Stores the face, cut to 31 units so that a terminating zero always fits.
  void SetFace(const std::string& face);

  friend bool operator==(const FontDesc&, const FontDesc&) = default;
};

// The two first-start font descriptions.
FontDesc DefaultMainFontDesc();
FontDesc DefaultResultFontDesc();
