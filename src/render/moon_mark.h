// The moon phase symbol of one day.
#pragma once

#include "render/page_context.h"

namespace orsalimbra::render {

// Draws the symbol of the moon phase that falls on ctx.DateText, if any, with
// the current position as reference point P: an empty circle for a new moon,
// a smiling face for a full moon and, when the quarters are marked, a right
// or left pie for the first and last quarter, all centred near
// P + 140 x FontScale and scaled by FontScale. On a half-year page the time of
// the phase is written above it. The current position and the fill style are
// restored; the fore colour stays the line colour and the line width the
// symbol's. Moon style 0 leaves the surface untouched.
void DrawMoonMark(PageContext& ctx);

}  // namespace orsalimbra::render
