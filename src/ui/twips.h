// The windows are laid out in twips, 15 to a pixel at the standard 96 dpi;
// Qt scales pixels for screens of other densities.
#pragma once

#include <QRect>

namespace orsalimbra::ui {

inline constexpr int kTwipsPerPixel = 15;

// Whole pixels for a length in twips, to the nearest.
constexpr int Px(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

inline QRect Twips(int left, int top, int width, int height) {
  return QRect(Px(left), Px(top), Px(width), Px(height));
}

}  // namespace orsalimbra::ui
