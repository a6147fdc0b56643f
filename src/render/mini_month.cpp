#include "render/mini_month.h"

#include <string>

#include "core/calendar_walk.h"
#include "core/date_text.h"
#include "core/utf8.h"

namespace orsalimbra::render {

namespace {

// A day's column holds two figures and this much again as space.
constexpr double kColumnRoom = 1.4;

std::string Heading(const PageInputs& in, std::chrono::year_month_day first) {
  const auto month = static_cast<unsigned>(first.month());
  return in.year.PageName[month] + " " + core::Padded(static_cast<int>(first.year()), 4);
}

struct Measured {
  double lineHeight = 0;
  double column = 0;   // one day's column
  double heading = 0;  // the heading's width, bold
};

Measured MeasureAt(Surface& s, const PageInputs& in, std::chrono::year_month_day first,
                   double size) {
  Measured m;
  s.FontSize = size;
  s.FontBold = false;
  m.lineHeight = s.TextHeight("0");
  m.column = kColumnRoom * s.TextWidth("00");
  s.FontBold = true;
  m.heading = s.TextWidth(Heading(in, first));
  return m;
}

}  // namespace

double MiniMonthSize(Surface& s, const PageInputs& in, std::chrono::year_month_day first,
                     const MiniMonthBox& box) {
  const double size = s.FontSize;
  const bool bold = s.FontBold;
  // The heading, the weekday initials and the weeks.
  const int lines = 2 + core::WeekRows(first);
  double found = 0;
  for (double points = kLargestMiniMonthSize; points >= kLeastMiniMonthSize; points -= 1) {
    const Measured m = MeasureAt(s, in, first, points);
    if (lines * m.lineHeight <= box.height && 7 * m.column <= box.width && m.heading <= box.width) {
      found = points;
      break;
    }
  }
  s.FontSize = size;
  s.FontBold = bold;
  return found;
}

bool DrawMiniMonth(Surface& s, const PageInputs& in, std::chrono::year_month_day first,
                   const MiniMonthBox& box) {
  const double size = MiniMonthSize(s, in, first, box);
  if (size <= 0) return false;
  const PageColours& colours = in.choices.colours;
  const Measured m = MeasureAt(s, in, first, size);
  const int lines = 2 + core::WeekRows(first);
  // The block is centred in the box.
  const double left = box.left + (box.width - 7 * m.column) / 2;
  double y = box.top + (box.height - lines * m.lineHeight) / 2;

  s.FontBold = true;
  s.ForeColor = colours.MonthHeadColour;
  s.CurrentX = box.left + (box.width - m.heading) / 2;
  s.CurrentY = y;
  s.Print(Heading(in, first), true);
  y += m.lineHeight;

  // Each text is centred in its day's column.
  const auto centred = [&](const std::string& text, int column) {
    s.CurrentX = left + column * m.column + (m.column - s.TextWidth(text)) / 2;
    s.CurrentY = y;
    s.Print(text, true);
  };
  for (int c = 0; c < 7; ++c) {
    s.ForeColor = c == 6 ? colours.HolidayColour : colours.WeekdayColour;
    centred(std::string(core::Characters(in.year.DayNames[static_cast<std::size_t>(c)], 0, 1)), c);
  }
  y += m.lineHeight;

  s.FontBold = false;
  for (auto day = first; core::SameMonth(day, first); day = core::NextDay(day)) {
    const int column = core::WeekdayOf(day) - 1;
    s.ForeColor = column == 6 ? colours.HolidayColour : colours.DayColour;
    centred(std::to_string(static_cast<unsigned>(day.day())), column);
    if (column == 6) y += m.lineHeight;
  }
  return true;
}

}  // namespace orsalimbra::render
