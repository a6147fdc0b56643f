#include <gtest/gtest.h>

#include "page_fixture.h"
#include "render/semester_page.h"

namespace orsalimbra::render::testing {
namespace {

TEST(Backgrounds, OwnFilesBeforeTheCommonOneAndBitmapsBeforeJpeg) {
  struct Row {
    std::set<std::string> files;
    const char* first;
    const char* second;
  };
  const Row rows[] = {
      {{"Sfondo.jpg", "Sfondo2.bmp"}, "Sfondo.jpg", "Sfondo2.bmp"},
      {{"Sfondo1.bmp", "Sfondo1.jpg"}, "Sfondo1.bmp", "Sfondo1.bmp"},
      {{"Sfondo.bmp", "Sfondo1.jpg", "Sfondo2.jpg"}, "Sfondo1.jpg", "Sfondo2.jpg"},
      {{"Sfondo.jpg", "Sfondo.bmp"}, "Sfondo.bmp", "Sfondo.bmp"},
      {{"Sfondo2.jpg"}, "", "Sfondo2.jpg"},
      {{}, "", ""},
  };
  for (const Row& row : rows) {
    PageFixture f;
    f.choices.programFolder = "/prog";
    for (const std::string& name : row.files) f.files.insert("/prog/" + name);
    f.st.FirstHalfBackground = f.st.SecondHalfBackground = "stale.bmp";
    SelectBackgrounds(f.in, f.st);
    EXPECT_EQ(f.st.FirstHalfBackground, row.first);
    EXPECT_EQ(f.st.SecondHalfBackground, row.second);
  }
}

TEST(Backgrounds, PictureIsFittedToThePageAndCentred) {
  struct Row {
    double w, h;
    double x, y, width, height;
  };
  for (const Row& row :
       {Row{4000, 2000, 0, 4750, 11000, 5500}, Row{2000, 4000, 1750, 0, 7500, 15000}}) {
    PageFixture f(11000, 15000);
    f.surface.AddPicture("/bg.jpg", row.w, row.h);
    EXPECT_TRUE(DrawFittedPicture(f.surface, f.choices.metrics, f.st, "/bg.jpg"));
    const auto pictures = f.surface.opsOf(Kind::Picture);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0].x, row.x);
    EXPECT_EQ(pictures[0].y, row.y);
    EXPECT_EQ(pictures[0].x2, row.width);
    EXPECT_EQ(pictures[0].y2, row.height);
  }
  PageFixture f;
  EXPECT_FALSE(DrawFittedPicture(f.surface, f.choices.metrics, f.st, "/unreadable.jpg"));
  EXPECT_TRUE(f.surface.ops().empty());
}

// A4's printable area: the title band keeps its 2300 twips above the rows.
struct SemesterFixture : PageFixture {
  SemesterFixture() : PageFixture(kA4PrintableWidth, 16440) {
    choices.LayoutType = core::LayoutCode::Semester;
    st.MonthStart = Date(2023, 12, 1);
    choices.programFolder = "/prog";
    st.CurrentBackground = "Sfondo.jpg";
    surface.AddPicture("/prog/Sfondo.jpg", 4000, 2000);
  }
};

TEST(SemesterPage, EightMonthsInRowsOfTwoFramedByGreyOnes) {
  SemesterFixture f;
  PrintSemesterPage(f.surface, f.in, f.st);
  ASSERT_FALSE(f.surface.ops().empty());
  EXPECT_EQ(f.surface.ops()[0].kind, Kind::Picture);  // behind everything
  EXPECT_EQ(f.surface.ops()[0].y, 5345);              // (16440 - 5750) / 2
  EXPECT_EQ(f.OnlyText("Almanacco 2024").kind, Kind::Text);

  const char* headings[] = {"12 - Dicembre 2023", "01 - Gennaio 2024", "02 - Febbraio 2024",
                            "03 - Marzo 2024",    "04 - Aprile 2024",  "05 - Maggio 2024",
                            "06 - Giugno 2024",   "07 - Luglio 2024"};
  std::vector<std::string> drawn;
  for (const Op& op : f.surface.opsOf(Kind::Text)) {
    if (op.text.find(" - ") == 2) drawn.push_back(op.text);
  }
  EXPECT_EQ(drawn, std::vector<std::string>(std::begin(headings), std::end(headings)));
  // Rows start below the 2300-twip band after a 6-point gap; a block is
  // 288 + 144 + 288 + 6 x 432 = 3312 high.
  for (int i = 0; i < 8; ++i) {
    const Op op = f.OnlyText(headings[i]);
    EXPECT_EQ(op.x, i % 2 == 0 ? 360 : 6050) << headings[i];
    EXPECT_EQ(op.y, 2300 + 144 + (i / 2) * (3312 + 144)) << headings[i];
    EXPECT_EQ(op.colour, i == 0 || i == 7 ? kOutsideMonthGrey : kBlack) << headings[i];
  }
  EXPECT_EQ(f.progress.steps, 31 + 31 + 29 + 31 + 30 + 31 + 30 + 31);
  EXPECT_EQ(f.st.MonthStart, Date(2024, 8, 1));
}

TEST(SemesterPage, HashTitleAndNoBackground) {
  SemesterFixture f;
  f.year.CurrentTitle = "#Kalender";
  f.st.CurrentBackground.clear();
  PrintSemesterPage(f.surface, f.in, f.st);
  EXPECT_TRUE(f.surface.opsOf(Kind::Picture).empty());
  EXPECT_EQ(f.OnlyText("2024 Kalender").page, 0);
  EXPECT_EQ(f.st.TitleTop, 0);
  EXPECT_EQ(f.st.TitleHeight, 2300);
}

}  // namespace
}  // namespace orsalimbra::render::testing
