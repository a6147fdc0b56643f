// The boxed style of a weekly month page: below the title, a box for every
// day, seven columns by the month's weeks reaching down to the bottom of the
// month's part of the page, with room to write in each. The weekday names
// stand above the columns and the ISO week numbers, when chosen, in a narrow
// column on the left. A box holds its day number in the top-left corner, the
// moon symbol in the top-right one and the day's texts at the bottom, fitted
// inside it; weekend and holiday boxes are lightly shaded. The boxes outside
// the month stay empty but for small calendars of the previous and the next
// month where they have room.
#pragma once

#include "render/page_inputs.h"
#include "render/page_state.h"

namespace orsalimbra::render {

// Row heights of the boxes: the picture above gives way until six rows get
// kRoomyBoxHeight, and a paper whose rows would be lower than kLeastBoxHeight
// is too small for the style.
inline constexpr double kRoomyBoxHeight = 1000;
inline constexpr double kLeastBoxHeight = 600;

// Light grounds of the boxes of Saturdays, and of Sundays and holidays.
inline constexpr Colour kWeekendShade = Rgb(238, 238, 238);
inline constexpr double kHolidayShadeShare = 0.1;  // of the holiday colour, on white
// The lines between the boxes.
inline constexpr Colour kBoxLineColour = Rgb(120, 120, 120);
inline constexpr int kBoxLineWidth = 2;

// Where the boxes of a month grid lie on the page.
struct BoxedGridFrame {
  double weekColumnLeft = 0;  // the week numbers' column, up to `left`
  double left = 0;            // the boxes, left to right and top to bottom
  double right = 0;
  double headTop = 0;  // the weekday names, above `top`
  double top = 0;
  double bottom = 0;
  int rows = 6;

  double ColumnWidth() const { return (right - left) / 7; }
  double RowHeight() const { return (bottom - top) / rows; }
  double BoxLeft(int column) const { return left + column * ColumnWidth(); }
  double BoxTop(int row) const { return top + row * RowHeight(); }
};

// The frame of the month of `first` from `top` (the line below the title)
// down to `bottom`, across the printable width. Measures on `s`, whose font
// is kept.
BoxedGridFrame PlanBoxedGrid(Surface& s, const PageInputs& in, std::chrono::year_month_day first,
                             double top, double bottom);

// The height a boxed grid of six rows of `rowHeight` takes under a title.
double BoxedGridHeight(Surface& s, const PageInputs& in, double rowHeight);

// The day number's size in the boxes of `frame`: the weekly grid's, or
// smaller when a box cannot hold it and the moon symbol. 0 when not even
// the smallest fits.
double BoxedDaySize(Surface& s, const PageInputs& in, const BoxedGridFrame& frame);

// The boxes that show the previous and the next month among a grid's
// `boxes` boxes, of which the first `leading` and the last `trailing` are
// outside the month; -1 for none. The previous month takes the first empty
// box and the next month the last one; when one end has no empty box, both
// share the first two, or the last two, of the other.
struct MiniMonthPlaces {
  int previous = -1;
  int next = -1;
};
MiniMonthPlaces PlaceMiniMonths(int leading, int trailing, int boxes);

// Draws the month of st.MonthStart as boxes from the current Y down to
// `bottom`, and leaves st.MonthStart on the first day of the next month,
// with one progress step per day, the position at the left of `bottom` and
// the digit size measured in the day numbers' font.
void DrawBoxedGrid(Surface& s, const PageInputs& in, PageState& st, double bottom);

}  // namespace orsalimbra::render
