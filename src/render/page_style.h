// The look of the weekly month pages (the stored "StilePagina"): the open
// rows of day numbers, or a boxed grid with room to write in each day.
#pragma once

namespace orsalimbra::render {

// A stored number this version does not know draws the open rows.
enum class PageStyle : int { Classic = 0, Boxed = 1 };

}  // namespace orsalimbra::render
