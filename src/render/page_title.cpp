#include "render/page_title.h"

namespace orsalimbra::render {

std::string ComposeCalendarTitle(std::string_view currentTitle, std::string_view yearText) {
  if (!currentTitle.empty() && currentTitle.front() == '#') {
    return std::string(yearText) + " " + std::string(currentTitle.substr(1));
  }
  return std::string(currentTitle) + " " + std::string(yearText);
}

void DrawPageTitle(PageContext& ctx) {
  if (ctx.CoverTitle.empty()) return;
  Surface& s = ctx.surface;
  const TitleLook& look = ctx.titleLook;
  s.FontName = look.TitleFont;
  s.FontBold = look.TitleBold;
  s.FontItalic = look.TitleItalic;

  // Each size about a sixteenth below the previous one: 281, 263, 246, ...
  // (300 itself is never used). A title that fits nowhere is drawn at the
  // smallest size.
  ctx.TitleFontSize = 300;
  do {
    ctx.TitleFontSize = static_cast<int>(IntPart(ctx.TitleFontSize - ctx.TitleFontSize / 16.0));
    if (ctx.TitleFontSize < kSmallestTitleSize) ctx.TitleFontSize = kSmallestTitleSize;
    s.FontSize = ctx.TitleFontSize;
    ctx.TitleTextHeight = s.TextHeight(ctx.CoverTitle);
    ctx.TitleTextWidth = s.TextWidth(ctx.CoverTitle);
  } while (
      (ctx.TitleTextHeight > ctx.TitleHeight || ctx.TitleTextWidth > ctx.metrics.PageWidth80) &&
      ctx.TitleFontSize > kSmallestTitleSize);

  ctx.BoxLeft = IntPart((ctx.metrics.PageWidth - ctx.TitleTextWidth) / 2);
  ctx.BoxTop = IntPart((ctx.TitleHeight - ctx.TitleTextHeight) / 2) + ctx.TitleTop;

  if (look.TitleShadow) {
    // Copies from `depth` down and right of the title back to its own place,
    // `step` apart; a title too small for a step of one twip has none.
    const int depth = static_cast<int>(IntPart(ctx.TitleTextHeight / 16));
    const int step = depth / 10;
    if (step >= 1) {
      for (int k = depth; k >= 0; k -= step) {
        s.ForeColor = look.TitleShadowColour;
        s.CurrentX = ctx.BoxLeft + k;
        s.CurrentY = ctx.BoxTop + k;
        s.Print(ctx.CoverTitle);
      }
    }
  }
  s.ForeColor = look.TitleColour;
  s.CurrentX = ctx.BoxLeft;
  s.CurrentY = ctx.BoxTop;
  s.Print(ctx.CoverTitle);
  s.FontName = kBaseFontName;
}

}  // namespace orsalimbra::render
