// The daily form of a month page: one line per day in three columns (days
// 1-10, 11-20, 21 to the end) with the moon symbol, weekday, day number and
// the day's first two holiday texts, each line underlined by a thin rule.
#pragma once

#include "render/page_inputs.h"
#include "render/page_state.h"

namespace orsalimbra::render {

inline constexpr double kDailyFontScale = 1.6;

// Where the three columns go across the page: the first column's left edge,
// the step to the next column and the length of the rules under the lines.
struct DailyColumns {
  double left = 0;
  double step = 0;
  double rule = 0;
};

// The columns on the page of `m` with figures `digitWidth` wide: as on A4,
// with steps and rules in proportion to the printable width and the list
// centred as far as A4's is.
DailyColumns DailyListColumns(const PageMetrics& m, double digitWidth);

// The width a line leaves for its holiday texts, from the day number to the
// end of the rule; negative when the number reaches past the rule. The
// surface's font is kept.
double DailyTextRoom(Surface& surface, const PageMetrics& m);

// Lists the month of st.MonthStart from the current Y and leaves
// st.MonthStart on the first day of the next month, with one progress step
// and one chance for pending events per day. Measures the digit size in the
// list's font.
void DrawDailyList(Surface& s, const PageInputs& in, PageState& st);

// The height the list of a 31-day month takes. The surface's font is kept.
double DailyListHeight(Surface& surface);

}  // namespace orsalimbra::render
