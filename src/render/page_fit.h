// Whether the pages of a layout fit the printable area: the grids and lists
// keep their type sizes on every paper, so a paper can be too small for them.
#pragma once

#include <string>

#include "render/page_inputs.h"
#include "render/surface.h"

namespace orsalimbra::render {

enum class PageFit {
  Fits,
  TooNarrow,  // a day cell, the heading or a line of the daily list is wider than its room
  TooShort,   // the title with the grid or list is taller than the page (or half of it)
};

// Checks the month or half-year pages of the job's layout (the cover always
// fits) on the page of in.choices.metrics, measuring text on `measure`,
// whose font is kept.
PageFit CheckPageFit(Surface& measure, const PageInputs& in);

// The printable area of `metrics` in millimetres, "190 x 277 mm".
std::string PrintableSizeText(const PageMetrics& metrics);

}  // namespace orsalimbra::render
