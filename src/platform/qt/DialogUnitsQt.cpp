#include "platform/qt/DialogUnitsQt.h"

#include <QFontMetrics>
#include <cmath>

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
  // The character height is the pitch of wrapped lines in whole pixels, leading included, so
  // that a text control 8 units high holds one line and 16 units hold two.
  return {AverageCharWidth(letters), static_cast<int>(std::ceil(QFontMetricsF(font).lineSpacing()))};
}

// Declared with the conversions, which need no Qt.
DialogBaseUnits DialogFontBaseUnits() { return BaseUnitsOf(DialogFont()); }
