#include "render/cover_fit.h"

namespace orsalimbra::render {

PicturePlacement PlaceCoverPicture(double pictureWidth, double pictureHeight, double boxWidth,
                                   double boxHeight, CoverFit fit) {
  PicturePlacement place{0, 0, boxWidth, boxHeight, {}};
  if (!(pictureWidth > 0 && pictureHeight > 0 && boxWidth > 0 && boxHeight > 0) ||
      fit == CoverFit::Stretch) {
    return place;
  }
  // The picture's shape against the box's: above 1 it is the wider of the two.
  const double shape = (pictureWidth / pictureHeight) / (boxWidth / boxHeight);
  if (fit == CoverFit::Whole) {
    if (shape > 1) {
      place.height = boxHeight / shape;
      place.y = (boxHeight - place.height) / 2;
    } else {
      place.width = boxWidth * shape;
      place.x = (boxWidth - place.width) / 2;
    }
    return place;
  }
  // Filled: the sides that stick out are cut off in equal parts.
  if (shape > 1) {
    place.part.width = 1 / shape;
    place.part.left = (1 - place.part.width) / 2;
  } else {
    place.part.height = shape;
    place.part.top = (1 - place.part.height) / 2;
  }
  return place;
}

}  // namespace orsalimbra::render
