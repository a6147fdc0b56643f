#include "render/month_page.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "core/calendar_walk.h"
#include "core/date_text.h"
#include "render/boxed_grid.h"
#include "render/daily_list.h"
#include "render/day_texts.h"
#include "render/moon_mark.h"
#include "render/page_title.h"
#include "render/print_jobs.h"
#include "render/text_fit.h"

namespace orsalimbra::render {

namespace {

// The month note: 12 points, shrinking to 6 and then wrapping onto a second
// and a third line to stay inside the printable width.
constexpr double kNoteSize = 12;
constexpr double kNoteFloor = 6;
constexpr int kNoteLines = 3;
// Texts in a cell or a column shrink to this size before they wrap.
constexpr double kCellTextFloor = 5;
// The holiday texts of a cell may reach this share of the next row's day
// number line: the top of a line of figures is blank in the usual faces.
constexpr double kBlankTopOfFigures = 0.2;

// The narrow band above the title of a month page without a picture, as a
// share of the page height.
constexpr double kBandShare = 0.06;

bool Boxed(const PageInputs& in) {
  return in.choices.LayoutType == core::LayoutCode::Weekly &&
         in.choices.pageStyle == PageStyle::Boxed;
}

// The height of the body under a month page's title: the weekly grid, the
// boxes at their roomy height, or the daily list.
double BodyHeight(Surface& s, const PageInputs& in) {
  if (Boxed(in)) return BoxedGridHeight(s, in, kRoomyBoxHeight);
  return in.choices.LayoutType == core::LayoutCode::Daily ? DailyListHeight(s)
                                                          : WeeklyGridHeight(s, kWeeklyFontScale);
}

// Where the boxes of a month end: at the bottom of the page, or for the upper
// month of a two-month sheet where the lower month's band ends.
double BodyBottom(const Surface& s, const PageInputs& in, double blockOffset) {
  const double page = std::min(in.choices.metrics.PageHeight, s.ScaleHeight());
  if (!in.year.NoMonthPhotos || blockOffset > 0) return page;
  return std::min(page, BlockOffset(2, true, s.ScaleHeight()) + kBandShare * s.ScaleHeight());
}

// The room a month page leaves for its picture: the page less the title and
// the grid or list under it.
double PictureRoom(Surface& s, const PageInputs& in, const PageState& st) {
  const PageMetrics& m = in.choices.metrics;
  return std::max(0.0, IntPart(m.PageHeight - 1.4 * st.TitleHeight - BodyHeight(s, in)));
}

// Sets PictureWidth/PictureHeight for a picture of `width` x `height` at
// most `limit` high across the page, and BoxLeft/BoxTop to centre it.
void PlacePicture(const PageMetrics& m, PageState& st, double width, double height, double limit) {
  st.PictureWidth = m.PageWidth;
  st.PictureHeight = IntPart(m.PageWidth * height / width);
  if (st.PictureHeight > limit) {
    st.PictureWidth = IntPart(st.PictureWidth * limit / st.PictureHeight);
    st.PictureHeight = limit;
  }
  st.BoxLeft = IntPart((m.PageWidth - st.PictureWidth) / 2);
  st.BoxTop = 0;
}

// The note fitted from `left` to the page's right edge, in the note's font.
FittedText FitNote(Surface& s, const std::string& note, double left, const PageMetrics& m) {
  FitRule rule;
  rule.width = m.PageWidth - left;
  rule.startSize = kNoteSize;
  rule.floorSize = kNoteFloor;
  rule.maxLines = kNoteLines;
  return FitText(s, {{note, kBlack}}, rule);
}

// The picture area of a month page: sets PictureWidth/PictureHeight and
// BoxLeft/BoxTop, paints the month's picture and writes its note under it.
void DrawPictureArea(Surface& s, const PageInputs& in, PageState& st, unsigned month) {
  const PageMetrics& m = in.choices.metrics;
  if (in.year.NoMonthPhotos) {
    st.PictureHeight = s.ScaleHeight() * kBandShare;  // a narrow band, no picture
    return;
  }
  const std::string& path = in.year.PhotoPaths[month];
  std::optional<Picture> picture;
  if (in.Exists(path)) picture = s.LoadPicture(path);
  if (!picture || picture->width <= 0 || picture->height <= 0 || m.PageWidth <= 0) {
    // No picture, or one that cannot be read: an empty area of half the
    // page, less on a page too short for that and the grid or list.
    st.PictureHeight = std::min(s.ScaleHeight() / 2, PictureRoom(s, in, st));
    return;
  }
  // At most six tenths of the page, and never so tall that the title and
  // the grid or list below it would run off the page: with real fonts a
  // tall picture at six tenths of an A4 page pushes a sixth week row or the
  // 31st day of the daily list past the printable area.
  const double limit = std::min(IntPart(0.6 * m.PageHeight), PictureRoom(s, in, st));

  // The page was laid out for one 12-point line of note; a note that needs
  // more takes the height from the picture, which shrinks (and narrows, so
  // the note's room is measured again) until the two agree.
  const std::string& note = in.year.PhotoNotes[month];
  FittedText fitted;
  double pictureLimit = limit;
  const double size = s.FontSize;
  const bool bold = s.FontBold;
  const bool italic = s.FontItalic;
  for (int pass = 0; pass < 4; ++pass) {
    PlacePicture(m, st, picture->width, picture->height, pictureLimit);
    if (note.empty()) break;
    s.FontSize = kNoteSize;
    s.FontBold = false;
    s.FontItalic = false;
    const double oneLine = s.TextHeight(note);
    // Placed with the digit size the previous grid or list left.
    fitted = FitNote(s, note, st.BoxLeft + st.DigitWidth / 4, m);
    const double shorter = std::max(0.0, IntPart(limit - std::max(0.0, fitted.Height() - oneLine)));
    if (shorter >= pictureLimit) break;
    pictureLimit = shorter;
  }
  // The picture is painted in the font state it found.
  s.FontSize = size;
  s.FontBold = bold;
  s.FontItalic = italic;
  const bool painted = s.PaintPicture(*picture, st.BoxLeft, 0, st.PictureWidth, st.PictureHeight);
  in.LetEventsRun();
  if (!painted) {
    // A header that reads over pixels that do not (a file cut short): as
    // without a picture, rather than a blank of the picture's size.
    st.PictureHeight = std::min(s.ScaleHeight() / 2, PictureRoom(s, in, st));
    return;
  }

  if (!note.empty()) {
    s.FontSize = kNoteSize;
    s.FontBold = false;
    s.FontItalic = false;
    s.ForeColor = kBlack;
    const double top = st.PictureHeight + st.DigitHeight / 4;
    const double left = st.BoxLeft + st.DigitWidth / 4;
    DrawFittedText(s, fitted, top, [&](const TextLine&) { return left; });
    s.CurrentX = 0;
    s.CurrentY = top + fitted.Height();
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
  const double widthScale = WidthScale(in.choices.metrics);
  st.GridLeft = IntPart(kMonthPageGridLeft * widthScale);
  st.ColumnScale = kMonthPageColumnScale * widthScale;
  st.FontScale = kWeeklyFontScale;
}

// Prints `text` from the current position in the current font, shrunk to
// stay within `width` when it does not.
void PrintShrunk(Surface& s, const std::string& text, double width) {
  FitRule rule;
  rule.width = width;
  rule.startSize = s.FontSize;
  rule.floorSize = kCellTextFloor;
  rule.maxLines = 1;
  const double size = s.FontSize;
  const double x = s.CurrentX;
  DrawFittedText(s, FitText(s, {{text, s.ForeColor}}, rule), s.CurrentY,
                 [x](const TextLine&) { return x; });
  s.FontSize = size;
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
    case core::LayoutCode::Semester: {
      st.ColumnScale = WidthScale(in.choices.metrics);
      st.FontScale = 1;
      s.CurrentX = st.GridLeft;
      s.FontItalic = false;
      const double top = s.CurrentY;
      PrintShrunk(s, monthText + " - " + name + " " + year,
                  7 * st.ColumnScale * in.choices.metrics.WeeklyRowBase);
      s.CurrentX = 0;
      s.CurrentY = top + s.TextHeight("");
      DrawWeeklyGrid(s, in, st);
      break;
    }
    case core::LayoutCode::Weekly:
      DrawMonthPageHead(s, in, st, blockOffset, month, name, year);
      if (Boxed(in)) {
        DrawBoxedGrid(s, in, st, BodyBottom(s, in, blockOffset));
      } else {
        DrawWeeklyGrid(s, in, st);
      }
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

namespace {

struct GridHeights {
  double rows = 0;  // the weekday line and six week rows, with their spacers
  double tail = 0;  // how far the holiday texts hang below the last row
};

GridHeights MeasureGrid(Surface& s, double fontScale) {
  const double size = s.FontSize;
  const bool bold = s.FontBold;
  const auto height = [&](double points, bool isBold) {
    s.FontSize = IntPart(points * fontScale);
    s.FontBold = isBold;
    return s.TextHeight("0");
  };
  GridHeights h;
  h.rows = 7 * (height(6, false) + height(12, true));
  h.tail = std::max(0.0, height(5, false) + height(4, false) - 26 * fontScale);
  s.FontSize = size;
  s.FontBold = bold;
  return h;
}

}  // namespace

double WeeklyGridHeight(Surface& s, double fontScale) {
  const GridHeights h = MeasureGrid(s, fontScale);
  return h.rows + h.tail;
}

double WeeklyGridTail(Surface& s, double fontScale) { return MeasureGrid(s, fontScale).tail; }

double WeeklyCellNeed(Surface& s, const PageInputs& in, double fontScale, double columnScale) {
  const double size = s.FontSize;
  const bool bold = s.FontBold;
  s.FontSize = IntPart(12 * fontScale);
  s.FontBold = true;
  const double need = columnScale * kColumnInset + s.TextWidth("00") +
                      MoonMarkReach(s, in.choices.moonLook, fontScale,
                                    in.choices.LayoutType == core::LayoutCode::Semester);
  s.FontSize = size;
  s.FontBold = bold;
  return need;
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
  const double spacerHeight = s.TextHeight("");
  s.Print();

  s.FontSize = daySize;
  s.FontBold = true;
  s.ForeColor = colours.WeekdayColour;
  st.DigitWidth = s.TextWidth("0");
  st.DigitHeight = s.TextHeight("0");
  for (int c = 1; c <= 7; ++c) {
    const double offset = IntPart(st.DigitWidth / 3);
    s.CurrentX = st.GridLeft + IntPart((c - 1) * st.ColumnWidth) + offset;
    if (c == 7) s.ForeColor = colours.HolidayColour;
    PrintShrunk(s, in.year.DayNames[static_cast<std::size_t>(c - 1)], st.ColumnWidth - offset);
  }
  s.Print();

  // The texts of a cell may fill its width, from the holiday line tucked
  // into the bottom of the day-number line down to the figures of the next
  // row.
  FitRule cellRule;
  cellRule.width = st.ColumnWidth;
  cellRule.height = 26 * st.FontScale + spacerHeight + kBlankTopOfFigures * st.DigitHeight;
  cellRule.startSize = IntPart(5 * st.FontScale);
  cellRule.floorSize = kCellTextFloor;

  // The holiday texts of the row's cells.
  std::array<std::vector<TextItem>, 7> cellTexts;
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
      cellTexts[slot].clear();
      const double cellLeft = (c - 1) * st.ColumnWidth + inset;
      s.CurrentX = st.GridLeft + IntPart(cellLeft);
      if (!core::SameMonth(st.MonthStart, month) || core::WeekdayOf(st.MonthStart) > c) {
        s.Print("  ", true);
        continue;
      }
      if (c == 7) s.ForeColor = colours.HolidayColour;
      const std::string dateText = core::DateText(st.MonthStart);
      DayTexts texts = DayTextsOf(in, st.MonthStart);
      if (texts.holiday) s.ForeColor = colours.HolidayColour;
      cellTexts[slot] = std::move(texts.items);
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

    // The holiday texts, centred under the day numbers and kept inside
    // their cells, tucked into the bottom of the day-number line.
    s.ForeColor = colours.DayColour;
    s.FontBold = false;
    for (int c = 1; c <= 7; ++c) {
      const auto slot = static_cast<std::size_t>(c - 1);
      if (cellTexts[slot].empty()) continue;
      const double centre = (c - 1) * st.ColumnWidth + inset + st.DigitWidth;
      const double cellStart = st.GridLeft + (c - 1) * st.ColumnWidth;
      const FittedText fitted = FitText(s, cellTexts[slot], cellRule);
      DrawFittedText(s, fitted, rowBottom - 26 * st.FontScale, [&](const TextLine& line) {
        return KeptWithin(st.GridLeft + IntPart(centre - line.width / 2), line.width, cellStart,
                          cellStart + st.ColumnWidth);
      });
    }
    s.CurrentY = rowBottom;
    in.LetEventsRun();
  }
}

}  // namespace orsalimbra::render
