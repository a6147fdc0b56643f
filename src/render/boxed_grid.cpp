#include "render/boxed_grid.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/calendar_walk.h"
#include "core/date_text.h"
#include "render/day_texts.h"
#include "render/mini_month.h"
#include "render/month_page.h"
#include "render/moon_mark.h"
#include "render/text_fit.h"

namespace orsalimbra::render {

namespace {

// The boxes' outer lines keep this far inside the printable area, so that
// no printer cuts them.
constexpr double kEdge = 20;
// Weekday names and week numbers at the weekly grid's sizes for 8 and 6
// points; the day numbers at its 12 points, shrinking to kLeastDaySize.
constexpr double kHeadPoints = 8;
constexpr double kWeekPoints = 6;
constexpr double kLeastDaySize = 8;
// The weekday names stand this share of their line below the title.
constexpr double kHeadGap = 0.3;
// A day number takes at most this share of its box's height.
constexpr double kDayShare = 0.5;
// The margin inside a box, as a share of its width, and at least.
constexpr double kPadShare = 0.04;
constexpr double kLeastPad = 30;
// The day's texts start at the weekly grid's 5 points and wrap onto this
// many lines before they shrink further.
constexpr double kTextPoints = 5;
constexpr int kTextLines = 4;
constexpr double kTextFloor = 5;
// Where DrawMoonMark's symbol lies from its reference point, at scale 1:
// from 40 to 240 across and from 50 to 230 down.
constexpr double kMoonTop = 50;
constexpr double kMoonBottom = 230;
constexpr double kMoonReach = 240;

double HeadSize() { return IntPart(kHeadPoints * kWeeklyFontScale); }

struct FontKeeper {
  explicit FontKeeper(Surface& s) : s(s), size(s.FontSize), bold(s.FontBold) {}
  ~FontKeeper() {
    s.FontSize = size;
    s.FontBold = bold;
  }
  Surface& s;
  double size;
  bool bold;
};

// The gap above the weekday names and their line.
double HeadHeight(Surface& s) {
  FontKeeper keep(s);
  s.FontSize = HeadSize();
  s.FontBold = true;
  return (1 + kHeadGap) * s.TextHeight("0");
}

double WeekColumnWidth(Surface& s, const PageMetrics& m) {
  FontKeeper keep(s);
  s.FontSize = IntPart(kWeekPoints * kWeeklyFontScale);
  s.FontBold = false;
  return s.TextWidth("53") + 2 * kLeastPad * WidthScale(m);
}

double Pad(const BoxedGridFrame& f) {
  return std::max(kLeastPad, IntPart(kPadShare * f.ColumnWidth()));
}

Colour Tint(Colour colour, double share) {
  const auto mix = [share](int channel) {
    return static_cast<int>(IntPart(255 - (255 - channel) * share));
  };
  return Rgb(mix(RedOf(colour)), mix(GreenOf(colour)), mix(BlueOf(colour)));
}

std::chrono::year_month_day FirstOf(std::chrono::year_month_day date) {
  return date.year() / date.month() / std::chrono::day{1};
}

// The fitted lines that stay inside a box `width` wide and `height` high:
// a text that fits whole at no size loses its last lines.
FittedText WithinBox(FittedText text, double width, double height) {
  if (text.fits) return text;
  std::vector<TextLine> kept;
  double used = 0;
  for (TextLine& line : text.lines) {
    if (used + line.height > height || line.width > width) break;
    used += line.height;
    kept.push_back(std::move(line));
  }
  text.lines = std::move(kept);
  return text;
}

void DrawHeadings(Surface& s, const PageInputs& in, const BoxedGridFrame& f) {
  const double pad = Pad(f);
  FitRule rule;
  rule.width = f.ColumnWidth() - 2 * pad;
  rule.startSize = HeadSize();
  rule.floorSize = kTextFloor;
  rule.maxLines = 1;
  s.FontBold = true;
  s.FontItalic = false;
  for (int c = 0; c < 7; ++c) {
    const Colour colour =
        c == 6 ? in.choices.colours.HolidayColour : in.choices.colours.WeekdayColour;
    const FittedText name =
        FitText(s, {{in.year.DayNames[static_cast<std::size_t>(c)], colour}}, rule);
    DrawFittedText(
        s, WithinBox(name, rule.width, f.top - f.headTop), f.headTop,
        [&](const TextLine& line) { return f.BoxLeft(c) + (f.ColumnWidth() - line.width) / 2; });
  }
}

void DrawLines(Surface& s, const BoxedGridFrame& f) {
  const int width = s.DrawWidth;
  s.DrawWidth = kBoxLineWidth;
  for (int c = 0; c <= 7; ++c) s.Line(f.BoxLeft(c), f.top, f.BoxLeft(c), f.bottom, kBoxLineColour);
  for (int r = 0; r <= f.rows; ++r)
    s.Line(f.left, f.BoxTop(r), f.right, f.BoxTop(r), kBoxLineColour);
  s.DrawWidth = width;
}

// The week numbers beside the rows, level with the day numbers.
void DrawWeekNumbers(Surface& s, const BoxedGridFrame& f, std::chrono::year_month_day first,
                     double daySize) {
  s.FontSize = daySize;
  s.FontBold = true;
  const double dayLine = s.TextHeight("0");
  s.FontSize = std::max(kTextFloor, IntPart(kWeekPoints * daySize / 12));
  s.FontBold = false;
  s.ForeColor = kOutsideMonthGrey;
  const double weekLine = s.TextHeight("0");
  const std::chrono::sys_days monday =
      std::chrono::sys_days{first} - std::chrono::days{core::WeekdayOf(first) - 1};
  for (int r = 0; r < f.rows; ++r) {
    const std::string number = std::to_string(
        core::IsoWeekNumber(std::chrono::year_month_day{monday + std::chrono::weeks{r}}));
    s.CurrentX = f.weekColumnLeft + (f.left - f.weekColumnLeft - s.TextWidth(number)) / 2;
    s.CurrentY = f.BoxTop(r) + Pad(f) / 2 + (dayLine - weekLine) / 2;
    s.Print(number, true);
  }
}

void DrawMiniMonths(Surface& s, const PageInputs& in, const BoxedGridFrame& f,
                    std::chrono::year_month_day first, int leading, int trailing) {
  const MiniMonthPlaces places = PlaceMiniMonths(leading, trailing, 7 * f.rows);
  const double pad = Pad(f);
  const auto draw = [&](int box, std::chrono::year_month_day month) {
    if (box < 0) return;
    const MiniMonthBox inside{f.BoxLeft(box % 7) + pad / 2, f.BoxTop(box / 7) + pad / 2,
                              f.ColumnWidth() - pad, f.RowHeight() - pad};
    DrawMiniMonth(s, in, month, inside);
  };
  const auto lastOfPrevious = std::chrono::sys_days{first} - std::chrono::days{1};
  draw(places.previous, FirstOf(std::chrono::year_month_day{lastOfPrevious}));
  const auto afterLast = std::chrono::sys_days{first} + std::chrono::days{core::DaysInMonth(first)};
  draw(places.next, std::chrono::year_month_day{afterLast});
}

}  // namespace

BoxedGridFrame PlanBoxedGrid(Surface& s, const PageInputs& in, std::chrono::year_month_day first,
                             double top, double bottom) {
  const PageMetrics& m = in.choices.metrics;
  BoxedGridFrame f;
  f.weekColumnLeft = kEdge;
  f.left = kEdge + (in.choices.weekNumbers ? WeekColumnWidth(s, m) : 0);
  f.right = std::max(f.left, m.PageWidth - kEdge);
  const double head = HeadHeight(s);
  f.headTop = top + head * kHeadGap / (1 + kHeadGap);
  f.top = top + head;
  f.bottom = std::max(f.top, bottom - kEdge);
  f.rows = core::WeekRows(first);
  return f;
}

double BoxedGridHeight(Surface& s, const PageInputs&, double rowHeight) {
  return HeadHeight(s) + 6 * rowHeight + kEdge;
}

double BoxedDaySize(Surface& s, const PageInputs& in, const BoxedGridFrame& f) {
  FontKeeper keep(s);
  const double pad = Pad(f);
  s.FontBold = true;
  for (double size = IntPart(12 * kWeeklyFontScale); size >= kLeastDaySize; size -= 1) {
    s.FontSize = size;
    const double scale = size / 12;
    const double moon = MoonMarkReach(s, in.choices.moonLook, scale, false);
    const double need = pad + s.TextWidth("00") + (moon > 0 ? pad + moon : 0) + pad;
    if (need <= f.ColumnWidth() && s.TextHeight("0") <= kDayShare * f.RowHeight()) return size;
  }
  return 0;
}

MiniMonthPlaces PlaceMiniMonths(int leading, int trailing, int boxes) {
  if (leading >= 1 && trailing >= 1) return {0, boxes - 1};
  if (leading >= 2) return {0, 1};
  if (trailing >= 2) return {boxes - 2, boxes - 1};
  if (leading == 1) return {0, -1};
  if (trailing == 1) return {-1, boxes - 1};
  return {};
}

void DrawBoxedGrid(Surface& s, const PageInputs& in, PageState& st, double bottom) {
  const PageColours& colours = in.choices.colours;
  const auto first = FirstOf(st.MonthStart);
  const BoxedGridFrame f = PlanBoxedGrid(s, in, first, s.CurrentY, bottom);
  double daySize = BoxedDaySize(s, in, f);
  if (daySize <= 0) daySize = kLeastDaySize;
  const double scale = daySize / 12;
  const double column = f.ColumnWidth();
  const double row = f.RowHeight();
  const double pad = Pad(f);
  st.GridLeft = f.left;
  st.ColumnWidth = column;
  st.ColumnScale = column / in.choices.metrics.WeeklyRowBase;
  st.FontScale = scale;
  st.MonthHeadColour = kBlack;

  const int leading = core::WeekdayOf(first) - 1;
  const int days = static_cast<int>(core::DaysInMonth(first));
  const int trailing = 7 * f.rows - leading - days;

  // The grounds go first, the lines over them, the texts last.
  std::vector<DayTexts> texts;
  for (int d = 0; d < days; ++d) {
    const auto date =
        std::chrono::year_month_day{std::chrono::sys_days{first} + std::chrono::days{d}};
    texts.push_back(DayTextsOf(in, date));
    const int box = leading + d;
    const int c = box % 7;
    const bool sunday = c == 6;
    if (c < 5 && !texts.back().holiday) continue;
    const Colour shade = sunday || texts.back().holiday
                             ? Tint(colours.HolidayColour, kHolidayShadeShare)
                             : kWeekendShade;
    s.FilledBox(f.BoxLeft(c), f.BoxTop(box / 7), f.BoxLeft(c) + column, f.BoxTop(box / 7) + row,
                shade);
  }
  DrawLines(s, f);
  DrawHeadings(s, in, f);
  if (in.choices.weekNumbers) DrawWeekNumbers(s, f, first, daySize);
  DrawMiniMonths(s, in, f, first, leading, trailing);

  s.FontSize = daySize;
  s.FontBold = true;
  st.DigitWidth = s.TextWidth("0");
  st.DigitHeight = s.TextHeight("0");
  const double dayLine = st.DigitHeight;
  const bool moons = in.choices.moonLook.MoonStyle > MoonCode::None;
  for (int d = 0; d < days; ++d) {
    const int box = leading + d;
    const int c = box % 7;
    const double boxLeft = f.BoxLeft(c);
    const double boxTop = f.BoxTop(box / 7);
    const std::string dateText = core::DateText(st.MonthStart);

    s.FontSize = daySize;
    s.FontBold = true;
    s.ForeColor = c == 6 || texts[static_cast<std::size_t>(d)].holiday ? colours.HolidayColour
                                                                       : colours.DayColour;
    s.CurrentX = boxLeft + pad;
    s.CurrentY = boxTop + pad / 2;
    s.Print(std::to_string(static_cast<unsigned>(st.MonthStart.day())), true);
    s.CurrentX = boxLeft + column - pad - kMoonReach * scale;
    s.CurrentY = boxTop + pad - kMoonTop * scale;
    DrawMoonMark(s, in.choices.moonLook, st.moonTable, dateText, scale, false);

    // The day's texts at the bottom of the box, below the number and the moon.
    const double textTop =
        std::max(boxTop + pad / 2 + dayLine,
                 moons ? boxTop + pad + (kMoonBottom - kMoonTop) * scale + pad / 2 : 0.0);
    const double boxBottom = boxTop + row;
    FitRule rule;
    rule.width = column - 2 * pad;
    rule.height = boxBottom - pad / 2 - textTop;
    rule.startSize = IntPart(kTextPoints * scale);
    rule.floorSize = kTextFloor;
    rule.maxLines = kTextLines;
    s.FontBold = false;
    const auto& items = texts[static_cast<std::size_t>(d)].items;
    if (!items.empty() && rule.height > 0) {
      const FittedText fitted = WithinBox(FitText(s, items, rule), rule.width, rule.height);
      DrawFittedText(s, fitted, boxBottom - pad / 2 - fitted.Height(), [&](const TextLine& line) {
        return KeptWithin(boxLeft + (column - line.width) / 2, line.width, boxLeft + pad,
                          boxLeft + column - pad);
      });
    }
    s.ForeColor = colours.DayColour;
    st.MonthStart = core::NextDay(st.MonthStart);
    in.Step();
    if (c == 6 || d + 1 == days) in.LetEventsRun();
  }
  s.CurrentX = 0;
  s.CurrentY = bottom;
}

}  // namespace orsalimbra::render
