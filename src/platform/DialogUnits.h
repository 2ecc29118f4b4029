#pragma once
#include "platform/Geometry.h"

// Dialog templates and the control bar are laid out in dialog units. A horizontal unit is a
// quarter of the dialog font's average character width, a vertical unit an eighth of its
// character height; these two pixel sizes are the base units.
struct DialogBaseUnits {
  int avgCharWidth = 0;
  int charHeight = 0;
  friend bool operator==(const DialogBaseUnits&, const DialogBaseUnits&) = default;
};

// The base units of the dialog font (platform/qt/DialogUnitsQt.h). Needs a QGuiApplication.
DialogBaseUnits DialogFontBaseUnits();

// number * numerator / denominator with 64-bit intermediate, rounded half away from zero;
// -1 for a zero denominator or a result outside 32 bits.
int MulDiv(int number, int numerator, int denominator);

// The average character width from the width of the 52 letters "A".."Z" "a".."z" in a row.
int AverageCharWidth(int widthOfLetters);

int DluToPixelsX(int dlu, const DialogBaseUnits& units);
int DluToPixelsY(int dlu, const DialogBaseUnits& units);
// A control's rectangle. Each edge is converted on its own, so controls that touch in
// dialog units touch in pixels.
Rect DluRectToPixels(int x, int y, int width, int height, const DialogBaseUnits& units);
