#pragma once
#include <string_view>

#include "platform/Colour.h"
#include "platform/Font.h"
#include "platform/Geometry.h"
#include "platform/Region.h"

class QPainter;

enum class BkMode { Transparent = 1, Opaque = 2 };

// A device context on the view's back buffer, with the drawing calls the tasks use.
// Text is anchored at its top-left corner; in opaque mode the text cell is first filled
// with the background colour. Lines use a 1-pixel pen of the pen colour (black unless set).
class Dc {
 public:
  explicit Dc(QPainter& painter);
  virtual ~Dc();
  Dc(const Dc&) = delete;
  Dc& operator=(const Dc&) = delete;

  void FillRgn(const Region& region, Brush brush);
  // Frames the region with a border of width x height pixels (drawn inside its outline).
  void FrameRgn(const Region& region, Brush brush, int width = 1, int height = 1);
  void FillRect(const Rect& rect, Brush brush);
  void TextOut(int x, int y, std::string_view text);
  Size GetTextExtent(std::string_view text);

  Colour SetTextColor(Colour colour);
  Colour SetBkColor(Colour colour);
  BkMode SetBkMode(BkMode mode);
  Colour SetPenColor(Colour colour);
  // Selects the font (copied); returns the previously selected one.
  Font SelectFont(const Font& font);

  void MoveTo(int x, int y);
  void LineTo(int x, int y);

  // Bounding rectangle of everything drawn through this context so far.
  Rect Touched() const { return touched_; }

 protected:
  QPainter& Painter() { return painter_; }

 private:
  void Touch(const Rect& r);

  QPainter& painter_;
  Colour textColour_{0, 0, 0};
  Colour bkColour_{255, 255, 255};
  Colour penColour_{0, 0, 0};
  BkMode bkMode_ = BkMode::Opaque;
  Font font_;
  Point current_;
  Rect touched_;
};
