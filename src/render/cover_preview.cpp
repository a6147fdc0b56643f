#include "render/cover_preview.h"

#include "render/cover_code.h"

namespace orsalimbra::render {

CoverPreviewPlan PlanCoverPreview(CoverCode coverStyle, core::LayoutCode layoutType,
                                  bool hasCoverPhoto) {
  CoverPreviewPlan plan;
  if (!(coverStyle > CoverCode::None && layoutType > core::LayoutCode::Semester)) {
    plan.printing = CoverPrinting::Disable;
    return plan;
  }
  plan.background = hasCoverPhoto ? CoverBackground::Photo : CoverBackground::White;
  if (CoverHasTitle(coverStyle)) {
    plan.drawsTitle = true;
    plan.printing = CoverPrinting::Enable;
  } else if (coverStyle == CoverCode::PictureOnly && !hasCoverPhoto) {
    // The photo disappeared after this style was chosen.
    plan.background = CoverBackground::NoCover;
    plan.printing = CoverPrinting::Disable;
    plan.styleBecomesNone = true;
  }
  return plan;
}

void DrawCoverPreviewTitle(Surface& box, CoverCode coverStyle, const std::string& title,
                           const TitleLook& look) {
  if (!CoverHasTitle(coverStyle)) return;
  const double width = box.ScaleWidth();
  const double height = box.ScaleHeight();
  // The miniature has its own fixed font; the title font is not used here.
  box.FontName = "Arial";
  box.FontSize = 7;
  box.FontBold = true;
  box.FontItalic = false;
  const double margin = height / 10;
  const double depth = box.TextHeight("H") / 8;
  const double x = (width - box.TextWidth(title)) / 2;
  double y = margin;
  if (coverStyle == CoverCode::TitleMiddle) y = 0.45 * height;
  if (coverStyle == CoverCode::TitleBottom) y = height - 2 * margin;

  if (look.TitleShadow) {
    box.ForeColor = look.TitleShadowColour;
    for (double k = depth; k >= 0; k -= 1) {
      box.CurrentX = x + k;
      box.CurrentY = y + k;
      box.Print(title);
    }
  }
  box.ForeColor = look.TitleColour;
  box.CurrentX = x;
  box.CurrentY = y;
  box.Print(title);
}

}  // namespace orsalimbra::render
