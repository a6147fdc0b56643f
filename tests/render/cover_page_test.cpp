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
    PrintCover(f.surface, f.in, f.st);
    const auto pictures = f.surface.opsOf(Kind::Picture);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0].x, 0);
    EXPECT_EQ(pictures[0].y, 0);
    EXPECT_EQ(pictures[0].x2, 11000);
    EXPECT_EQ(pictures[0].y2, 16000);
    EXPECT_EQ(f.surface.opsOf(Kind::Text).size(), style == CoverCode::PictureOnly ? 0u : 1u);
  }
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

}  // namespace
}  // namespace orsalimbra::render::testing
