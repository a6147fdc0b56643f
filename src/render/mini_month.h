// A small calendar of a neighbouring month, drawn in an empty box of a boxed
// month grid: its name and year, the weekday initials and its days in seven
// columns, Sundays in the holiday colour.
#pragma once

#include <chrono>

#include "render/page_inputs.h"
#include "render/surface.h"

namespace orsalimbra::render {

// The smallest size a mini calendar is printed at; below it, it is left out.
inline constexpr double kLeastMiniMonthSize = 4;
// The largest: a mini calendar is a reminder, not a second calendar.
inline constexpr double kLargestMiniMonthSize = 8;

struct MiniMonthBox {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
};

// The size the month of `first` is printed at inside `box`, or 0 when it does
// not fit at kLeastMiniMonthSize. The surface's font is kept.
double MiniMonthSize(Surface& s, const PageInputs& in, std::chrono::year_month_day first,
                     const MiniMonthBox& box);

// Draws the month of `first` inside `box` at MiniMonthSize; false, and
// nothing drawn, when it does not fit.
bool DrawMiniMonth(Surface& s, const PageInputs& in, std::chrono::year_month_day first,
                   const MiniMonthBox& box);

}  // namespace orsalimbra::render
