#include "platform/qt/QtConvert.h"

#include <QFontMetrics>
#include <cstdlib>

QFont ToQFont(const FontDesc& desc) {
  QFont font(ToQString(desc.Face()));
  if (desc.height < 0) {
    font.setPixelSize(-desc.height);
  } else if (desc.height > 0) {
    // A positive height is the cell height: take off the internal leading.
    font.setPixelSize(desc.height);
    const QFontMetrics m(font);
    const int internalLeading = m.height() - font.pixelSize();
    if (internalLeading > 0 && desc.height - internalLeading > 0) font.setPixelSize(desc.height - internalLeading);
  } else {
    font.setPixelSize(16);
  }
  if (desc.weight > 0) font.setWeight(static_cast<QFont::Weight>(std::clamp(desc.weight, 1, 1000)));
  font.setItalic(desc.italic != 0);
  font.setUnderline(desc.underline != 0);
  font.setStrikeOut(desc.strikeOut != 0);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

FontDesc FromQFont(const QFont& font) {
  FontDesc d;
  d.SetFace(FromQString(font.family()));
  if (font.pixelSize() > 0) {
    d.height = -font.pixelSize();
  } else {
    d.height = -static_cast<int32_t>(font.pointSizeF() * kFontDpi / 72.0 + 0.5);
  }
  d.weight = font.weight() == QFont::Normal ? 400 : static_cast<int32_t>(font.weight());
  d.italic = font.italic() ? 1 : 0;
  d.underline = font.underline() ? 1 : 0;
  d.strikeOut = font.strikeOut() ? 1 : 0;
  return d;
}
