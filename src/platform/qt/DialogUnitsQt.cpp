#include "platform/qt/DialogUnitsQt.h"

#include <QFontMetrics>

QFont DialogFont() {
  QFont font(QStringLiteral("Sans Serif"), 8);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

DialogBaseUnits BaseUnitsOf(const QFont& font) {
  const QFontMetrics metrics(font);
  const int letters =
      metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  return {AverageCharWidth(letters), metrics.height()};
}

// Declared with the conversions, which need no Qt.
DialogBaseUnits DialogFontBaseUnits() { return BaseUnitsOf(DialogFont()); }
