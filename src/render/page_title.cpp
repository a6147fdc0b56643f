#include "render/page_title.h"

namespace orsalimbra::render {

std::string ComposeCalendarTitle(std::string_view currentTitle, std::string_view yearText) {
  if (!currentTitle.empty() && currentTitle.front() == '#') {
    return std::string(yearText) + " " + std::string(currentTitle.substr(1));
  }
  return std::string(currentTitle) + " " + std::string(yearText);
}

void DrawPageTitle(Surface& s, const TitleLook& look, const PageMetrics& metrics, PageState& st) {
  if (st.CoverTitle.empty()) return;
  s.FontName = look.TitleFont;
  s.FontBold = look.TitleBold;
  s.FontItalic = look.TitleItalic;

  // Each size about a sixteenth below the previous one: 281, 263, 246, ...
  // (300 itself is never used). A title that fits nowhere is drawn at the
  // smallest size.
  st.TitleFontSize = 300;
  do {
    st.TitleFontSize = static_cast<int>(IntPart(st.TitleFontSize - st.TitleFontSize / 16.0));
    if (st.TitleFontSize < kSmallestTitleSize) st.TitleFontSize = kSmallestTitleSize;
    s.FontSize = st.TitleFontSize;
    st.TitleTextHeight = s.TextHeight(st.CoverTitle);
    st.TitleTextWidth = s.TextWidth(st.CoverTitle);
  } while ((st.TitleTextHeight > st.TitleHeight || st.TitleTextWidth > metrics.PageWidth80) &&
           st.TitleFontSize > kSmallestTitleSize);

  st.BoxLeft = IntPart((metrics.PageWidth - st.TitleTextWidth) / 2);
  st.BoxTop = IntPart((st.TitleHeight - st.TitleTextHeight) / 2) + st.TitleTop;

  if (look.TitleShadow) {
    // Copies from `depth` down and right of the title back to its own place,
    // `step` apart; a title too small for a step of one twip has none.
    const int depth = static_cast<int>(IntPart(st.TitleTextHeight / 16));
    const int step = depth / 10;
    if (step >= 1) {
      for (int k = depth; k >= 0; k -= step) {
        s.ForeColor = look.TitleShadowColour;
        s.CurrentX = st.BoxLeft + k;
        s.CurrentY = st.BoxTop + k;
        s.Print(st.CoverTitle);
      }
    }
  }
  s.ForeColor = look.TitleColour;
  s.CurrentX = st.BoxLeft;
  s.CurrentY = st.BoxTop;
  s.Print(st.CoverTitle);
  s.FontName = kBaseFontName;
}

}  // namespace orsalimbra::render
