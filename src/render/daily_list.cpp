#include "render/daily_list.h"

#include <string>

#include "render/calendar_walk.h"
#include "render/moon_mark.h"

namespace orsalimbra::render {

namespace {

// The first `count` characters (not bytes) of UTF-8 text.
std::string FirstCharacters(const std::string& text, int count) {
  std::size_t end = 0;
  int seen = 0;
  while (end < text.size()) {
    const auto byte = static_cast<unsigned char>(text[end]);
    if ((byte & 0xC0) != 0x80) {
      if (seen == count) break;
      ++seen;
    }
    ++end;
  }
  return text.substr(0, end);
}

}  // namespace

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

void DrawDailyList(PageContext& ctx) {
  Surface& s = ctx.surface;
  const PageColours& colours = ctx.colours;
  const core::YearModel& y = ctx.year;
  const auto month = ctx.MonthStart;

  ctx.FontScale = kDailyFontScale;
  const double daySize = IntPart(12 * ctx.FontScale);
  const double textSize = IntPart(5 * ctx.FontScale);
  s.FontSize = daySize;
  s.FontBold = true;
  s.FontItalic = false;
  ctx.metrics.DigitWidth = s.TextWidth("0");
  ctx.metrics.DigitHeight = s.TextHeight("0");
  const double digitWidth = ctx.metrics.DigitWidth;
  const double digitHeight = ctx.metrics.DigitHeight;
  s.CurrentY += 0.5 * digitHeight;
  ctx.BlockTop = s.CurrentY;
  ctx.GridLeft = digitWidth / 2;

  while (ctx.MonthStart.year() == month.year() && ctx.MonthStart.month() == month.month()) {
    const int w = WeekdayOf(ctx.MonthStart);
    const unsigned d = static_cast<unsigned>(ctx.MonthStart.day());
    ctx.DateText = core::DateText(ctx.MonthStart);
    if (d == 11 || d == 21) {
      s.CurrentY = ctx.BlockTop;
      ctx.GridLeft += IntPart(0.32 * ctx.metrics.PageWidth);
    }

    s.CurrentX = ctx.GridLeft;
    DrawMoonMark(ctx);

    s.CurrentX = ctx.GridLeft + 2 * digitWidth;
    s.FontSize = daySize;
    s.FontBold = true;
    s.FontItalic = false;
    s.ForeColor = w == 7 ? colours.HolidayColour : colours.WeekdayColour;
    s.Print(FirstCharacters(y.DayNames[static_cast<std::size_t>(w - 1)], 3), true);

    s.CurrentX = ctx.GridLeft + IntPart(6.5 * digitWidth);
    s.ForeColor = w == 7 ? colours.HolidayColour : colours.DayColour;
    // Every holiday of the day in index order, seven at most; a plain name
    // (not a "(" remark) makes the day number red.
    for (auto& text : ctx.DayTexts) text.clear();
    std::size_t used = 0;
    for (int k = 1; k <= y.HolidayCount && used < ctx.DayTexts.size(); ++k) {
      const auto i = static_cast<std::size_t>(k - 1);
      if (i >= y.HolidayDates.size() || i >= y.HolidayNames.size()) break;
      if (y.HolidayDates[i] != ctx.DateText) continue;
      const std::string& name = y.HolidayNames[i];
      ctx.DayTexts[used++] = name;
      if (name.empty() || name.front() != '(') s.ForeColor = colours.HolidayColour;
    }
    s.Print(TwoDigits(d), true);

    // The holiday texts, black whatever the day's colour; a day without one
    // still prints a blank so that every line has the same height.
    s.CurrentY += IntPart(0.45 * digitHeight);
    s.FontSize = textSize;
    s.FontBold = false;
    s.ForeColor = kBlack;
    s.Print(" " + ctx.DayTexts[0], true);
    if (!ctx.DayTexts[1].empty()) {
      ctx.SavedX = s.CurrentX;
      ctx.SavedY = s.CurrentY;
      ctx.SavedFontSize = s.FontSize;
      s.CurrentY = ctx.SavedY + 0.18 * s.TextHeight("H");
      s.FontSize = IntPart(0.8 * ctx.SavedFontSize);
      s.Print(" - " + ctx.DayTexts[1], true);
      s.CurrentX = ctx.SavedX;
      s.CurrentY = ctx.SavedY;
      s.FontSize = ctx.SavedFontSize;
    }
    s.Print();

    // The rule under the line, always one pixel thin (the moon symbols leave
    // their own, wider line width behind).
    s.CurrentX = ctx.GridLeft + 2 * digitWidth;
    s.CurrentY += IntPart(0.18 * digitHeight);
    s.DrawWidth = 1;
    s.Line(s.CurrentX, s.CurrentY, s.CurrentX + IntPart(0.28 * ctx.metrics.PageWidth), s.CurrentY,
           kBlack);
    s.CurrentY += IntPart(0.06 * digitHeight);

    ctx.MonthStart = NextDay(ctx.MonthStart);
    ctx.Step();
    ctx.LetEventsRun();
  }
}

}  // namespace orsalimbra::render
