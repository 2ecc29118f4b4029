#include "platform/qt/DialogUnitsQt.h"

#include <QFontMetrics>

QFont DialogFont() {
  // Liberation Sans has the metrics of the classic dialog fonts, so templates laid out for
  // them keep their texts inside their controls.
  QFont font(QStringLiteral("Liberation Sans"), 8);
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
