#include "render/moon_sample.h"

namespace orsalimbra::render {

void DrawMoonSample(Surface& box, const MoonLook& look, double boxHeight) {
  box.Cls();
  box.DrawWidth = 1;
  box.FillColor = look.MoonFillColour;
  box.FillStyle = kFillSolid;
  const double c = boxHeight / 2;
  const Colour line = look.MoonLineColour;
  box.Circle(c, c, kMoonSampleRadius, line);  // the disc
  box.Circle(c, c, 90, line, 3.5, 6.02);      // the mouth
  box.Circle(c, c, 70, line, 0.6, 1.1);       // the eyes
  box.Circle(c, c, 70, line, 2.04, 2.54);
  box.Circle(c, c - 30, 70, line, 4.5, -5.0);  // the nose, with its radius line
  if (look.MoonDetail) {
    // The left-hand 216 degrees of a disc: the last quarter.
    box.Circle(c + boxHeight, c, kMoonSampleRadius, line, -0.4 * 3.1416, -1.6 * 3.1416);
  }
  box.FillStyle = kFillTransparent;
}

}  // namespace orsalimbra::render
