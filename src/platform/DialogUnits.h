#pragma once
#include "platform/Geometry.h"

// Base units of the dialog font: average character width and character height in pixels.
struct DialogBaseUnits {
  double avgCharWidth = 6.0;
  int charHeight = 13;
};

DialogBaseUnits DialogFontBaseUnits();
int DluToPixelsX(int dlu, const DialogBaseUnits& units);
int DluToPixelsY(int dlu, const DialogBaseUnits& units);
Rect DluRectToPixels(int x, int y, int w, int h, const DialogBaseUnits& units);
