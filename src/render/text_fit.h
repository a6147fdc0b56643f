// Short texts fitted into a box: the holiday names of a day in a cell of the
// weekly grid or on a line of the daily list, a weekday name in its column,
// the note under a month picture, the lines of the back cover.
//
// A text is a list of items, each in its own colour, printed one after the
// other with a joint (" - ") between them, or each on a line of its own. The
// fit keeps the text whole and inside the box, in this order of preference:
//   1. one line (one per item that asks for a line of its own) at the start
//      size, then one point smaller at a time down to the floor;
//   2. then one line more at a time, up to the most lines allowed, each time
//      at the largest size from the start down to the floor that fits. The
//      lines break at the joints between items where that is enough, else
//      between words, and a joint where a line breaks is left out;
//   3. then below the floor, one point at a time, on the most lines allowed.
// A text that fits on one line at the start size comes back as that line,
// one piece per item measured whole: it prints exactly as the plain Print of
// each item would.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "render/colour.h"
#include "render/surface.h"

namespace orsalimbra::render {

// The smallest size a text shrinks to when nothing else fits.
inline constexpr double kSmallestTextSize = 1;

struct TextItem {
  std::string text;
  Colour colour = kBlack;
  // The item's size against the fitted size: at 0.8 a remark prints at the
  // integer part of 0.8 x that size.
  double scale = 1;
  // Starts a line of its own instead of following the item before it after
  // the joint.
  bool newLine = false;
};

struct FitRule {
  double width = 0;   // the box, twips
  double height = 0;  // twips; 0 or less: the lines are bounded by maxLines only
  double startSize = 8;
  double floorSize = 5;
  int maxLines = 3;
  std::string joint = " - ";
  // A piece smaller than the largest on its line stands this share of the
  // larger line height lower, near the same baseline.
  double smallerDrop = 0.18;
};

struct TextPiece {
  std::string text;
  Colour colour = kBlack;
  double size = 0;  // points
  double x = 0;     // from the line's left end
  double dy = 0;    // below the line's top
};

struct TextLine {
  std::vector<TextPiece> pieces;
  double width = 0;
  double height = 0;
};

struct FittedText {
  double size = 0;  // the fitted size, points
  std::vector<TextLine> lines;
  // False when not even the smallest size keeps the text inside the box; the
  // lines then hold it at that size, broken between words as far as they go.
  bool fits = true;

  double Width() const;   // of the widest line
  double Height() const;  // of all lines
};

// Fits `items` by `rule`, measuring on `s` in its font name, bold and italic.
// The surface's font size is left as it was. Items with an empty text are
// skipped.
FittedText FitText(Surface& s, const std::vector<TextItem>& items, const FitRule& rule);

// Prints the lines from `top` down, each from the X that `lineLeft` gives
// it, piece by piece in its colour and size with the surface's font name,
// bold and italic. The surface is left as the last Print left it.
void DrawFittedText(Surface& s, const FittedText& text, double top,
                    const std::function<double(const TextLine&)>& lineLeft);

// `left`, the left end of a line of `width`, moved as little as needed for
// the line to lie between `boxLeft` and `boxRight`; `boxLeft` when the line
// is wider than that.
double KeptWithin(double left, double width, double boxLeft, double boxRight);

}  // namespace orsalimbra::render
