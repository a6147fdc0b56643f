// The cover and the back cover of a calendar of month pages.
#pragma once

#include <string>
#include <utility>

#include "render/page_inputs.h"
#include "render/page_state.h"

namespace orsalimbra::render {

// The cover picture over the whole page as the job's cover fit places it
// (when the year model has one) and, for styles below 4, the calendar title
// fitted into a box an eighth of the page high at the style's position.
void PrintCover(Surface& s, const PageInputs& in, PageState& st);

// The back-cover note at 0.9 of the page height, in one bold line or, split
// at its first "\", a bold and a regular line, centred; then the credit line.
// A line too wide for the page shrinks and wraps; lines that would not end
// on the page start higher.
void PrintBackCover(Surface& s, const PageInputs& in);

// The two lines of a back-cover note: the text before the first "\" and the
// text after it (empty without one).
std::pair<std::string, std::string> SplitBackCoverNote(const std::string& note);

}  // namespace orsalimbra::render
