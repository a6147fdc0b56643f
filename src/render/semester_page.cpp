#include "render/semester_page.h"

#include <algorithm>
#include <array>

#include "render/month_page.h"
#include "render/page_title.h"

namespace orsalimbra::render {

namespace {

// On A4, the left block's left edge, and the right block's distance from
// the middle of the page.
constexpr double kLeftBlockLeft = 360;
constexpr double kRightBlockGap = 300;

std::string FirstExisting(const PageInputs& in, std::initializer_list<const char*> names) {
  for (const char* name : names) {
    if (in.Exists(BackgroundPath(in, name))) return name;
  }
  return {};
}

void PrintSemesterRow(Surface& s, const PageInputs& in, PageState& st, int row) {
  s.FontSize = 6;
  s.FontBold = true;
  s.ForeColor = in.choices.colours.WeekdayColour;
  s.Print();  // a small gap above the row
  st.BlockTop = s.CurrentY;

  const double widthScale = WidthScale(in.choices.metrics);
  st.GridLeft = IntPart(kLeftBlockLeft * widthScale);
  if (row == 1) st.MonthHeadColour = kOutsideMonthGrey;
  PrintMonthPage(s, in, st, 0);

  s.CurrentY = st.BlockTop;
  st.GridLeft = IntPart(s.ScaleWidth() / 2) + IntPart(kRightBlockGap * widthScale);
  if (row == 4) st.MonthHeadColour = kOutsideMonthGrey;
  PrintMonthPage(s, in, st, 0);
}

}  // namespace

std::string BackgroundPath(const PageInputs& in, const std::string& name) {
  return in.choices.programFolder + "/" + name;
}

void SelectBackgrounds(const PageInputs& in, PageState& st) {
  st.FirstHalfBackground =
      FirstExisting(in, {"Sfondo1.bmp", "Sfondo1.jpg", "Sfondo.bmp", "Sfondo.jpg"});
  st.SecondHalfBackground = FirstExisting(in, {"Sfondo2.bmp", "Sfondo2.jpg"});
  if (st.SecondHalfBackground.empty()) st.SecondHalfBackground = st.FirstHalfBackground;
}

bool DrawFittedPicture(Surface& s, const PageMetrics& m, PageState& st, const std::string& path) {
  const std::optional<Picture> picture = s.LoadPicture(path);
  if (!picture || picture->width <= 0 || picture->height <= 0) return false;
  st.PictureWidth = m.PageWidth;
  st.PictureHeight = IntPart(picture->height * m.PageWidth / picture->width);
  if (st.PictureHeight > m.PageHeight) {
    st.PictureWidth = IntPart(st.PictureWidth * m.PageHeight / st.PictureHeight);
    st.PictureHeight = m.PageHeight;
  }
  st.BoxLeft = IntPart((m.PageWidth - st.PictureWidth) / 2);
  st.BoxTop = IntPart((m.PageHeight - st.PictureHeight) / 2);
  return s.PaintPicture(*picture, st.BoxLeft, st.BoxTop, st.PictureWidth, st.PictureHeight);
}

double SemesterRowsHeight(Surface& s) {
  const double size = s.FontSize;
  const bool bold = s.FontBold;
  s.FontBold = true;
  s.FontSize = 6;
  const double gap = s.TextHeight("");
  s.FontSize = 12;
  const double heading = s.TextHeight("");
  s.FontSize = size;
  s.FontBold = bold;
  // The holiday texts under a block's last week row hang into the next
  // row's gap; only the last row's hang below everything.
  const double tail = WeeklyGridTail(s, 1);
  return 4 * (gap + heading + WeeklyGridHeight(s, 1) - tail) + tail;
}

double SemesterTitleBand(Surface& s, const PageMetrics& m) {
  return std::clamp(IntPart(m.PageHeight - SemesterRowsHeight(s)), kSmallestSemesterTitleHeight,
                    kSemesterTitleHeight);
}

void PrintSemesterPage(Surface& s, const PageInputs& in, PageState& st) {
  // The background first, so that everything else lies on top of it.
  if (!st.CurrentBackground.empty()) {
    DrawFittedPicture(s, in.choices.metrics, st, BackgroundPath(in, st.CurrentBackground));
  }
  // The year of the job, also on the first-half page that begins in December
  // of the year before.
  st.CoverTitle = ComposeCalendarTitle(in.year.CurrentTitle, std::to_string(st.CalendarYear));
  st.TitleTop = 0;
  st.TitleHeight = SemesterTitleBand(s, in.choices.metrics);
  DrawPageTitle(s, in.choices.titleLook, in.choices.metrics, st);
  s.CurrentY = st.TitleHeight;
  for (int row = 1; row <= 4; ++row) PrintSemesterRow(s, in, st, row);
}

}  // namespace orsalimbra::render
