// The half-year page: a background picture, the title band and four rows of
// two month blocks (the half-year framed by the month before and after it).
#pragma once

#include <string>

#include "render/page_context.h"

namespace orsalimbra::render {

// Height of the title band, and the Y where the first row begins.
inline constexpr double kSemesterTitleHeight = 2300;

// Chooses the background file names (no folder) in ctx.ProgramFolder:
// Sfondo1 for the first half, else the common Sfondo; Sfondo2 for the second
// half, else whatever the first half got. A bitmap wins over a JPEG of the
// same name. Empty when there is none.
void SelectBackgrounds(PageContext& ctx);

// The background path of `name` in the program folder.
std::string BackgroundPath(const PageContext& ctx, const std::string& name);

// Paints `path` as large as fits on the page keeping its proportions, centred
// both ways; sets PictureWidth/PictureHeight and BoxLeft/BoxTop. A file that
// cannot be read or decoded paints nothing and returns false.
bool DrawFittedPicture(PageContext& ctx, const std::string& path);

// Draws the page of the eight months from ctx.MonthStart (1 December of the
// year before, or 1 June) with ctx.CurrentBackground behind them; the two
// outside months get grey headings. Expects ctx.LayoutType 0 and the surface
// font prepared by the job; leaves ctx.MonthStart eight months on.
void PrintSemesterPage(PageContext& ctx);

}  // namespace orsalimbra::render
