// The moon sample of the main window: the full-moon face in the chosen moon
// style and, when the quarters are marked, a last-quarter symbol beside it.
#pragma once

#include "render/moon_look.h"
#include "render/surface.h"

namespace orsalimbra::render {

// Radius of the moon disc in the sample, whatever the box size.
inline constexpr double kMoonSampleRadius = 160;

// Clears the box and draws the symbols, centred on the half height
// `boxHeight` of the box (its outer height, frame included) from its left
// edge: disc, mouth, eyes and nose in the line colour, the disc filled with
// the fill colour; the last-quarter pie one box height further right. Leaves
// the fill style transparent.
void DrawMoonSample(Surface& box, const MoonLook& look, double boxHeight);

}  // namespace orsalimbra::render
