// The fitted page title: the title of the cover, of a half-year page and the
// month name of a month page.
#pragma once

#include <string>
#include <string_view>

#include "render/page_inputs.h"
#include "render/page_state.h"

namespace orsalimbra::render {

// The smallest font size the title shrinks to.
inline constexpr int kSmallestTitleSize = 1;

// The calendar title with the year: after the title, or before it when the
// title begins with "#" (which is dropped).
std::string ComposeCalendarTitle(std::string_view currentTitle, std::string_view yearText);

// Draws st.CoverTitle in the title look, as large as fits into the box of
// height st.TitleHeight starting at st.TitleTop and into the page's
// PageWidth80, centred on the page width. Sets TitleFontSize,
// TitleTextWidth, TitleTextHeight, BoxLeft and BoxTop, and leaves the
// current position on the line below the title and the base font name
// selected. An empty title draws nothing and leaves the surface alone.
void DrawPageTitle(Surface& s, const TitleLook& look, const PageMetrics& metrics, PageState& st);

}  // namespace orsalimbra::render
