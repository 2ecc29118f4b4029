#pragma once
#include <QFont>

#include "platform/DialogUnits.h"

// The font of every dialog and of the control bar: an 8-point sans font.
QFont DialogFont();
// The base units of a font: average width of the 52 letters, height of a line of text.
DialogBaseUnits BaseUnitsOf(const QFont& font);
