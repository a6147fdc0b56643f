// One month on a printed page: a small block of a half-year page (layout 0),
// or a month page with its picture, note and title above the weekly grid
// (layout 1) or the daily list (layout 2).
#pragma once

#include "render/page_inputs.h"
#include "render/page_state.h"

namespace orsalimbra::render {

// Scales of a month page (layouts 1 and 2) against a half-year block.
inline constexpr double kMonthPageColumnScale = 2.05;
inline constexpr double kWeeklyFontScale = 1.98;
// From a cell's left edge to its day number, before the column scale.
inline constexpr double kColumnInset = 120;
// The left edge of a month page's grid on A4.
inline constexpr double kMonthPageGridLeft = 500;
// A day's second holiday text against its first.
inline constexpr double kSecondTextScale = 0.8;

// Draws the month of st.MonthStart (its first day) in the job's layout and
// leaves st.MonthStart on the first day of the next month, with one progress
// step per day. `blockOffset` moves the title of a month page down (the lower
// month of a two-month page); layout 0 ignores it and draws at the surface's
// current Y from st.GridLeft, with the heading in st.MonthHeadColour.
// Horizontal lengths scale with the printable width against A4's; texts
// keep inside their cells and the page, shrinking and wrapping (text_fit.h).
// Never starts or ends a page.
void PrintMonthPage(Surface& s, const PageInputs& in, PageState& st, double blockOffset);

// The weekly grid of the month of st.MonthStart from the current Y: weekday
// headings and six week rows with the holiday texts under the day numbers.
// Measures the digit size in the grid's font and leaves the heading colour
// black.
void DrawWeeklyGrid(Surface& s, const PageInputs& in, PageState& st);

// The height the weekly grid takes at `fontScale`, from its first spacer to
// below the holiday texts of the sixth row. The surface's font is kept.
double WeeklyGridHeight(Surface& surface, double fontScale);
// How far of that the holiday texts under the sixth row hang below it.
double WeeklyGridTail(Surface& surface, double fontScale);

// The width a day cell of the weekly grid needs at `fontScale` with its
// columns at `columnScale`: the inset, two figures and the moon symbol of
// the job's moon style. The surface's font is kept.
double WeeklyCellNeed(Surface& surface, const PageInputs& in, double fontScale, double columnScale);

}  // namespace orsalimbra::render
