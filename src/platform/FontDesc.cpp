#include "platform/FontDesc.h"

#include "platform/Utf.h"

std::string FontDesc::Face() const {
  size_t n = 0;
  while (n < faceName.size() && faceName[n] != 0) ++n;
  return Utf16ToUtf8(std::u16string_view(faceName.data(), n));
}

void FontDesc::SetFace(const std::string& face) {
  faceName.fill(0);
  const std::u16string units = Utf8ToUtf16(face);
  for (size_t i = 0; i < units.size() && i + 1 < faceName.size(); ++i) faceName[i] = units[i];
}

FontDesc DefaultMainFontDesc() {
  FontDesc d;
  d.SetFace("Arial");
  d.height = -13;
  return d;
}

FontDesc DefaultResultFontDesc() {
  FontDesc d;
  d.SetFace("Verdana");
  d.height = -13;
  d.weight = 700;
  return d;
}
