#include "render/scale_colour.h"

#include <algorithm>
#include <cmath>

namespace orsalimbra::render {

Colour ScaleColour(Colour colour, double factor) {
  const auto scale = [factor](int channel) {
    double value = std::floor(channel * factor);
    if (factor > 1) value = std::min(value, 255.0);
    // A negative or non-finite factor has no meaning for a colour; keep the
    // result a valid channel instead of spilling into the neighbours.
    if (!(value >= 0)) value = 0;
    return static_cast<int>(std::min(value, 255.0));
  };
  const Colour c = colour & 0x7FFFFFFFu;
  return Rgb(scale(RedOf(c)), scale(GreenOf(c)), scale(BlueOf(c)));
}

}  // namespace orsalimbra::render
