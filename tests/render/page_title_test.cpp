#include <gtest/gtest.h>

#include <functional>

#include "page_fixture.h"
#include "render/page_title.h"

namespace orsalimbra::render::testing {
namespace {

// Records the sizes the fit tries and can replace the line height.
class FitSurface : public RecordingSurface {
 public:
  using RecordingSurface::RecordingSurface;
  double TextHeight(std::string_view text) override {
    tried.push_back(static_cast<int>(FontSize));
    return height ? height(FontSize) : RecordingSurface::TextHeight(text);
  }
  std::vector<int> tried;
  std::function<double(double)> height;
};

struct TitleFixture {
  TitleFixture() {
    choices.metrics = {11000, 15000, 8800, 200, 480, 760};
    choices.titleLook = {kRed, Rgb(127, 0, 0), "Courier New", true, true, false};
    st.TitleTop = 1000;
    st.TitleHeight = 5000;
    st.CoverTitle = "T";
  }
  FitSurface surface;
  core::YearModel year;
  PrintChoices choices;
  PageInputs in{year, choices};
  PageState st{in};
};

TEST(PageTitle, ShrinksBySixteenthsUntilTheHeightFits) {
  TitleFixture f;
  DrawPageTitle(f.surface, f.choices.titleLook, f.choices.metrics, f.st);
  // 24 twips of line per point: 201 is the first size at most 5000 high.
  ASSERT_GE(f.surface.tried.size(), 6u);
  const std::vector<int> fit(f.surface.tried.begin(), f.surface.tried.begin() + 6);
  EXPECT_EQ(fit, (std::vector<int>{281, 263, 246, 230, 215, 201}));
  const auto texts = f.surface.opsOf(Kind::Text);
  ASSERT_EQ(texts.size(), 1u);
  const Op& title = texts[0];
  EXPECT_EQ(title.fontSize, 201);
  EXPECT_EQ(title.fontName, "Courier New");
  EXPECT_TRUE(title.bold);
  EXPECT_TRUE(title.italic);
  EXPECT_EQ(title.colour, kRed);
  // Centred: (11000 - 2010) / 2 = 4495, (5000 - 4824) / 2 + 1000 = 1088.
  EXPECT_EQ(title.x, 4495);
  EXPECT_EQ(title.y, 1088);
  EXPECT_EQ(f.st.TitleFontSize, 201);
  // The next line below the title, in the base font.
  EXPECT_EQ(f.surface.CurrentX, 0);
  EXPECT_EQ(f.surface.CurrentY, 1088 + 4824);
  EXPECT_EQ(f.surface.FontName, kBaseFontName);
}

TEST(PageTitle, AWideTitleIsLimitedByFourFifthsOfThePage) {
  TitleFixture f;
  f.st.CoverTitle = "Almanacco!";  // 10 characters: 100 twips per point
  f.st.TitleHeight = 3000;
  DrawPageTitle(f.surface, f.choices.titleLook, f.choices.metrics, f.st);
  EXPECT_EQ(f.st.TitleFontSize, 84);  // 8400 <= 8800 < 9000 at 90
  EXPECT_EQ(f.st.BoxLeft, 1300);
  EXPECT_EQ(f.st.BoxTop, 1000 + (3000 - 84 * 24) / 2);
}

TEST(PageTitle, ShadowCopiesRunFromASixteenthOfTheHeightBackToZero) {
  TitleFixture f;
  f.choices.titleLook.TitleShadow = true;
  f.st.TitleHeight = 4000;
  f.surface.height = [](double) { return 4000.0; };
  DrawPageTitle(f.surface, f.choices.titleLook, f.choices.metrics, f.st);
  const auto texts = f.surface.opsOf(Kind::Text);
  ASSERT_EQ(texts.size(), 12u);
  const double left = f.st.BoxLeft, top = f.st.BoxTop;
  for (int i = 0; i < 11; ++i) {
    const double k = 250 - 25 * i;
    EXPECT_EQ(texts[i].x, left + k);
    EXPECT_EQ(texts[i].y, top + k);
    EXPECT_EQ(texts[i].colour, Rgb(127, 0, 0));
  }
  EXPECT_EQ(texts[11].x, left);
  EXPECT_EQ(texts[11].y, top);
  EXPECT_EQ(texts[11].colour, kRed);
}

TEST(PageTitle, ATitleBelow160TwipsHasNoShadow) {
  TitleFixture f;
  f.choices.titleLook.TitleShadow = true;
  f.surface.height = [](double) { return 159.0; };
  DrawPageTitle(f.surface, f.choices.titleLook, f.choices.metrics, f.st);
  EXPECT_EQ(f.surface.opsOf(Kind::Text).size(), 1u);
}

TEST(PageTitle, ATitleThatFitsNowhereStopsAtOnePoint) {
  TitleFixture f;
  f.st.TitleHeight = 10;  // even one point is 24 twips high
  DrawPageTitle(f.surface, f.choices.titleLook, f.choices.metrics, f.st);
  EXPECT_EQ(f.surface.tried.back(), kSmallestTitleSize);
  const auto texts = f.surface.opsOf(Kind::Text);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].fontSize, kSmallestTitleSize);
}

TEST(PageTitle, AnEmptyTitleDrawsNothingAndKeepsTheFont) {
  TitleFixture f;
  f.st.CoverTitle.clear();
  f.surface.FontName = "Liberation Serif";
  f.surface.FontSize = 7;
  DrawPageTitle(f.surface, f.choices.titleLook, f.choices.metrics, f.st);
  EXPECT_TRUE(f.surface.ops().empty());
  EXPECT_EQ(f.surface.FontName, "Liberation Serif");
  EXPECT_EQ(f.surface.FontSize, 7);
  EXPECT_FALSE(f.surface.FontBold);
}

TEST(PageTitle, AHashPutsTheYearFirst) {
  EXPECT_EQ(ComposeCalendarTitle("Almanacco", "2026"), "Almanacco 2026");
  EXPECT_EQ(ComposeCalendarTitle("#Kalender", "2026"), "2026 Kalender");
  EXPECT_EQ(ComposeCalendarTitle("", "2026"), " 2026");
}

}  // namespace
}  // namespace orsalimbra::render::testing
