// Colours derived from another by scaling its channels.
#pragma once

#include "render/colour.h"

namespace orsalimbra::render {

// Each of red, green and blue multiplied by `factor` and cut to its integer
// part. Channels only grow above 255 when the factor is above 1; they are
// then clamped at 255. Bits above the 24 colour bits are ignored (the top bit
// of a stored colour once flagged a system colour). The title shadow is the
// title colour at half intensity: ScaleColour(c, 0.5).
Colour ScaleColour(Colour colour, double factor);

}  // namespace orsalimbra::render
