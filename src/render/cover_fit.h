// How the cover picture meets the page (the stored "AdattaCopertina"): it
// fills the page and is cropped evenly around its centre, it is shown whole
// on white, or it is stretched over the page whatever its shape. A stored
// number that names none of these is kept as it is and fills the page.
#pragma once

#include "render/surface.h"

namespace orsalimbra::render {

enum class CoverFit : int { Fill = 0, Whole = 1, Stretch = 2 };

// Where a picture goes in a box and which part of it is shown.
struct PicturePlacement {
  double x = 0;
  double y = 0;
  double width = 0;
  double height = 0;
  PicturePart part;
};

// The picture of natural size `pictureWidth` x `pictureHeight` in the box
// of `boxWidth` x `boxHeight` from (0, 0), with its proportions kept except
// when stretched. A picture or a box without an area is stretched.
PicturePlacement PlaceCoverPicture(double pictureWidth, double pictureHeight, double boxWidth,
                                   double boxHeight, CoverFit fit);

}  // namespace orsalimbra::render
