// The main window's samples drawn on the recording surface: the title fit
// and its shadow pile, the moon symbols, the cover miniature's plan and title.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/cover_preview.h"
#include "render/moon_sample.h"
#include "render/scale_colour.h"
#include "render/title_sample.h"
#include "support/recording_surface.h"

namespace orsalimbra::render {
namespace {

using Kind = RecordingSurface::Kind;

TEST(ScaleColourTest, ScalesEachChannelAndClampsOnlyWhenGrowing) {
  struct Case {
    const char* name;
    Colour colour;
    double factor;
    Colour expected;
  };
  const Case cases[] = {
      {"default title colour halved", Rgb(255, 210, 30), 0.5, Rgb(127, 105, 15)},
      {"white halved", kWhite, 0.5, Rgb(127, 127, 127)},
      {"white doubled stays white", kWhite, 2, kWhite},
      {"doubling clamps per channel", Rgb(100, 200, 10), 2, Rgb(200, 255, 20)},
      {"the system-colour bit is ignored", 0x80000000u | Rgb(10, 20, 30), 1, Rgb(10, 20, 30)},
      {"factor zero is black", Rgb(1, 2, 3), 0, kBlack},
      {"a negative factor stays a colour", Rgb(50, 50, 50), -1, kBlack},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ScaleColour(c.colour, c.factor), c.expected) << c.name;
  }
}

TitleLook Look(bool shadow) {
  TitleLook look;
  look.TitleColour = Rgb(255, 210, 30);
  look.TitleShadowColour = Rgb(127, 105, 15);
  look.TitleFont = "Times";
  look.TitleBold = true;
  look.TitleItalic = true;
  look.TitleShadow = shadow;
  return look;
}

// The recording surface measures FontSize x 10 per character and FontSize x
// 24 per line. A 5505 x 855 box fits a height below 855 from 35 points down
// (34 x 24 = 816).
TEST(TitleSampleTest, FitsTheLargestSizeBelowTheBoxAndCentresIt) {
  RecordingSurface box(5505, 855);
  const TitleSampleFit fit = DrawTitleSample(box, Look(false), "Almanacco 2026");
  EXPECT_EQ(fit.fontSize, 35);  // 35 x 24 = 840 < 855; 14 chars x 350 = 4900 < 4954.5
  EXPECT_DOUBLE_EQ(fit.x, (5505 - 4900) / 2.0);
  EXPECT_DOUBLE_EQ(fit.y, (855 - 840) / 2.0);
  ASSERT_EQ(box.ops().front().kind, Kind::Cls);
  const auto texts = box.opsOf(Kind::Text);
  ASSERT_EQ(texts.size(), 1u);  // no shadow: one copy
  EXPECT_EQ(texts[0].fontName, "Times");
  EXPECT_TRUE(texts[0].bold);
  EXPECT_TRUE(texts[0].italic);
  EXPECT_EQ(texts[0].colour, Rgb(255, 210, 30));
  EXPECT_DOUBLE_EQ(texts[0].x, fit.x);
}

TEST(TitleSampleTest, ALongTitleShrinksBelowNinetyPercentOfTheWidth) {
  RecordingSurface box(5505, 855);
  const std::string title(40, 'x');  // 400 x size must stay below 4954.5
  const TitleSampleFit fit = DrawTitleSample(box, Look(false), title);
  EXPECT_EQ(fit.fontSize, 12);
  EXPECT_LT(fit.textWidth, 0.9 * 5505);
}

TEST(TitleSampleTest, ATitleThatNeverFitsStopsAtTheSmallestSize) {
  RecordingSurface box(100, 10);
  const TitleSampleFit fit = DrawTitleSample(box, Look(false), "Calendario 2026");
  EXPECT_EQ(fit.fontSize, kSmallestSampleTitleSize);
  EXPECT_EQ(box.opsOf(Kind::Text).size(), 1u);
}

TEST(TitleSampleTest, ShadowCopiesPileFromTheDepthTowardsTheTitleDrawnLast) {
  RecordingSurface box(5505, 855);
  const TitleSampleFit fit = DrawTitleSample(box, Look(true), "Almanacco 2026");
  // Depth 840 / 16 = 52.5, step 5: copies at 52.5, 47.5, ..., 2.5.
  const auto texts = box.opsOf(Kind::Text);
  ASSERT_EQ(texts.size(), 12u);
  for (std::size_t i = 0; i + 1 < texts.size(); ++i) {
    const double k = 52.5 - 5.0 * static_cast<double>(i);
    EXPECT_DOUBLE_EQ(texts[i].x, fit.x + k) << i;
    EXPECT_DOUBLE_EQ(texts[i].y, fit.y + k) << i;
    EXPECT_EQ(texts[i].colour, Rgb(127, 105, 15)) << i;
  }
  EXPECT_DOUBLE_EQ(texts.back().x, fit.x);
  EXPECT_DOUBLE_EQ(texts.back().y, fit.y);
  EXPECT_EQ(texts.back().colour, Rgb(255, 210, 30));
}

TEST(TitleSampleTest, AShadowTooShallowForAStepOfOneIsLeftOut) {
  // Text 144 high (6 points) in a box 150 high: depth 9, step 0.
  RecordingSurface box(5000, 150);
  DrawTitleSample(box, Look(true), "Almanacco 2026");
  EXPECT_EQ(box.opsOf(Kind::Text).size(), 1u);
}

TEST(MoonSampleTest, DrawsTheFaceAndOnlyWithDetailTheLastQuarter) {
  for (const bool detail : {false, true}) {
    RecordingSurface box(740, 400);
    const MoonLook look{MoonCode::CrimsonYellowQuarters, Rgb(231, 18, 97), Rgb(255, 255, 0),
                        detail};
    DrawMoonSample(box, look, 400);
    const auto circles = box.opsOf(Kind::Circle);
    ASSERT_EQ(circles.size(), detail ? 6u : 5u);
    // The disc: a full circle filled with the fill colour.
    EXPECT_DOUBLE_EQ(circles[0].x, 200);
    EXPECT_DOUBLE_EQ(circles[0].y, 200);
    EXPECT_DOUBLE_EQ(circles[0].radius, kMoonSampleRadius);
    EXPECT_FALSE(circles[0].start.has_value());
    EXPECT_EQ(circles[0].fillStyle, kFillSolid);
    EXPECT_EQ(circles[0].fillColor, Rgb(255, 255, 0));
    // The nose, 30 above the centre, with a radius line at its end.
    EXPECT_DOUBLE_EQ(circles[4].y, 170);
    EXPECT_DOUBLE_EQ(*circles[4].end, -5.0);
    for (const auto& c : circles) EXPECT_EQ(c.colour, Rgb(231, 18, 97));
    if (detail) {
      EXPECT_DOUBLE_EQ(circles[5].x, 600);
      EXPECT_LT(*circles[5].start, 0);  // both radius lines: a filled pie
      EXPECT_LT(*circles[5].end, 0);
    }
    EXPECT_EQ(box.FillStyle, kFillTransparent);
  }
}

TEST(CoverPreviewTest, PlanForEachStyleLayoutAndPhoto) {
  struct Case {
    const char* name;
    int style, layout;
    bool photo;
    CoverBackground background;
    bool title;
    CoverPrinting printing;
    bool becomesNone;
  };
  using B = CoverBackground;
  using P = CoverPrinting;
  const Case cases[] = {
      {"no cover style", 0, 1, true, B::NoCover, false, P::Disable, false},
      {"semester layout hides any style", 2, 0, true, B::NoCover, false, P::Disable, false},
      {"layout code not a number", 2, -1, false, B::NoCover, false, P::Disable, false},
      {"title on white", 1, 1, false, B::White, true, P::Enable, false},
      {"title on the photo", 3, 2, true, B::Photo, true, P::Enable, false},
      {"photo alone", 4, 1, true, B::Photo, false, P::Unchanged, false},
      {"photo alone without a photo", 4, 2, false, B::NoCover, false, P::Disable, true},
      {"a style beyond the table", 7, 1, false, B::White, false, P::Unchanged, false},
  };
  for (const Case& c : cases) {
    const CoverPreviewPlan plan =
        PlanCoverPreview(CoverCode{c.style}, core::LayoutCode{c.layout}, c.photo);
    EXPECT_EQ(plan.background, c.background) << c.name;
    EXPECT_EQ(plan.drawsTitle, c.title) << c.name;
    EXPECT_EQ(plan.printing, c.printing) << c.name;
    EXPECT_EQ(plan.styleBecomesNone, c.becomesNone) << c.name;
  }
}

TEST(CoverPreviewTest, TitlePositionByStyleWithTheShadowPiledUnderIt) {
  // 7-point text: 70 per character, 168 high; the shadow is 168 / 8 = 21 deep.
  const double height = 1515;
  const std::string title = "Almanacco 2026";
  const double x = (1155 - 14 * 70) / 2.0;
  const double expectedY[] = {0, height / 10, 0.45 * height, height - 2 * height / 10};
  for (int style = 1; style <= 3; ++style) {
    RecordingSurface box(1155, height);
    DrawCoverPreviewTitle(box, CoverCode{style}, title, Look(true));
    const auto texts = box.opsOf(Kind::Text);
    ASSERT_EQ(texts.size(), 23u) << style;  // k = 21 .. 0, then the title
    EXPECT_DOUBLE_EQ(texts.front().x, x + 21) << style;
    EXPECT_DOUBLE_EQ(texts.front().y, expectedY[style] + 21) << style;
    EXPECT_EQ(texts.front().colour, Rgb(127, 105, 15));
    EXPECT_DOUBLE_EQ(texts.back().x, x) << style;
    EXPECT_DOUBLE_EQ(texts.back().y, expectedY[style]) << style;
    EXPECT_EQ(texts.back().colour, Rgb(255, 210, 30));
    // The miniature's own font, whatever the title font.
    EXPECT_EQ(texts.back().fontName, "Arial");
    EXPECT_EQ(texts.back().fontSize, 7);
    EXPECT_TRUE(texts.back().bold);
  }
}

TEST(CoverPreviewTest, NoTitleWithoutShadowIsOneCopyAndOtherStylesDrawNothing) {
  RecordingSurface plain(1155, 1515);
  DrawCoverPreviewTitle(plain, CoverCode::TitleMiddle, "x", Look(false));
  EXPECT_EQ(plain.opsOf(Kind::Text).size(), 1u);
  for (const int style : {0, 4, 5}) {
    RecordingSurface box(1155, 1515);
    DrawCoverPreviewTitle(box, CoverCode{style}, "x", Look(true));
    EXPECT_TRUE(box.ops().empty()) << style;
  }
}

}  // namespace
}  // namespace orsalimbra::render
