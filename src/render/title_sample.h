// The title sample of the main window: the calendar title in the chosen look,
// as large as fits into the sample box.
#pragma once

#include <string>

#include "render/page_inputs.h"
#include "render/surface.h"

namespace orsalimbra::render {

// The largest size tried; the fit steps down one point at a time from here.
inline constexpr int kLargestSampleTitleSize = 39;
// A title that fits at no larger size is drawn at this one.
inline constexpr int kSmallestSampleTitleSize = 1;

struct TitleSampleFit {
  int fontSize = 0;
  double textWidth = 0;
  double textHeight = 0;
  double x = 0;  // top-left corner of the title
  double y = 0;
};

// Clears the box and draws `title` centred in it, at the largest whole size
// from kLargestSampleTitleSize down at which it is narrower than 90 % of the
// box and lower than the box. With the shadow on, copies in the shadow colour
// are piled from a sixteenth of the text height down and right of the title
// back towards it (a title too small for a step of one unit gets none), and
// the title in its own colour is drawn last.
TitleSampleFit DrawTitleSample(Surface& box, const TitleLook& look, const std::string& title);

}  // namespace orsalimbra::render
