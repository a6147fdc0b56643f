#include "render/title_sample.h"

#include <cmath>

namespace orsalimbra::render {

TitleSampleFit DrawTitleSample(Surface& box, const TitleLook& look, const std::string& title) {
  box.Cls();
  box.FontName = look.TitleFont;
  box.FontBold = look.TitleBold;
  box.FontItalic = look.TitleItalic;

  const double width = box.ScaleWidth();
  const double height = box.ScaleHeight();
  TitleSampleFit fit;
  fit.fontSize = kLargestSampleTitleSize + 1;
  do {
    --fit.fontSize;
    box.FontSize = fit.fontSize;
    fit.textWidth = box.TextWidth(title);
    fit.textHeight = box.TextHeight(title);
  } while (!(fit.textWidth < 0.9 * width && fit.textHeight < height) &&
           fit.fontSize > kSmallestSampleTitleSize);

  fit.x = (width - fit.textWidth) / 2;
  fit.y = (height - fit.textHeight) / 2;

  if (look.TitleShadow) {
    const double depth = fit.textHeight / 16;
    const double step = std::floor(depth / 10);
    if (step > 0) {
      box.ForeColor = look.TitleShadowColour;
      for (double k = depth; k >= 0; k -= step) {
        box.CurrentX = fit.x + k;
        box.CurrentY = fit.y + k;
        box.Print(title);
      }
    }
  }
  box.ForeColor = look.TitleColour;
  box.CurrentX = fit.x;
  box.CurrentY = fit.y;
  box.Print(title);
  return fit;
}

}  // namespace orsalimbra::render
