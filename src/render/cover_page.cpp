#include "render/cover_page.h"

#include "render/credits.h"
#include "render/page_title.h"

namespace orsalimbra::render {

void PrintCover(PageContext& ctx) {
  Surface& s = ctx.surface;
  const PageMetrics& m = ctx.metrics;
  if (ctx.year.HasCoverPhoto) {
    // Stretched whatever its proportions, as the cover miniature shows it. A
    // file that cannot be read leaves the page without a picture.
    if (const std::optional<Picture> picture = s.LoadPicture(ctx.year.PhotoPaths[0])) {
      ctx.PictureWidth = m.PageWidth;
      ctx.PictureHeight = m.PageHeight;
      ctx.BoxLeft = 0;
      ctx.BoxTop = 0;
      s.PaintPicture(*picture, 0, 0, m.PageWidth, m.PageHeight);
    }
  }
  if (ctx.CoverStyle >= kCoverPictureOnly) return;

  ctx.TitleHeight = IntPart(m.PageHeight / 8);
  switch (ctx.CoverStyle) {
    case kCoverTitleTop:
      ctx.TitleTop = ctx.TitleHeight - 1000;
      break;
    case kCoverTitleMiddle:
      ctx.TitleTop = IntPart(m.PageHeight / 2) - 1000;
      break;
    case kCoverTitleBottom:
      ctx.TitleTop = m.PageHeight - ctx.TitleHeight - 1000;
      break;
    default:
      break;  // no cover style: the box stays where it was
  }
  ctx.CoverTitle = ComposeCalendarTitle(ctx.year.CurrentTitle, std::to_string(ctx.CalendarYear));
  DrawPageTitle(ctx);
}

std::pair<std::string, std::string> SplitBackCoverNote(const std::string& note) {
  const std::size_t split = note.find('\\');
  if (split == std::string::npos) return {note, {}};
  return {note.substr(0, split), note.substr(split + 1)};
}

void PrintBackCover(PageContext& ctx) {
  Surface& s = ctx.surface;
  s.FontSize = 12;
  s.FontBold = true;
  // Upright whatever the cover's title left: the note's second line and the
  // credit line are regular text.
  s.FontItalic = false;
  s.ForeColor = kBlack;
  s.CurrentY = 0.9 * s.ScaleHeight();
  const std::string& note = ctx.year.PhotoNotes[0];
  if (!note.empty()) {
    const auto [first, second] = SplitBackCoverNote(note);
    s.CurrentX = (s.ScaleWidth() - s.TextWidth(first)) / 2;
    s.Print(first);
    if (!second.empty()) {
      s.FontBold = false;
      s.CurrentX = (s.ScaleWidth() - s.TextWidth(second)) / 2;
      s.Print(second);
    }
  } else {
    s.Print();
  }
  s.FontSize = 9;
  s.FontBold = false;
  s.Print();
  s.CurrentX = (s.ScaleWidth() - s.TextWidth(kCreditLine)) / 2;
  s.Print(kCreditLine);
}

}  // namespace orsalimbra::render
