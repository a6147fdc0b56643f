// The cover miniature of the main window: what it shows for a cover style,
// and the title drawn on it.
#pragma once

#include <string>

#include "render/page_inputs.h"
#include "render/surface.h"

namespace orsalimbra::render {

// What lies under the title: the no-cover picture (a red cross), the cover
// photo stretched over the miniature, or plain white.
enum class CoverBackground { NoCover, Photo, White };

// What the miniature does to the "print the cover" command.
enum class CoverPrinting { Unchanged, Enable, Disable };

struct CoverPreviewPlan {
  CoverBackground background = CoverBackground::NoCover;
  // Styles 1 to 3 carry the title near the top, in the middle or near the bottom.
  bool drawsTitle = false;
  CoverPrinting printing = CoverPrinting::Unchanged;
  // Style 4 (the photo alone) was left without a photo: the style becomes 0
  // and is stored so.
  bool styleBecomesNone = false;
};

// The plan for a cover style in a layout. No cover shows for style 0 (or
// below) and for the semester layout or a layout code that is no number.
// Styles above 4 show only the background and leave the cover command as
// it is.
CoverPreviewPlan PlanCoverPreview(CoverCode coverStyle, core::LayoutCode layoutType,
                                  bool hasCoverPhoto);

// Draws the cover title of style 1, 2 or 3 on the miniature `box`, whose
// background is already painted: 7-point bold Arial, centred, with the
// shadow (copies one unit apart, from an eighth of the text height down
// and right of the title back to it) when the look has one. Other styles
// draw nothing.
void DrawCoverPreviewTitle(Surface& box, CoverCode coverStyle, const std::string& title,
                           const TitleLook& look);

}  // namespace orsalimbra::render
