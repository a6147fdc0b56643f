#include "render/daily_list.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/calendar_walk.h"
#include "core/date_text.h"
#include "core/utf8.h"
#include "render/day_texts.h"
#include "render/month_page.h"
#include "render/moon_mark.h"
#include "render/personal_texts.h"
#include "render/text_fit.h"

namespace orsalimbra::render {

namespace {

// Texts shrink to this size before they wrap.
constexpr double kTextFloor = 5;
// The holiday texts a line shows: the first and, smaller, the second; and
// how many of a day's holidays are looked at.
constexpr std::size_t kShownTexts = 2;
constexpr std::size_t kDayTextSlots = 7;

}  // namespace

DailyColumns DailyListColumns(const PageMetrics& m, double digitWidth) {
  const auto columns = [&](double width) {
    DailyColumns c;
    c.step = IntPart(0.32 * width);
    // The rule stops where the next column begins, on paper too narrow
    // for both the figures and 0.28 of its width.
    c.rule = std::min(IntPart(0.28 * width), c.step - 2 * digitWidth);
    c.left = digitWidth / 2;
    return c;
  };
  DailyColumns c = columns(m.PageWidth);
  // The room the list leaves beside it grows or shrinks against A4 by the
  // same amount on both sides.
  const DailyColumns a4 = columns(kA4PrintableWidth);
  const auto slack = [&](const DailyColumns& d, double width) {
    return width - (2 * d.step + 2 * digitWidth + d.rule);
  };
  c.left += (slack(c, m.PageWidth) - slack(a4, kA4PrintableWidth)) / 2;
  c.left = std::max(0.0, c.left);
  return c;
}

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

double DailyTextRoom(Surface& s, const PageMetrics& m) {
  const double size = s.FontSize;
  const bool bold = s.FontBold;
  s.FontSize = IntPart(12 * kDailyFontScale);
  s.FontBold = true;
  const double digitWidth = s.TextWidth("0");
  const double numberEnd = IntPart(6.5 * digitWidth) + s.TextWidth("00");
  s.FontSize = size;
  s.FontBold = bold;
  const DailyColumns c = DailyListColumns(m, digitWidth);
  return 2 * digitWidth + c.rule - numberEnd;
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
  const DailyColumns columns = DailyListColumns(in.choices.metrics, digitWidth);
  s.CurrentY += 0.5 * digitHeight;
  st.BlockTop = s.CurrentY;
  st.GridLeft = columns.left;

  // The weekday name keeps a quarter of a figure clear of the day number.
  FitRule weekdayRule;
  weekdayRule.width = IntPart(6.5 * digitWidth) - 2 * digitWidth - digitWidth / 4;
  weekdayRule.startSize = daySize;
  weekdayRule.floorSize = kTextFloor;
  weekdayRule.maxLines = 1;

  s.FontSize = textSize;
  s.FontBold = false;
  const double textHeight = s.TextHeight("H");
  s.FontSize = daySize;
  s.FontBold = true;
  while (core::SameMonth(st.MonthStart, month)) {
    const int w = core::WeekdayOf(st.MonthStart);
    const unsigned d = static_cast<unsigned>(st.MonthStart.day());
    const std::string dateText = core::DateText(st.MonthStart);
    if (d == 11 || d == 21) {
      s.CurrentY = st.BlockTop;
      st.GridLeft += columns.step;
    }
    const double lineTop = s.CurrentY;

    s.CurrentX = st.GridLeft;
    DrawMoonMark(s, in.choices.moonLook, st.moonTable, dateText, st.FontScale,
                 in.choices.LayoutType == core::LayoutCode::Semester);

    s.FontSize = daySize;
    s.FontBold = true;
    s.FontItalic = false;
    s.ForeColor = w == 7 ? colours.HolidayColour : colours.WeekdayColour;
    const std::string weekday(core::Characters(y.DayNames[static_cast<std::size_t>(w - 1)], 0, 3));
    const double weekdayLeft = st.GridLeft + 2 * digitWidth;
    DrawFittedText(s, FitText(s, {{weekday, s.ForeColor}}, weekdayRule), lineTop,
                   [&](const TextLine&) { return weekdayLeft; });
    s.FontSize = daySize;

    s.CurrentX = st.GridLeft + IntPart(6.5 * digitWidth);
    s.CurrentY = lineTop;
    s.ForeColor = w == 7 ? colours.HolidayColour : colours.DayColour;
    // The day's holiday texts in index order; a plain name (not a "("
    // remark) makes the day number red.
    std::vector<TextItem> texts;
    std::size_t found = 0;
    for (int k = 1; k <= y.HolidayCount && found < kDayTextSlots; ++k) {
      const auto i = static_cast<std::size_t>(k - 1);
      if (i >= y.HolidayDates.size() || i >= y.HolidayNames.size()) break;
      if (y.HolidayDates[i] != dateText) continue;
      const std::string& name = y.HolidayNames[i];
      if (found++ < kShownTexts) {
        texts.push_back(texts.empty() ? TextItem{" " + name, kBlack}
                                      : TextItem{name, kBlack, kSecondTextScale});
      }
      if (name.empty() || name.front() != '(') s.ForeColor = colours.HolidayColour;
    }
    AppendPersonalTexts(texts, in, st.MonthStart, " ");
    s.Print(core::Padded(d, 2), true);

    // The holiday texts, black whatever the day's colour, and the personal
    // dates in theirs, beside the lower part of the day number and up to the
    // end of the rule: wrapped lines rise from the line's foot. A day without one still prints a
    // blank so that every line has the same height.
    const double textTop = lineTop + IntPart(0.45 * digitHeight);
    s.CurrentY = textTop;
    s.FontSize = textSize;
    s.FontBold = false;
    s.ForeColor = kBlack;
    const double textLeft = s.CurrentX;
    FitRule rule;
    rule.width = st.GridLeft + 2 * digitWidth + columns.rule - textLeft;
    rule.height = textTop - lineTop + textHeight;
    rule.startSize = textSize;
    rule.floorSize = kTextFloor;
    const FittedText fitted = FitText(s, texts, rule);
    if (fitted.lines.empty()) {
      s.Print(" ", true);
    } else {
      const double top =
          fitted.lines.size() == 1 ? textTop : textTop + textHeight - fitted.Height();
      // Lines after the first begin where the first line's text does,
      // after its blank.
      s.FontSize = fitted.size;
      const double indent = s.TextWidth(" ");
      DrawFittedText(s, fitted, top, [&](const TextLine& line) {
        return &line == &fitted.lines.front() ? textLeft : textLeft + indent;
      });
      s.CurrentY = textTop;
      s.FontSize = textSize;
    }
    s.Print();

    // The rule under the line, always one pixel thin (the moon symbols leave
    // their own, wider line width behind).
    s.CurrentX = st.GridLeft + 2 * digitWidth;
    s.CurrentY += IntPart(0.18 * digitHeight);
    s.DrawWidth = 1;
    s.Line(s.CurrentX, s.CurrentY, s.CurrentX + columns.rule, s.CurrentY, kBlack);
    s.CurrentY += IntPart(0.06 * digitHeight);

    st.MonthStart = core::NextDay(st.MonthStart);
    in.Step();
    in.LetEventsRun();
  }
}

}  // namespace orsalimbra::render
