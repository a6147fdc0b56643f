// The text fit on the recording surface: a character is size x 10 twips
// wide, a line size x 24 high.
#include "render/text_fit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "page_fixture.h"
#include "support/recording_surface.h"

namespace orsalimbra::render {
namespace {

using testing::Words;

TEST(TextFit, ShrinksThenWrapsThenGoesBelowTheFloor) {
  struct Row {
    const char* name;
    std::vector<TextItem> items;
    double width, height, start, floor;
    int maxLines;
    double size;                     // expected
    std::vector<std::string> lines;  // expected, pieces of a line joined
    bool fits = true;
  };
  const TextItem remark{"(Inizio ora legale)", kRed, 0.8, true};
  const Row rows[] = {
      {"fits at the start size", {{"Natale"}}, 1000, 0, 9, 5, 3, 9, {"Natale"}},
      {"shrinks a point at a time",
       {{"Festa della Repubblica"}},
       1600,
       0,
       9,
       5,
       3,
       7,
       {"Festa della Repubblica"}},
      {"wraps only below the floor, then as large as two lines allow",
       {{"Festa della Repubblica"}},
       1000,
       0,
       9,
       5,
       3,
       9,
       {"Festa della", "Repubblica"}},
      {"breaks at the joint between two names and drops it",
       {{"Tag der Arbeit"}, {"Christi Himmelfahrt"}},
       1400,
       0,
       8,
       5,
       3,
       7,
       {"Tag der Arbeit", "Christi Himmelfahrt"}},
      {"joins names on one line when they fit",
       {{"Tag der Arbeit"}, {"Christi Himmelfahrt"}},
       4000,
       0,
       8,
       5,
       3,
       8,
       {"Tag der Arbeit - Christi Himmelfahrt"}},
      {"a remark keeps its own line and its smaller size",
       {{"Pasqua"}, remark},
       2000,
       0,
       9,
       5,
       3,
       9,
       {"Pasqua", "(Inizio ora legale)"}},
      {"a box too low for two lines shrinks below the floor",
       {{"Festa della Repubblica"}},
       1000,
       200,
       9,
       5,
       3,
       4,
       {"Festa della Repubblica"}},
      {"more lines than allowed shrink below the floor",
       {{"uno due tre quattro cinque sei"}},
       600,
       0,
       8,
       6,
       2,
       3,
       {"uno due tre quattro", "cinque sei"}},
      {"a word wider than the box at any size",
       {{"Donaudampfschifffahrtskapitaen"}},
       100,
       0,
       8,
       5,
       3,
       1,
       {"Donaudampfschifffahrtskapitaen"},
       false},
      {"empty items are left out", {{""}, {"Ferragosto"}}, 2000, 0, 9, 5, 3, 9, {"Ferragosto"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    RecordingSurface s;
    s.FontSize = 20;
    FitRule rule;
    rule.width = row.width;
    rule.height = row.height;
    rule.startSize = row.start;
    rule.floorSize = row.floor;
    rule.maxLines = row.maxLines;
    const FittedText fitted = FitText(s, row.items, rule);
    EXPECT_EQ(s.FontSize, 20);  // the surface's size is left alone
    EXPECT_EQ(fitted.size, row.size);
    EXPECT_EQ(fitted.fits, row.fits);
    std::vector<std::string> lines;
    std::string all;
    for (const TextLine& line : fitted.lines) {
      std::string text;
      for (const TextPiece& piece : line.pieces) text += piece.text;
      lines.push_back(text);
      all += " " + text;
      if (row.fits) {
        EXPECT_LE(line.width, row.width);
      }
    }
    EXPECT_EQ(lines, row.lines);
    if (row.height > 0) {
      EXPECT_LE(fitted.Height(), row.height);
    }
    // Nothing is dropped.
    std::string given;
    for (const TextItem& item : row.items) given += " " + item.text;
    EXPECT_EQ(Words(all), Words(given));
  }
}

TEST(TextFit, PiecesKeepTheirColourSizeAndPlace) {
  RecordingSurface s;
  FitRule rule;
  rule.width = 1000;
  rule.startSize = 8;
  const FittedText fitted = FitText(s, {{" A", kBlack}, {"B", kBlue, 0.8}}, rule);
  ASSERT_EQ(fitted.lines.size(), 1u);
  const TextLine& line = fitted.lines[0];
  ASSERT_EQ(line.pieces.size(), 2u);
  EXPECT_EQ(line.pieces[0].text, " A");
  EXPECT_EQ(line.pieces[0].size, 8);
  EXPECT_EQ(line.pieces[1].text, " - B");
  EXPECT_EQ(line.pieces[1].colour, kBlue);
  EXPECT_EQ(line.pieces[1].size, 6);
  EXPECT_EQ(line.pieces[1].x, 2 * 80);
  // The smaller piece stands lower, near the larger one's baseline.
  EXPECT_DOUBLE_EQ(line.pieces[1].dy, 0.18 * 8 * 24);
  EXPECT_EQ(line.width, 2 * 80 + 4 * 60);
  EXPECT_EQ(line.height, 8 * 24);

  // Drawn piece by piece from the line's left end, line under line.
  const FittedText two = FitText(s, {{"uno"}, {"due", kRed, 1, true}}, rule);
  DrawFittedText(s, two, 500, [](const TextLine& l) { return 1000 - l.width; });
  const auto ops = s.opsOf(RecordingSurface::Kind::Text);
  ASSERT_EQ(ops.size(), 2u);
  EXPECT_EQ(ops[1].text, "due");
  EXPECT_EQ(ops[1].x, 1000 - 3 * 80);
  EXPECT_EQ(ops[1].y, 500 + 8 * 24);
  EXPECT_EQ(ops[1].colour, kRed);
}

TEST(TextFit, LinesAreKeptInsideTheirBox) {
  struct Row {
    double left, width, boxLeft, boxRight, expected;
  };
  for (const Row& row : {Row{100, 50, 0, 1000, 100}, Row{-30, 50, 0, 1000, 0},
                         Row{980, 50, 0, 1000, 950}, Row{-30, 1500, 0, 1000, 0}}) {
    EXPECT_EQ(KeptWithin(row.left, row.width, row.boxLeft, row.boxRight), row.expected)
        << row.left << " " << row.width;
  }
}

}  // namespace
}  // namespace orsalimbra::render
