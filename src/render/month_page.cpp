#include "render/month_page.h"

#include <algorithm>
#include <string>

#include "render/calendar_walk.h"
#include "render/daily_list.h"
#include "render/moon_mark.h"
#include "render/page_title.h"

namespace orsalimbra::render {

namespace {

// The picture area of a month page: sets PictureWidth/PictureHeight and
// BoxLeft/BoxTop, paints the month's picture and writes its note under it.
void DrawPictureArea(PageContext& ctx, unsigned month) {
  Surface& s = ctx.surface;
  const PageMetrics& m = ctx.metrics;
  if (ctx.NoMonthPhotos != 0) {
    ctx.PictureHeight = s.ScaleHeight() * 0.06;  // a narrow band, no picture
    return;
  }
  const std::string& path = ctx.year.PhotoPaths[month];
  std::optional<Picture> picture;
  if (ctx.Exists(path)) picture = s.LoadPicture(path);
  if (!picture || picture->width <= 0 || picture->height <= 0 || m.PageWidth <= 0) {
    // No picture, or one that cannot be read: an empty area of half the page.
    ctx.PictureHeight = s.ScaleHeight() / 2;
    return;
  }
  ctx.PictureWidth = m.PageWidth;
  ctx.PictureHeight = IntPart(m.PageWidth * picture->height / picture->width);
  // At most six tenths of the page, and never so tall that the title and
  // the grid or list below it would run off the page: with real fonts a
  // tall picture at six tenths of an A4 page pushes a sixth week row or the
  // 31st day of the daily list past the printable area.
  const double body = ctx.LayoutType == core::kLayoutDaily ? DailyListHeight(s)
                                                           : WeeklyGridHeight(s, kWeeklyFontScale);
  const double limit = std::max(
      0.0,
      std::min(IntPart(0.6 * m.PageHeight), IntPart(m.PageHeight - 1.4 * ctx.TitleHeight - body)));
  if (ctx.PictureHeight > limit) {
    ctx.PictureWidth = IntPart(ctx.PictureWidth * limit / ctx.PictureHeight);
    ctx.PictureHeight = limit;
  }
  ctx.BoxLeft = IntPart((m.PageWidth - ctx.PictureWidth) / 2);
  ctx.BoxTop = 0;
  const bool painted =
      s.PaintPicture(*picture, ctx.BoxLeft, 0, ctx.PictureWidth, ctx.PictureHeight);
  ctx.LetEventsRun();
  if (!painted) {
    // A header that reads over pixels that do not (a file cut short): as
    // without a picture, rather than a blank of the picture's size.
    ctx.PictureHeight = s.ScaleHeight() / 2;
    return;
  }

  const std::string& note = ctx.year.PhotoNotes[month];
  if (!note.empty()) {
    s.FontSize = 12;
    s.FontBold = false;
    s.FontItalic = false;
    s.ForeColor = kBlack;
    s.CurrentY = ctx.PictureHeight + m.DigitHeight / 4;
    s.CurrentX = ctx.BoxLeft + m.DigitWidth / 4;
    s.Print(note);
  }
}

void DrawMonthPageHead(PageContext& ctx, double blockOffset, unsigned month,
                       const std::string& name, const std::string& year) {
  ctx.TitleHeight = IntPart(ctx.metrics.PageHeight / 15);
  DrawPictureArea(ctx, month);
  ctx.CoverTitle = name + " " + year;
  ctx.TitleTop = blockOffset + ctx.PictureHeight + 0.4 * ctx.TitleHeight;
  DrawPageTitle(ctx);
  ctx.surface.FontItalic = false;
  ctx.GridLeft = 500;
  ctx.ColumnScale = kMonthPageColumnScale;
  ctx.FontScale = kWeeklyFontScale;
}

// The holiday texts of the day ctx.DateText in column slot `c`: the last
// plain name wins the first line and makes the day red; a remark "(...)"
// takes the first line only when it is free, else the second line, which
// ends the search.
void CollectHolidayTexts(PageContext& ctx, std::size_t c) {
  const core::YearModel& y = ctx.year;
  for (int k = 1; k <= y.HolidayCount; ++k) {
    const auto i = static_cast<std::size_t>(k - 1);
    if (i >= y.HolidayDates.size() || i >= y.HolidayNames.size()) break;
    if (y.HolidayDates[i] != ctx.DateText) continue;
    const std::string& name = y.HolidayNames[i];
    if (name.empty() || name.front() != '(') {
      ctx.DayTexts[c] = name;
      ctx.surface.ForeColor = ctx.colours.HolidayColour;
    } else if (ctx.DayTexts[c].empty()) {
      ctx.DayTexts[c] = name;
    } else {
      ctx.DayTexts2[c] = name;
      break;
    }
  }
}

}  // namespace

void PrintMonthPage(PageContext& ctx, double blockOffset) {
  if (!ctx.MonthStart.ok()) return;
  Surface& s = ctx.surface;
  const unsigned month = static_cast<unsigned>(ctx.MonthStart.month());
  const std::string monthText = TwoDigits(month);
  const std::string& name = ctx.year.PageName[month];
  const std::string year = YearText(ctx.MonthStart);
  ctx.MoonTable =
      ctx.moonPhases
          ? ctx.moonPhases(static_cast<int>(month), static_cast<int>(ctx.MonthStart.year()),
                           ctx.timeBase.UseLocalTime, ctx.timeBase.UtcOffsetHours)
          : core::MoonPhaseTable{};

  s.FontSize = 12;
  s.FontBold = true;
  s.ForeColor = ctx.colours.MonthHeadColour;
  switch (ctx.LayoutType) {
    case core::kLayoutSemester:
      ctx.ColumnScale = 1;
      ctx.FontScale = 1;
      s.CurrentX = ctx.GridLeft;
      s.FontItalic = false;
      s.Print(monthText + " - " + name + " " + year);
      DrawWeeklyGrid(ctx);
      break;
    case core::kLayoutWeekly:
      DrawMonthPageHead(ctx, blockOffset, month, name, year);
      DrawWeeklyGrid(ctx);
      break;
    case core::kLayoutDaily:
      DrawMonthPageHead(ctx, blockOffset, month, name, year);
      DrawDailyList(ctx);
      break;
    default: {
      // No such layout: nothing to draw, but the month is still done.
      const auto first = ctx.MonthStart;
      while (SameMonth(ctx.MonthStart, first)) ctx.MonthStart = NextDay(ctx.MonthStart);
      break;
    }
  }
}

double WeeklyGridHeight(Surface& s, double fontScale) {
  const double size = s.FontSize;
  const bool bold = s.FontBold;
  const auto height = [&](double points, bool isBold) {
    s.FontSize = IntPart(points * fontScale);
    s.FontBold = isBold;
    return s.TextHeight("0");
  };
  const double row = height(6, false) + height(12, true);
  // The holiday texts hang below the last row.
  const double tail = height(5, false) + height(4, false) - 26 * fontScale;
  s.FontSize = size;
  s.FontBold = bold;
  return 7 * row + std::max(0.0, tail);
}

void DrawWeeklyGrid(PageContext& ctx) {
  Surface& s = ctx.surface;
  const PageColours& colours = ctx.colours;
  const auto month = ctx.MonthStart;
  ctx.ColumnWidth = ctx.ColumnScale * ctx.metrics.WeeklyRowBase;
  // A grey heading is for one block only.
  ctx.colours.MonthHeadColour = kBlack;
  const double spacerSize = IntPart(6 * ctx.FontScale);
  const double daySize = IntPart(12 * ctx.FontScale);

  s.FontSize = spacerSize;
  s.FontBold = false;
  s.Print();

  s.FontSize = daySize;
  s.FontBold = true;
  s.ForeColor = colours.WeekdayColour;
  ctx.metrics.DigitWidth = s.TextWidth("0");
  ctx.metrics.DigitHeight = s.TextHeight("0");
  for (int c = 1; c <= 7; ++c) {
    s.CurrentX =
        ctx.GridLeft + IntPart((c - 1) * ctx.ColumnWidth) + IntPart(ctx.metrics.DigitWidth / 3);
    if (c == 7) s.ForeColor = colours.HolidayColour;
    s.Print(ctx.year.DayNames[static_cast<std::size_t>(c - 1)], true);
  }
  s.Print();

  for (int row = 1; row <= 6; ++row) {
    s.FontSize = spacerSize;
    s.FontBold = false;
    s.ForeColor = colours.WeekdayColour;
    s.Print();
    s.FontSize = daySize;
    s.FontBold = true;

    for (int c = 1; c <= 7; ++c) {
      const auto slot = static_cast<std::size_t>(c - 1);
      s.ForeColor = colours.DayColour;
      ctx.DayTexts[slot].clear();
      ctx.DayTexts2[slot].clear();
      const double cellLeft = (c - 1) * ctx.ColumnWidth + ctx.ColumnScale * ctx.ColumnInset;
      s.CurrentX = ctx.GridLeft + IntPart(cellLeft);
      if (!SameMonth(ctx.MonthStart, month) || WeekdayOf(ctx.MonthStart) > c) {
        s.Print("  ", true);
        continue;
      }
      if (c == 7) s.ForeColor = colours.HolidayColour;
      ctx.DateText = core::DateText(ctx.MonthStart);
      CollectHolidayTexts(ctx, slot);
      s.Print(TwoDigits(static_cast<unsigned>(ctx.MonthStart.day())), true);
      DrawMoonMark(ctx);
      s.ForeColor = colours.DayColour;
      ctx.MonthStart = NextDay(ctx.MonthStart);
      ctx.Step();
    }
    s.Print();
    ctx.SavedY = s.CurrentY;
    s.CurrentY -= 26 * ctx.FontScale;

    // The holiday texts, centred under the day numbers, tucked into the
    // bottom of the day-number line.
    s.ForeColor = colours.DayColour;
    s.FontBold = false;
    for (int c = 1; c <= 7; ++c) {
      const auto slot = static_cast<std::size_t>(c - 1);
      if (ctx.DayTexts[slot].empty()) continue;
      const double cellLeft =
          (c - 1) * ctx.ColumnWidth + ctx.ColumnScale * ctx.ColumnInset + ctx.metrics.DigitWidth;
      s.CurrentY = ctx.SavedY - 26 * ctx.FontScale;
      s.FontSize = IntPart(5 * ctx.FontScale);
      s.CurrentX = ctx.GridLeft + IntPart(cellLeft - s.TextWidth(ctx.DayTexts[slot]) / 2);
      s.Print(ctx.DayTexts[slot], true);
      if (!ctx.DayTexts2[slot].empty()) {
        s.CurrentY += s.TextHeight("H");
        s.FontSize = IntPart(4 * ctx.FontScale);
        s.CurrentX = ctx.GridLeft + IntPart(cellLeft - s.TextWidth(ctx.DayTexts2[slot]) / 2);
        s.Print(ctx.DayTexts2[slot], true);
      }
    }
    s.CurrentY = ctx.SavedY;
    ctx.LetEventsRun();
  }
}

}  // namespace orsalimbra::render
