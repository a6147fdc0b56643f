// The layout choice and the cover style as the main window shows them.
#pragma once

#include <QString>

#include <optional>

#include "core/year_model.h"
#include "render/cover_code.h"

namespace orsalimbra::ui {

// Background colours of the layout buttons.
inline constexpr int kChosenLayoutRgb[3] = {100, 200, 100};
inline constexpr int kOtherLayoutRgb[3] = {204, 204, 204};

// Tool tips of the layout buttons Tipo0, Tipo1 and Tipo2, blanks included.
QString LayoutToolTip(core::LayoutCode layoutType);

struct LayoutView {
  int chosenButton = 1;  // 0, 1 or 2: the highlighted layout button
  QString description;   // shown under the buttons
  // The cover miniature and the month, cover and reversed-order print
  // controls make sense only for month pages.
  bool monthPages = true;
};

// What the window shows for a layout code: "Un semestre per facciata" for 0;
// for the weekly (1) and daily (2) month pages, one month per side with
// month pictures, two without. Nothing for other codes: the window is then
// left as it is.
std::optional<LayoutView> LayoutViewFor(core::LayoutCode layoutType, bool noMonthPhotos);

// The cover style after a click on the miniature: 0, 1, 2, 3, 0, ... and,
// with a cover photo, 0, 1, 2, 3, 4, 0, ... (4 is the photo alone).
render::CoverCode NextCoverStyle(render::CoverCode coverStyle, bool hasCoverPhoto);

}  // namespace orsalimbra::ui
