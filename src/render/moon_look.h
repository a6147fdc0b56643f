// The look of the moon symbols on printed pages, derived from the moon style.
#pragma once

#include "render/colour.h"

namespace orsalimbra::render {

struct MoonLook {
  int MoonStyle = 0;  // 0: no moon phases
  Colour MoonLineColour = kWhite;
  Colour MoonFillColour = kWhite;  // white: no fill
  bool MoonDetail = false;         // the quarters are marked too
};

// Styles 1..8 pair an ochre or crimson outline with a yellow or white fill,
// with or without the quarters. Style 0, and any style outside 0..8 (which
// becomes 0), marks nothing.
MoonLook MoonLookFor(int style);

}  // namespace orsalimbra::render
