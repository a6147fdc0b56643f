#include <gtest/gtest.h>

#include "support/recording_surface.h"

using namespace orsalimbra::render;

TEST(RecordingSurface, PrintStaysOrAdvancesTheLine) {
  RecordingSurface s;
  s.FontSize = 10;
  s.CurrentX = 100;
  s.CurrentY = 200;
  s.Print("ab", true);
  EXPECT_EQ(s.CurrentX, 100 + 2 * 100);
  EXPECT_EQ(s.CurrentY, 200);
  s.Print("c");
  EXPECT_EQ(s.CurrentX, 0);
  EXPECT_EQ(s.CurrentY, 200 + 240);
  ASSERT_EQ(s.texts().size(), 2u);
  EXPECT_EQ(s.ops()[1].x, 300);
}

TEST(RecordingSurface, CircleAndLineLeaveTheirPointAsCurrentPosition) {
  RecordingSurface s;
  s.Line(10, 20, 30, 40, kRed);
  EXPECT_EQ(s.CurrentX, 30);
  EXPECT_EQ(s.CurrentY, 40);
  s.Circle(140, 150, 90, kBlue, -1.0, -2.0);
  EXPECT_EQ(s.CurrentX, 140);
  EXPECT_EQ(s.CurrentY, 150);
  const auto circle = s.opsOf(RecordingSurface::Kind::Circle).at(0);
  EXPECT_EQ(*circle.start, -1.0);
  EXPECT_EQ(circle.colour, kBlue);
}
