#pragma once
#include "platform/FontDesc.h"

// A font made from a font description. Drawing code selects it into a device context.
class Font {
 public:
  Font() = default;
  explicit Font(const FontDesc& desc) : desc_(desc) {}
  const FontDesc& Desc() const { return desc_; }

 private:
  FontDesc desc_;
};
