#include <gtest/gtest.h>

#include "page_fixture.h"
#include "render/moon_look.h"
#include "render/moon_mark.h"

namespace orsalimbra::render::testing {
namespace {

constexpr Colour kOchre = Rgb(144, 103, 18);
constexpr Colour kCrimson = Rgb(231, 18, 97);
constexpr Colour kYellow = Rgb(255, 255, 0);
constexpr const char* kDay = "15/03/2024 12:00";

struct MoonFixture : PageFixture {
  MoonFixture() {
    choices.moonLook =
        MoonLookFor(MoonCode::OchreYellowQuarters);  // ochre on yellow, quarters marked
    choices.LayoutType = core::LayoutCode::Weekly;
    dateText = "15/03/2024";
    surface.CurrentX = 1000;
    surface.CurrentY = 2000;
    surface.FontSize = 12;
  }
  std::vector<Op> Circles() const { return surface.opsOf(Kind::Circle); }
};

TEST(MoonLook, StylesPairOutlineFillAndQuarters) {
  struct Row {
    int style;
    MoonLook look;
  };
  const Row rows[] = {
      {0, {MoonCode{0}, kWhite, kWhite, false}},    {1, {MoonCode{1}, kOchre, kYellow, true}},
      {2, {MoonCode{2}, kCrimson, kYellow, true}},  {3, {MoonCode{3}, kOchre, kWhite, true}},
      {4, {MoonCode{4}, kCrimson, kWhite, true}},   {5, {MoonCode{5}, kOchre, kYellow, false}},
      {6, {MoonCode{6}, kCrimson, kYellow, false}}, {7, {MoonCode{7}, kOchre, kWhite, false}},
      {8, {MoonCode{8}, kCrimson, kWhite, false}},  {9, {MoonCode{0}, kWhite, kWhite, false}},
      {-1, {MoonCode{0}, kWhite, kWhite, false}},
  };
  for (const Row& row : rows) {
    const MoonLook look = MoonLookFor(MoonCode{row.style});
    EXPECT_EQ(look.MoonStyle, row.look.MoonStyle) << row.style;
    EXPECT_EQ(look.MoonLineColour, row.look.MoonLineColour) << row.style;
    EXPECT_EQ(look.MoonFillColour, row.look.MoonFillColour) << row.style;
    EXPECT_EQ(look.MoonDetail, row.look.MoonDetail) << row.style;
  }
}

TEST(MoonMark, NewMoonIsAnUnfilledCircle) {
  MoonFixture f;
  f.st.moonTable.NewMoons[2] = "15/03/2024 06:41";
  f.MoonMark();
  const auto circles = f.Circles();
  ASSERT_EQ(circles.size(), 1u);
  EXPECT_EQ(circles[0].x, 1140);
  EXPECT_EQ(circles[0].y, 2140);
  EXPECT_EQ(circles[0].radius, 90);
  EXPECT_FALSE(circles[0].start.has_value());
  EXPECT_EQ(circles[0].fillStyle, kFillTransparent);
  EXPECT_EQ(circles[0].drawWidth, 3);
  EXPECT_EQ(circles[0].colour, kOchre);
  EXPECT_TRUE(f.surface.opsOf(Kind::Text).empty());  // no time outside half-year pages
  EXPECT_EQ(f.surface.CurrentX, 1000);
  EXPECT_EQ(f.surface.CurrentY, 2000);
  EXPECT_EQ(f.surface.FillStyle, kFillTransparent);
}

TEST(MoonMark, FullMoonIsAFilledFaceScaledWithTheFont) {
  MoonFixture f;
  f.st.FontScale = 1.98;
  f.st.moonTable.FullMoons[0] = "15/03/2024 23:59";
  f.MoonMark();
  const auto c = f.Circles();
  ASSERT_EQ(c.size(), 5u);
  const double s = 1.98, cx = 1000 + 140 * s, cy = 2000 + 140 * s;
  struct Arc {
    double x, y, r;
    std::optional<double> start, end;
  };
  const Arc expected[] = {{cx, cy, 90 * s, {}, {}},
                          {cx, cy, 60 * s, 3.5, 6.02},
                          {cx, cy, 55 * s, 0.6, 1.1},
                          {cx, cy, 55 * s, 2.04, 2.54},
                          {cx, cy - 25 * s, 55 * s, 4.5, -5.0}};
  for (std::size_t i = 0; i < 5; ++i) {
    EXPECT_DOUBLE_EQ(c[i].x, expected[i].x) << i;
    EXPECT_DOUBLE_EQ(c[i].y, expected[i].y) << i;
    EXPECT_DOUBLE_EQ(c[i].radius, expected[i].r) << i;
    EXPECT_EQ(c[i].start, expected[i].start) << i;
    EXPECT_EQ(c[i].end, expected[i].end) << i;
    EXPECT_EQ(c[i].drawWidth, 6) << i;  // 3 x 1.98 rounded
  }
  EXPECT_EQ(c[0].fillStyle, kFillSolid);
  EXPECT_EQ(c[0].fillColor, kYellow);
  EXPECT_EQ(f.surface.FillStyle, kFillTransparent);
  EXPECT_EQ(f.surface.DrawWidth, 6);  // left at the symbol's width
}

TEST(MoonMark, QuartersArePiesClosedByRadiusLines) {
  MoonFixture f;
  f.st.moonTable.FirstQuarters[1] = "15/03/2024 10:00";
  f.MoonMark();
  f.st.moonTable = {};
  f.st.moonTable.LastQuarters[3] = "15/03/2024 10:00";
  f.MoonMark();
  const auto c = f.Circles();
  ASSERT_EQ(c.size(), 2u);
  EXPECT_EQ(c[0].x, 1130);
  EXPECT_DOUBLE_EQ(*c[0].start, -1.4 * 3.1416);
  EXPECT_DOUBLE_EQ(*c[0].end, -0.6 * 3.1416);
  EXPECT_EQ(c[1].x, 1150);
  EXPECT_DOUBLE_EQ(*c[1].start, -0.4 * 3.1416);
  EXPECT_DOUBLE_EQ(*c[1].end, -1.6 * 3.1416);
  for (const Op& pie : c) {
    EXPECT_EQ(pie.y, 2140);
    EXPECT_EQ(pie.radius, 90);
    EXPECT_EQ(pie.fillStyle, kFillSolid);
  }
}

TEST(MoonMark, TheFirstPhaseSlotBySlotIsTheOnlySymbol) {
  // Phases on the day: kind ('N'ew, 'F'ull, 'f'irst or 'l'ast quarter) and slot.
  struct Row {
    const char* name;
    int style;
    std::vector<std::pair<char, std::size_t>> phases;
    std::size_t circles;  // 1: new moon or quarter, 5: full moon, 0: nothing
  };
  const Row rows[] = {
      {"full in slot 0 beats new in slot 1", 1, {{'F', 0}, {'N', 1}}, 5},
      {"new beats full in the same slot", 1, {{'F', 1}, {'N', 1}}, 1},
      {"a quarter in slot 0 beats a full moon in slot 1", 1, {{'l', 0}, {'F', 1}}, 1},
      {"without detail quarters are skipped", 5, {{'f', 0}, {'F', 1}}, 5},
      {"without detail a quarter alone draws nothing", 5, {{'l', 2}}, 0},
      {"a day without a phase draws nothing", 1, {}, 0},
  };
  for (const Row& row : rows) {
    MoonFixture f;
    f.choices.moonLook = MoonLookFor(MoonCode{row.style});
    core::MoonPhaseTable& t = f.st.moonTable;
    t.NewMoons[3] = "16/03/2024 12:00";  // the next day never matches
    for (const auto& [kind, slot] : row.phases) {
      auto& kinds = kind == 'N'   ? t.NewMoons
                    : kind == 'F' ? t.FullMoons
                    : kind == 'f' ? t.FirstQuarters
                                  : t.LastQuarters;
      kinds[slot] = kDay;
    }
    f.MoonMark();
    EXPECT_EQ(f.Circles().size(), row.circles) << row.name;
    EXPECT_EQ(f.surface.CurrentX, 1000) << row.name;
    EXPECT_EQ(f.surface.CurrentY, 2000) << row.name;
    EXPECT_EQ(f.surface.FillStyle, kFillTransparent) << row.name;
  }
}

TEST(MoonMark, WhiteFillLeavesSymbolsUnfilled) {
  MoonFixture f;
  f.choices.moonLook = MoonLookFor(MoonCode::CrimsonWhiteQuarters);
  f.st.moonTable.FullMoons[0] = "15/03/2024 10:00";
  f.MoonMark();
  f.st.moonTable = {};
  f.st.moonTable.FirstQuarters[0] = "15/03/2024 10:00";
  f.MoonMark();
  for (const Op& c : f.Circles()) {
    EXPECT_EQ(c.fillStyle, kFillTransparent);
    EXPECT_EQ(c.colour, kCrimson);
  }
}

TEST(MoonMark, HalfYearPagesWriteTheTimeAboveRight) {
  MoonFixture f;
  f.choices.LayoutType = core::LayoutCode::Semester;
  f.st.moonTable.NewMoons[0] = "15/03/2024 06:41";
  f.MoonMark();
  const auto texts = f.surface.opsOf(Kind::Text);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].text, "06:41");
  EXPECT_EQ(texts[0].x, 1040);
  EXPECT_EQ(texts[0].y, 1960);
  EXPECT_EQ(texts[0].fontSize, 4);
  EXPECT_EQ(texts[0].colour, kOchre);
  EXPECT_EQ(f.surface.FontSize, 12);
  EXPECT_EQ(f.surface.CurrentX, 1000);
  EXPECT_EQ(f.surface.CurrentY, 2000);
}

TEST(MoonMark, StyleZeroLeavesTheSurfaceUntouched) {
  MoonFixture f;
  f.choices.moonLook = MoonLookFor(MoonCode::None);
  f.st.moonTable.NewMoons[0] = "15/03/2024 06:41";
  f.surface.ForeColor = kBlue;
  f.surface.FillColor = kRed;
  f.surface.FillStyle = kFillSolid;
  f.MoonMark();
  EXPECT_TRUE(f.surface.ops().empty());
  EXPECT_EQ(f.surface.ForeColor, kBlue);
  EXPECT_EQ(f.surface.FillColor, kRed);
  EXPECT_EQ(f.surface.FillStyle, kFillSolid);
}

}  // namespace
}  // namespace orsalimbra::render::testing
