// The half-year page: a background picture, the title band and four rows of
// two month blocks (the half-year framed by the month before and after it).
#pragma once

#include <string>

#include "render/page_inputs.h"
#include "render/page_state.h"

namespace orsalimbra::render {

// Height of the title band, and the Y where the first row begins.
inline constexpr double kSemesterTitleHeight = 2300;
// The band gives up height for the rows on a short page, but never more
// than half of it.
inline constexpr double kSmallestSemesterTitleHeight = kSemesterTitleHeight / 2;

// Chooses the background file names (no folder) in the program folder:
// Sfondo1 for the first half, else the common Sfondo; Sfondo2 for the second
// half, else whatever the first half got. A bitmap wins over a JPEG of the
// same name. Empty when there is none.
void SelectBackgrounds(const PageInputs& in, PageState& st);

// The background path of `name` in the program folder.
std::string BackgroundPath(const PageInputs& in, const std::string& name);

// Paints `path` as large as fits on the page keeping its proportions, centred
// both ways; sets PictureWidth/PictureHeight and BoxLeft/BoxTop. A file that
// cannot be read or decoded paints nothing and returns false.
bool DrawFittedPicture(Surface& s, const PageMetrics& m, PageState& st, const std::string& path);

// The height of the four rows of month blocks, from the gap above the
// first to below the holiday texts of the last. The surface's font is kept.
double SemesterRowsHeight(Surface& s);

// The height of the title band on the page of `m`: kSemesterTitleHeight,
// less on a page too short for it and the rows, but never less than half.
double SemesterTitleBand(Surface& s, const PageMetrics& m);

// Draws the page of the eight months from st.MonthStart (1 December of the
// year before, or 1 June) with st.CurrentBackground behind them; the two
// outside months get grey headings. Expects layout 0 and the surface font
// prepared by the job; leaves st.MonthStart eight months on.
void PrintSemesterPage(Surface& s, const PageInputs& in, PageState& st);

}  // namespace orsalimbra::render
