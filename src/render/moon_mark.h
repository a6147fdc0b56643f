// The moon phase symbol of one day.
#pragma once

#include <string>

#include "core/moon_phases.h"
#include "render/moon_look.h"
#include "render/surface.h"

namespace orsalimbra::render {

// Draws the symbol of the moon phase of `table` that falls on `dateText`
// ("dd/mm/yyyy"), if any, with the current position as reference point P: an
// empty circle for a new moon, a smiling face for a full moon and, when the
// quarters are marked, a right or left pie for the first and last quarter,
// all centred near P + 140 x `scale` and scaled by it. `withTime` writes the
// time of the phase above the symbol (the half-year pages). The current
// position and the fill style are restored; the fore colour stays the line
// colour and the line width the symbol's. Moon style 0 leaves the surface
// untouched.
void DrawMoonMark(Surface& s, const MoonLook& look, const core::MoonPhaseTable& table,
                  const std::string& dateText, double scale, bool withTime);

// How far right of its reference point a symbol drawn by DrawMoonMark in the
// surface's current font reaches, with its time; 0 for moon style 0.
double MoonMarkReach(Surface& s, const MoonLook& look, double scale, bool withTime);

}  // namespace orsalimbra::render
