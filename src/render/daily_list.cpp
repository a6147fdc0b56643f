#include "render/daily_list.h"

#include <array>
#include <string>

#include "core/calendar_walk.h"
#include "core/date_text.h"
#include "core/utf8.h"
#include "render/moon_mark.h"

namespace orsalimbra::render {

double DailyListHeight(Surface& s) {
  const double size = s.FontSize;
  const bool bold = s.FontBold;
  s.FontSize = IntPart(12 * kDailyFontScale);
  s.FontBold = true;
  const double digitHeight = s.TextHeight("0");
  s.FontSize = IntPart(5 * kDailyFontScale);
  s.FontBold = false;
  const double line = IntPart(0.45 * digitHeight) + s.TextHeight(" ") +
                      IntPart(0.18 * digitHeight) + IntPart(0.06 * digitHeight);
  s.FontSize = size;
  s.FontBold = bold;
  return 0.5 * digitHeight + 11 * line;
}

void DrawDailyList(Surface& s, const PageInputs& in, PageState& st) {
  const PageColours& colours = in.choices.colours;
  const core::YearModel& y = in.year;
  const auto month = st.MonthStart;

  st.FontScale = kDailyFontScale;
  const double daySize = IntPart(12 * st.FontScale);
  const double textSize = IntPart(5 * st.FontScale);
  s.FontSize = daySize;
  s.FontBold = true;
  s.FontItalic = false;
  st.DigitWidth = s.TextWidth("0");
  st.DigitHeight = s.TextHeight("0");
  const double digitWidth = st.DigitWidth;
  const double digitHeight = st.DigitHeight;
  s.CurrentY += 0.5 * digitHeight;
  st.BlockTop = s.CurrentY;
  st.GridLeft = digitWidth / 2;

  // The holiday texts of one day, in index order.
  std::array<std::string, 7> dayTexts;
  while (core::SameMonth(st.MonthStart, month)) {
    const int w = core::WeekdayOf(st.MonthStart);
    const unsigned d = static_cast<unsigned>(st.MonthStart.day());
    const std::string dateText = core::DateText(st.MonthStart);
    if (d == 11 || d == 21) {
      s.CurrentY = st.BlockTop;
      st.GridLeft += IntPart(0.32 * in.choices.metrics.PageWidth);
    }

    s.CurrentX = st.GridLeft;
    DrawMoonMark(s, in.choices.moonLook, st.moonTable, dateText, st.FontScale,
                 in.choices.LayoutType == core::LayoutCode::Semester);

    s.CurrentX = st.GridLeft + 2 * digitWidth;
    s.FontSize = daySize;
    s.FontBold = true;
    s.FontItalic = false;
    s.ForeColor = w == 7 ? colours.HolidayColour : colours.WeekdayColour;
    s.Print(core::Characters(y.DayNames[static_cast<std::size_t>(w - 1)], 0, 3), true);

    s.CurrentX = st.GridLeft + IntPart(6.5 * digitWidth);
    s.ForeColor = w == 7 ? colours.HolidayColour : colours.DayColour;
    // Every holiday of the day in index order, seven at most; a plain name
    // (not a "(" remark) makes the day number red.
    for (auto& text : dayTexts) text.clear();
    std::size_t used = 0;
    for (int k = 1; k <= y.HolidayCount && used < dayTexts.size(); ++k) {
      const auto i = static_cast<std::size_t>(k - 1);
      if (i >= y.HolidayDates.size() || i >= y.HolidayNames.size()) break;
      if (y.HolidayDates[i] != dateText) continue;
      const std::string& name = y.HolidayNames[i];
      dayTexts[used++] = name;
      if (name.empty() || name.front() != '(') s.ForeColor = colours.HolidayColour;
    }
    s.Print(core::Padded(d, 2), true);

    // The holiday texts, black whatever the day's colour; a day without one
    // still prints a blank so that every line has the same height.
    s.CurrentY += IntPart(0.45 * digitHeight);
    s.FontSize = textSize;
    s.FontBold = false;
    s.ForeColor = kBlack;
    s.Print(" " + dayTexts[0], true);
    if (!dayTexts[1].empty()) {
      // The second text a little lower and smaller, then back to the line.
      const double savedX = s.CurrentX;
      const double savedY = s.CurrentY;
      const double savedFontSize = s.FontSize;
      s.CurrentY = savedY + 0.18 * s.TextHeight("H");
      s.FontSize = IntPart(0.8 * savedFontSize);
      s.Print(" - " + dayTexts[1], true);
      s.CurrentX = savedX;
      s.CurrentY = savedY;
      s.FontSize = savedFontSize;
    }
    s.Print();

    // The rule under the line, always one pixel thin (the moon symbols leave
    // their own, wider line width behind).
    s.CurrentX = st.GridLeft + 2 * digitWidth;
    s.CurrentY += IntPart(0.18 * digitHeight);
    s.DrawWidth = 1;
    s.Line(s.CurrentX, s.CurrentY, s.CurrentX + IntPart(0.28 * in.choices.metrics.PageWidth),
           s.CurrentY, kBlack);
    s.CurrentY += IntPart(0.06 * digitHeight);

    st.MonthStart = core::NextDay(st.MonthStart);
    in.Step();
    in.LetEventsRun();
  }
}

}  // namespace orsalimbra::render
