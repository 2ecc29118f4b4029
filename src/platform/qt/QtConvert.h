#pragma once
// Conversions between the program's plain types and Qt's. Only the platform and app layers include this.
#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <string>
#include <string_view>

#include "platform/Colour.h"
#include "platform/FontDesc.h"
#include "platform/Geometry.h"

inline QColor ToQColor(Colour c) { return QColor(c.r, c.g, c.b); }
inline QString ToQString(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
inline std::string FromQString(const QString& s) { return s.toStdString(); }
inline QRect ToQRect(const Rect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }
inline Rect FromQRect(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }

// Sizes in points are converted to pixels at this many dots per inch.
inline constexpr double kFontDpi = 96.0;

// Negative height: character height in pixels; positive: cell height; 0: a default size.
QFont ToQFont(const FontDesc& desc);
FontDesc FromQFont(const QFont& font);
