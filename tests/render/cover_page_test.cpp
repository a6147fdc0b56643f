#include <gtest/gtest.h>

#include "page_fixture.h"
#include "render/cover_page.h"
#include "render/credits.h"

namespace orsalimbra::render::testing {
namespace {

struct CoverFixture : PageFixture {
  CoverFixture() : PageFixture(11000, 16000) {
    year.PhotoPaths[0] = "/pics/cover.jpg";
    surface.AddPicture("/pics/cover.jpg", 3000, 1000);
  }
};

TEST(Cover, TitleBoxByStyle) {
  struct Row {
    CoverCode style;
    double top;
  };
  for (const Row& row : {Row{CoverCode::TitleTop, 1000}, Row{CoverCode::TitleMiddle, 7000},
                         Row{CoverCode::TitleBottom, 13000}}) {
    CoverFixture f;
    f.choices.CoverStyle = row.style;
    PrintCover(f.surface, f.in, f.st);
    EXPECT_EQ(f.st.TitleHeight, 2000);
    EXPECT_EQ(f.st.TitleTop, row.top);
    EXPECT_TRUE(f.surface.opsOf(Kind::Picture).empty());  // the year model has none
    const Op title = f.OnlyText("Almanacco 2024");
    EXPECT_EQ(title.y, f.st.BoxTop);
    EXPECT_GE(title.y, row.top);
    EXPECT_LE(title.y + f.st.TitleTextHeight, row.top + 2000);
  }
}

TEST(Cover, PictureIsStretchedOverThePage) {
  for (CoverCode style : {CoverCode::TitleMiddle, CoverCode::PictureOnly}) {
    CoverFixture f;
    f.year.HasCoverPhoto = true;
    f.choices.CoverStyle = style;
    f.choices.coverFit = CoverFit::Stretch;
    PrintCover(f.surface, f.in, f.st);
    const auto pictures = f.surface.opsOf(Kind::Picture);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0].x, 0);
    EXPECT_EQ(pictures[0].y, 0);
    EXPECT_EQ(pictures[0].x2, 11000);
    EXPECT_EQ(pictures[0].y2, 16000);
    EXPECT_TRUE(pictures[0].part.Whole());
    EXPECT_EQ(f.surface.opsOf(Kind::Text).size(), style == CoverCode::PictureOnly ? 0u : 1u);
  }
}

// The picture keeps its shape: it fills the box with its middle, or it is
// shown whole on white, in the middle of the box.
TEST(Cover, PlacementKeepsThePictureShapeAroundTheCentre) {
  struct Row {
    const char* name;
    double pictureWidth, pictureHeight, boxWidth, boxHeight;
    CoverFit fit;
    PicturePlacement expected;
  };
  const Row rows[] = {
      {"landscape filling a portrait page",
       3000,
       2000,
       1000,
       1500,
       CoverFit::Fill,
       {0, 0, 1000, 1500, {(1 - 4.0 / 9) / 2, 0, 4.0 / 9, 1}}},
      {"portrait filling a square",
       2000,
       3000,
       1000,
       1000,
       CoverFit::Fill,
       {0, 0, 1000, 1000, {0, 1.0 / 6, 1, 2.0 / 3}}},
      {"square filling a portrait page",
       1000,
       1000,
       1000,
       1500,
       CoverFit::Fill,
       {0, 0, 1000, 1500, {1.0 / 6, 0, 2.0 / 3, 1}}},
      {"the page's own shape", 2000, 3000, 1000, 1500, CoverFit::Fill, {0, 0, 1000, 1500, {}}},
      {"landscape whole on a portrait page",
       3000,
       2000,
       1000,
       1500,
       CoverFit::Whole,
       {0, 1500 / 2.0 - 1000 / 3.0, 1000, 2000 / 3.0, {}}},
      {"portrait whole in a square",
       2000,
       3000,
       1000,
       1000,
       CoverFit::Whole,
       {1000 / 6.0, 0, 2000 / 3.0, 1000, {}}},
      {"stretched", 3000, 2000, 1000, 1500, CoverFit::Stretch, {0, 0, 1000, 1500, {}}},
      {"a fit no version knows fills",
       1000,
       1000,
       1000,
       1500,
       CoverFit{7},
       {0, 0, 1000, 1500, {1.0 / 6, 0, 2.0 / 3, 1}}},
      {"a picture without size is stretched",
       0,
       2000,
       1000,
       1500,
       CoverFit::Fill,
       {0, 0, 1000, 1500, {}}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const PicturePlacement p = PlaceCoverPicture(row.pictureWidth, row.pictureHeight, row.boxWidth,
                                                 row.boxHeight, row.fit);
    EXPECT_NEAR(p.x, row.expected.x, 1e-9);
    EXPECT_NEAR(p.y, row.expected.y, 1e-9);
    EXPECT_NEAR(p.width, row.expected.width, 1e-9);
    EXPECT_NEAR(p.height, row.expected.height, 1e-9);
    EXPECT_NEAR(p.part.left, row.expected.part.left, 1e-9);
    EXPECT_NEAR(p.part.top, row.expected.part.top, 1e-9);
    EXPECT_NEAR(p.part.width, row.expected.part.width, 1e-9);
    EXPECT_NEAR(p.part.height, row.expected.part.height, 1e-9);
    // Centred, and undistorted unless stretched.
    EXPECT_NEAR(p.part.left + p.part.width / 2, 0.5, 1e-9);
    EXPECT_NEAR(p.part.top + p.part.height / 2, 0.5, 1e-9);
    EXPECT_NEAR(p.x + p.width / 2, row.boxWidth / 2, 1e-9);
    EXPECT_NEAR(p.y + p.height / 2, row.boxHeight / 2, 1e-9);
    if (row.fit != CoverFit::Stretch && row.pictureWidth > 0) {
      EXPECT_NEAR((p.part.width * row.pictureWidth) / (p.part.height * row.pictureHeight),
                  p.width / p.height, 1e-9);
    }
  }
}

TEST(Cover, PictureFillsThePageCroppedByDefault) {
  CoverFixture f;  // a 3000 x 1000 picture on an 11000 x 16000 page
  f.year.HasCoverPhoto = true;
  f.choices.CoverStyle = CoverCode::TitleTop;
  PrintCover(f.surface, f.in, f.st);
  const auto pictures = f.surface.opsOf(Kind::Picture);
  ASSERT_EQ(pictures.size(), 1u);
  EXPECT_EQ(pictures[0].x2, 11000);
  EXPECT_EQ(pictures[0].y2, 16000);
  const double shown = (11000.0 / 16000) / 3;  // of the picture's width
  EXPECT_DOUBLE_EQ(pictures[0].part.width, shown);
  EXPECT_DOUBLE_EQ(pictures[0].part.left, (1 - shown) / 2);
  EXPECT_EQ(pictures[0].part.height, 1);
}

TEST(Cover, HashTitlePutsTheYearFirst) {
  CoverFixture f;
  f.year.CurrentTitle = "#Kalender";
  f.st.CalendarYear = 2002;
  f.choices.CoverStyle = CoverCode::TitleTop;
  PrintCover(f.surface, f.in, f.st);
  EXPECT_EQ(f.surface.texts(), std::vector<std::string>{"2002 Kalender"});
}

TEST(BackCover, NoteSplitsAtTheFirstBackslash) {
  struct Line {
    std::string text;
    bool bold;
  };
  struct Row {
    std::string note;
    std::vector<Line> lines;
  };
  const Row rows[] = {
      {"X\\Y", {{"X", true}, {"Y", false}}},
      {"X\\Y\\Z", {{"X", true}, {"Y\\Z", false}}},
      {"X\\", {{"X", true}}},
      {"Auguri", {{"Auguri", true}}},
      {"", {}},
  };
  for (const Row& row : rows) {
    PageFixture f(11000, 15000);
    f.year.PhotoNotes[0] = row.note;
    f.surface.FontItalic = true;  // as an italic cover title leaves it
    PrintBackCover(f.surface, f.in);
    const auto texts = f.surface.opsOf(Kind::Text);
    ASSERT_EQ(texts.size(), row.lines.size() + 1) << row.note;
    double y = 13500;  // 0.9 of the page
    for (std::size_t i = 0; i < row.lines.size(); ++i) {
      EXPECT_EQ(texts[i].text, row.lines[i].text) << row.note;
      EXPECT_EQ(texts[i].bold, row.lines[i].bold) << row.note;
      EXPECT_FALSE(texts[i].italic) << row.note;
      EXPECT_EQ(texts[i].fontSize, 12) << row.note;
      EXPECT_EQ(texts[i].x, (11000 - 120.0 * row.lines[i].text.size()) / 2) << row.note;
      EXPECT_EQ(texts[i].y, y) << row.note;
      y += 288;
    }
    if (row.lines.empty()) y += 288;  // an empty bold line instead
    const Op& credit = texts.back();
    EXPECT_EQ(credit.text, kCreditLine);
    EXPECT_EQ(credit.fontSize, 9);
    EXPECT_FALSE(credit.bold);
    EXPECT_FALSE(credit.italic);
    EXPECT_EQ(credit.y, y + 9 * 24) << row.note;
    EXPECT_DOUBLE_EQ(credit.x, (11000 - f.surface.TextWidth(kCreditLine)) / 2);
  }
}

// A back-cover line too long for the page shrinks to 6 points and then
// wraps, centred line by line; lines that would not end on the page start
// higher.
TEST(BackCover, LongLinesShrinkWrapAndStayOnThePage) {
  std::string longLine;
  for (int i = 0; i < 40; ++i) longLine += "auguri ";
  PageFixture f(11000, 8000);  // 0.1 of the page is too little for it
  f.year.PhotoNotes[0] = longLine + "\\" + longLine + longLine;
  PrintBackCover(f.surface, f.in);
  const auto texts = f.surface.opsOf(Kind::Text);
  std::string all;
  for (const Op& op : texts) {
    const double width = f.surface.TextWidth(op.text) / f.surface.FontSize * op.fontSize;
    EXPECT_GE(op.x, 0) << op.text;
    EXPECT_LE(op.x + width, 11000) << op.text;
    EXPECT_NEAR(op.x, (11000 - width) / 2, 1e-9) << op.text;
    EXPECT_LE(op.y + op.fontSize * 24, 8000) << op.text;
    if (op.text != kCreditLine) all += " " + op.text;
  }
  EXPECT_EQ(Words(all), Words(longLine + " " + longLine + longLine));
  // Both lines wrap: the bold one onto two lines, the regular one, twice as
  // long, onto three below 6 points.
  ASSERT_EQ(texts.size(), 2u + 3u + 1u);
  for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(texts[i].bold, i < 2) << i;
  EXPECT_LT(texts[0].fontSize, 12);
  EXPECT_GE(texts[0].fontSize, 6);
  EXPECT_LT(texts[2].fontSize, 6);
  EXPECT_LT(texts[0].y, 7200);  // higher than 0.9 of the page
  EXPECT_EQ(texts.back().text, kCreditLine);
  EXPECT_DOUBLE_EQ(texts.back().y + 9 * 24, 8000);
}

}  // namespace
}  // namespace orsalimbra::render::testing
