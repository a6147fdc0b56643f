#include "render/semester_page.h"

#include <array>

#include "render/month_page.h"
#include "render/page_title.h"

namespace orsalimbra::render {

namespace {

std::string FirstExisting(const PageContext& ctx, std::initializer_list<const char*> names) {
  for (const char* name : names) {
    if (ctx.Exists(BackgroundPath(ctx, name))) return name;
  }
  return {};
}

void PrintSemesterRow(PageContext& ctx, int row) {
  Surface& s = ctx.surface;
  s.FontSize = 6;
  s.FontBold = true;
  s.ForeColor = ctx.colours.WeekdayColour;
  s.Print();  // a small gap above the row
  ctx.BlockTop = s.CurrentY;

  ctx.GridLeft = 360;
  if (row == 1) ctx.colours.MonthHeadColour = kOutsideMonthGrey;
  PrintMonthPage(ctx, 0);

  s.CurrentY = ctx.BlockTop;
  ctx.GridLeft = IntPart(s.ScaleWidth() / 2) + 300;
  if (row == 4) ctx.colours.MonthHeadColour = kOutsideMonthGrey;
  PrintMonthPage(ctx, 0);
}

}  // namespace

std::string BackgroundPath(const PageContext& ctx, const std::string& name) {
  return ctx.ProgramFolder + "/" + name;
}

void SelectBackgrounds(PageContext& ctx) {
  ctx.FirstHalfBackground =
      FirstExisting(ctx, {"Sfondo1.bmp", "Sfondo1.jpg", "Sfondo.bmp", "Sfondo.jpg"});
  ctx.SecondHalfBackground = FirstExisting(ctx, {"Sfondo2.bmp", "Sfondo2.jpg"});
  if (ctx.SecondHalfBackground.empty()) ctx.SecondHalfBackground = ctx.FirstHalfBackground;
}

bool DrawFittedPicture(PageContext& ctx, const std::string& path) {
  Surface& s = ctx.surface;
  const PageMetrics& m = ctx.metrics;
  const std::optional<Picture> picture = s.LoadPicture(path);
  if (!picture || picture->width <= 0 || picture->height <= 0) return false;
  ctx.PictureWidth = m.PageWidth;
  ctx.PictureHeight = IntPart(picture->height * m.PageWidth / picture->width);
  if (ctx.PictureHeight > m.PageHeight) {
    ctx.PictureWidth = IntPart(ctx.PictureWidth * m.PageHeight / ctx.PictureHeight);
    ctx.PictureHeight = m.PageHeight;
  }
  ctx.BoxLeft = IntPart((m.PageWidth - ctx.PictureWidth) / 2);
  ctx.BoxTop = IntPart((m.PageHeight - ctx.PictureHeight) / 2);
  return s.PaintPicture(*picture, ctx.BoxLeft, ctx.BoxTop, ctx.PictureWidth, ctx.PictureHeight);
}

void PrintSemesterPage(PageContext& ctx) {
  Surface& s = ctx.surface;
  // The background first, so that everything else lies on top of it.
  if (!ctx.CurrentBackground.empty()) {
    DrawFittedPicture(ctx, BackgroundPath(ctx, ctx.CurrentBackground));
  }
  // The year of the job, also on the first-half page that begins in December
  // of the year before.
  ctx.CoverTitle = ComposeCalendarTitle(ctx.year.CurrentTitle, std::to_string(ctx.CalendarYear));
  ctx.TitleTop = 0;
  ctx.TitleHeight = kSemesterTitleHeight;
  DrawPageTitle(ctx);
  s.CurrentY = kSemesterTitleHeight;
  for (int row = 1; row <= 4; ++row) PrintSemesterRow(ctx, row);
}

}  // namespace orsalimbra::render
