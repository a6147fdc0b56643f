// The small pictures of the main window, drawn in code: page sketches on the
// layout buttons and the no-cover picture under the cover miniature.
#pragma once

#include <QPixmap>
#include <QSize>

namespace orsalimbra::ui {

enum class PageSketch {
  Semester,  // a title line over six small month grids
  Weekly,    // two month grids in weeks, one above the other
  Boxed,     // two month grids of boxes, weekends shaded, week numbers beside
  Daily,     // two months as lists of days, one above the other
};

// A sketch of `logicalSize` pixels at `devicePixelRatio`, on a transparent
// ground: a white page with a grey outline and the layout drawn on it.
QPixmap DrawPageSketch(PageSketch sketch, QSize logicalSize, qreal devicePixelRatio);

// A large red diagonal cross on a light grey ground.
QPixmap DrawNoCoverPicture(QSize logicalSize, qreal devicePixelRatio);

inline constexpr QRgb kNoCoverGround = 0xFFD8D8D8;
inline constexpr QRgb kNoCoverCross = 0xFFDD0000;

}  // namespace orsalimbra::ui
