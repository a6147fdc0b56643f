#include "render/surface.h"

namespace orsalimbra::render {

void Surface::Print(std::string_view text, bool stay) {
  DrawText(CurrentX, CurrentY, text);
  if (stay) {
    CurrentX += TextWidth(text);
  } else {
    CurrentX = 0;
    CurrentY += TextHeight(text);
  }
}

void Surface::Print() {
  CurrentX = 0;
  CurrentY += TextHeight("");
}

void Surface::Line(double x1, double y1, double x2, double y2, Colour colour) {
  DrawLine(x1, y1, x2, y2, colour);
  CurrentX = x2;
  CurrentY = y2;
}

void Surface::Circle(double cx, double cy, double radius, Colour colour) {
  DrawCircle(cx, cy, radius, colour, std::nullopt, std::nullopt);
  CurrentX = cx;
  CurrentY = cy;
}

void Surface::Circle(double cx, double cy, double radius, Colour colour, double start, double end) {
  DrawCircle(cx, cy, radius, colour, start, end);
  CurrentX = cx;
  CurrentY = cy;
}

}  // namespace orsalimbra::render
