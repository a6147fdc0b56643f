// The look of the moon symbols on printed pages, derived from the moon style.
#pragma once

#include "render/colour.h"

namespace orsalimbra::render {

// The moon style (the stored "Luna"): no symbols, or an ochre or crimson
// outline on a yellow or white fill, with the quarters (styles 1..4) or only
// the new and full moons (styles 5..8). A stored number outside 0..8 is kept
// as it is and marks nothing.
enum class MoonCode : int {
  None = 0,
  OchreYellowQuarters = 1,
  CrimsonYellowQuarters = 2,
  OchreWhiteQuarters = 3,
  CrimsonWhiteQuarters = 4,
  OchreYellow = 5,
  CrimsonYellow = 6,
  OchreWhite = 7,
  CrimsonWhite = 8,
};

struct MoonLook {
  MoonCode MoonStyle = MoonCode::None;
  Colour MoonLineColour = kWhite;
  Colour MoonFillColour = kWhite;  // white: no fill
  bool MoonDetail = false;         // the quarters are marked too
};

// The look of a style; any style outside 0..8 becomes style 0.
MoonLook MoonLookFor(MoonCode style);

}  // namespace orsalimbra::render
