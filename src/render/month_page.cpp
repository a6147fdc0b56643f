#include "render/month_page.h"

#include <algorithm>
#include <array>
#include <string>

#include "core/calendar_walk.h"
#include "core/date_text.h"
#include "render/daily_list.h"
#include "render/moon_mark.h"
#include "render/page_title.h"

namespace orsalimbra::render {

namespace {

// The picture area of a month page: sets PictureWidth/PictureHeight and
// BoxLeft/BoxTop, paints the month's picture and writes its note under it.
void DrawPictureArea(Surface& s, const PageInputs& in, PageState& st, unsigned month) {
  const PageMetrics& m = in.choices.metrics;
  if (in.year.NoMonthPhotos) {
    st.PictureHeight = s.ScaleHeight() * 0.06;  // a narrow band, no picture
    return;
  }
  const std::string& path = in.year.PhotoPaths[month];
  std::optional<Picture> picture;
  if (in.Exists(path)) picture = s.LoadPicture(path);
  if (!picture || picture->width <= 0 || picture->height <= 0 || m.PageWidth <= 0) {
    // No picture, or one that cannot be read: an empty area of half the page.
    st.PictureHeight = s.ScaleHeight() / 2;
    return;
  }
  st.PictureWidth = m.PageWidth;
  st.PictureHeight = IntPart(m.PageWidth * picture->height / picture->width);
  // At most six tenths of the page, and never so tall that the title and
  // the grid or list below it would run off the page: with real fonts a
  // tall picture at six tenths of an A4 page pushes a sixth week row or the
  // 31st day of the daily list past the printable area.
  const double body = in.choices.LayoutType == core::LayoutCode::Daily
                          ? DailyListHeight(s)
                          : WeeklyGridHeight(s, kWeeklyFontScale);
  const double limit = std::max(0.0, std::min(IntPart(0.6 * m.PageHeight),
                                              IntPart(m.PageHeight - 1.4 * st.TitleHeight - body)));
  if (st.PictureHeight > limit) {
    st.PictureWidth = IntPart(st.PictureWidth * limit / st.PictureHeight);
    st.PictureHeight = limit;
  }
  st.BoxLeft = IntPart((m.PageWidth - st.PictureWidth) / 2);
  st.BoxTop = 0;
  const bool painted = s.PaintPicture(*picture, st.BoxLeft, 0, st.PictureWidth, st.PictureHeight);
  in.LetEventsRun();
  if (!painted) {
    // A header that reads over pixels that do not (a file cut short): as
    // without a picture, rather than a blank of the picture's size.
    st.PictureHeight = s.ScaleHeight() / 2;
    return;
  }

  const std::string& note = in.year.PhotoNotes[month];
  if (!note.empty()) {
    s.FontSize = 12;
    s.FontBold = false;
    s.FontItalic = false;
    s.ForeColor = kBlack;
    // Placed with the digit size the previous grid or list left.
    s.CurrentY = st.PictureHeight + st.DigitHeight / 4;
    s.CurrentX = st.BoxLeft + st.DigitWidth / 4;
    s.Print(note);
  }
}

void DrawMonthPageHead(Surface& s, const PageInputs& in, PageState& st, double blockOffset,
                       unsigned month, const std::string& name, const std::string& year) {
  st.TitleHeight = IntPart(in.choices.metrics.PageHeight / 15);
  DrawPictureArea(s, in, st, month);
  st.CoverTitle = name + " " + year;
  st.TitleTop = blockOffset + st.PictureHeight + 0.4 * st.TitleHeight;
  DrawPageTitle(s, in.choices.titleLook, in.choices.metrics, st);
  s.FontItalic = false;
  st.GridLeft = 500;
  st.ColumnScale = kMonthPageColumnScale;
  st.FontScale = kWeeklyFontScale;
}

// The holiday texts of the day `dateText` in one cell: the last plain name
// wins the first line and makes the day red; a remark "(...)" takes the
// first line only when it is free, else the second line, which ends the
// search.
void CollectHolidayTexts(Surface& s, const PageInputs& in, const std::string& dateText,
                         std::string& first, std::string& second) {
  const core::YearModel& y = in.year;
  for (int k = 1; k <= y.HolidayCount; ++k) {
    const auto i = static_cast<std::size_t>(k - 1);
    if (i >= y.HolidayDates.size() || i >= y.HolidayNames.size()) break;
    if (y.HolidayDates[i] != dateText) continue;
    const std::string& name = y.HolidayNames[i];
    if (name.empty() || name.front() != '(') {
      first = name;
      s.ForeColor = in.choices.colours.HolidayColour;
    } else if (first.empty()) {
      first = name;
    } else {
      second = name;
      break;
    }
  }
}

}  // namespace

void PrintMonthPage(Surface& s, const PageInputs& in, PageState& st, double blockOffset) {
  if (!st.MonthStart.ok()) return;
  const unsigned month = static_cast<unsigned>(st.MonthStart.month());
  const std::string monthText = core::Padded(month, 2);
  const std::string& name = in.year.PageName[month];
  const std::string year = core::Padded(static_cast<int>(st.MonthStart.year()), 4);
  st.moonTable = in.MoonPhasesOf(static_cast<int>(month), static_cast<int>(st.MonthStart.year()));

  s.FontSize = 12;
  s.FontBold = true;
  s.ForeColor = st.MonthHeadColour;
  switch (in.choices.LayoutType) {
    case core::LayoutCode::Semester:
      st.ColumnScale = 1;
      st.FontScale = 1;
      s.CurrentX = st.GridLeft;
      s.FontItalic = false;
      s.Print(monthText + " - " + name + " " + year);
      DrawWeeklyGrid(s, in, st);
      break;
    case core::LayoutCode::Weekly:
      DrawMonthPageHead(s, in, st, blockOffset, month, name, year);
      DrawWeeklyGrid(s, in, st);
      break;
    case core::LayoutCode::Daily:
      DrawMonthPageHead(s, in, st, blockOffset, month, name, year);
      DrawDailyList(s, in, st);
      break;
    default: {
      // No such layout: nothing to draw, but the month is still done.
      const auto first = st.MonthStart;
      while (core::SameMonth(st.MonthStart, first)) st.MonthStart = core::NextDay(st.MonthStart);
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

void DrawWeeklyGrid(Surface& s, const PageInputs& in, PageState& st) {
  const PageColours& colours = in.choices.colours;
  const auto month = st.MonthStart;
  st.ColumnWidth = st.ColumnScale * in.choices.metrics.WeeklyRowBase;
  // A grey heading is for one block only.
  st.MonthHeadColour = kBlack;
  const double spacerSize = IntPart(6 * st.FontScale);
  const double daySize = IntPart(12 * st.FontScale);
  const double inset = st.ColumnScale * kColumnInset;

  s.FontSize = spacerSize;
  s.FontBold = false;
  s.Print();

  s.FontSize = daySize;
  s.FontBold = true;
  s.ForeColor = colours.WeekdayColour;
  st.DigitWidth = s.TextWidth("0");
  st.DigitHeight = s.TextHeight("0");
  for (int c = 1; c <= 7; ++c) {
    s.CurrentX = st.GridLeft + IntPart((c - 1) * st.ColumnWidth) + IntPart(st.DigitWidth / 3);
    if (c == 7) s.ForeColor = colours.HolidayColour;
    s.Print(in.year.DayNames[static_cast<std::size_t>(c - 1)], true);
  }
  s.Print();

  // The holiday texts of the row's cells: a name or remark, and a second
  // remark under it.
  std::array<std::string, 7> dayTexts;
  std::array<std::string, 7> dayTexts2;
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
      dayTexts[slot].clear();
      dayTexts2[slot].clear();
      const double cellLeft = (c - 1) * st.ColumnWidth + inset;
      s.CurrentX = st.GridLeft + IntPart(cellLeft);
      if (!core::SameMonth(st.MonthStart, month) || core::WeekdayOf(st.MonthStart) > c) {
        s.Print("  ", true);
        continue;
      }
      if (c == 7) s.ForeColor = colours.HolidayColour;
      const std::string dateText = core::DateText(st.MonthStart);
      CollectHolidayTexts(s, in, dateText, dayTexts[slot], dayTexts2[slot]);
      s.Print(core::Padded(static_cast<unsigned>(st.MonthStart.day()), 2), true);
      DrawMoonMark(s, in.choices.moonLook, st.moonTable, dateText, st.FontScale,
                   in.choices.LayoutType == core::LayoutCode::Semester);
      s.ForeColor = colours.DayColour;
      st.MonthStart = core::NextDay(st.MonthStart);
      in.Step();
    }
    s.Print();
    const double rowBottom = s.CurrentY;
    s.CurrentY -= 26 * st.FontScale;

    // The holiday texts, centred under the day numbers, tucked into the
    // bottom of the day-number line.
    s.ForeColor = colours.DayColour;
    s.FontBold = false;
    for (int c = 1; c <= 7; ++c) {
      const auto slot = static_cast<std::size_t>(c - 1);
      if (dayTexts[slot].empty()) continue;
      const double cellLeft = (c - 1) * st.ColumnWidth + inset + st.DigitWidth;
      s.CurrentY = rowBottom - 26 * st.FontScale;
      s.FontSize = IntPart(5 * st.FontScale);
      s.CurrentX = st.GridLeft + IntPart(cellLeft - s.TextWidth(dayTexts[slot]) / 2);
      s.Print(dayTexts[slot], true);
      if (!dayTexts2[slot].empty()) {
        s.CurrentY += s.TextHeight("H");
        s.FontSize = IntPart(4 * st.FontScale);
        s.CurrentX = st.GridLeft + IntPart(cellLeft - s.TextWidth(dayTexts2[slot]) / 2);
        s.Print(dayTexts2[slot], true);
      }
    }
    s.CurrentY = rowBottom;
    in.LetEventsRun();
  }
}

}  // namespace orsalimbra::render
