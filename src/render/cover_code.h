// The cover style (the stored "Copertina"): no cover, the calendar title near
// the top, in the middle or near the bottom of the cover picture, or the
// picture alone. A stored number that names none of these is kept as it is.
#pragma once

namespace orsalimbra::render {

enum class CoverCode : int {
  None = 0,
  TitleTop = 1,
  TitleMiddle = 2,
  TitleBottom = 3,
  PictureOnly = 4
};

// Styles 1..3 put the title on the cover.
inline constexpr bool CoverHasTitle(CoverCode style) {
  return style >= CoverCode::TitleTop && style <= CoverCode::TitleBottom;
}

}  // namespace orsalimbra::render
