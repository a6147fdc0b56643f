// The fitted page title: the title of the cover, of a half-year page and the
// month name of a month page.
#pragma once

#include <string>
#include <string_view>

#include "render/page_context.h"

namespace orsalimbra::render {

// The smallest font size the title shrinks to.
inline constexpr int kSmallestTitleSize = 1;

// The calendar title with the year: after the title, or before it when the
// title begins with "#" (which is dropped).
std::string ComposeCalendarTitle(std::string_view currentTitle, std::string_view yearText);

// Draws ctx.CoverTitle in the title look, as large as fits into the box of
// height ctx.TitleHeight starting at ctx.TitleTop and into ctx.PageWidth80,
// centred on the page width. Sets TitleFontSize, TitleTextWidth,
// TitleTextHeight, BoxLeft and BoxTop, and leaves the current position on
// the line below the title and the base font name selected. An empty title
// draws nothing and leaves the surface alone.
void DrawPageTitle(PageContext& ctx);

}  // namespace orsalimbra::render
