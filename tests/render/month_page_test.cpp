#include <gtest/gtest.h>

#include "page_fixture.h"
#include "render/month_page.h"
#include "render/moon_look.h"

namespace orsalimbra::render::testing {
namespace {

// A half-year block at GridLeft 360 from Y 3000. With the recording metrics
// (12 points: 120 x 288, 6 points: 144 high) the heading ends at 3288, the
// weekday line at 3432, and the day numbers of row r stand at
// Y 3864 + 432 (r - 1), X 480 + 760 (c - 1).
struct BlockFixture : PageFixture {
  BlockFixture(int y, unsigned m) {
    choices.LayoutType = core::LayoutCode::Semester;
    st.GridLeft = 360;
    st.MonthStart = Date(y, m, 1);
    surface.CurrentY = 3000;
  }
  static double RowY(int row) { return 3864 + 432 * (row - 1); }
  static double CellX(int column) { return 480 + 760 * (column - 1); }
};

void ExpectCell(const PageFixture& f, const std::string& day, int row, int column, Colour colour) {
  const Op op = f.OnlyText(day);
  EXPECT_EQ(op.x, BlockFixture::CellX(column)) << day;
  EXPECT_EQ(op.y, BlockFixture::RowY(row)) << day;
  EXPECT_EQ(op.colour, colour) << day;
  EXPECT_EQ(op.fontSize, 12) << day;
  EXPECT_TRUE(op.bold) << day;
}

TEST(WeeklyGrid, MonthStartingOnMondayFillsTheFirstCell) {
  BlockFixture f(2024, 4);
  f.st.MonthHeadColour = kOutsideMonthGrey;
  PrintMonthPage(f.surface, f.in, f.st, 5000);  // the offset is ignored here

  const Op heading = f.OnlyText("04 - Aprile 2024");
  EXPECT_EQ(heading.x, 360);
  EXPECT_EQ(heading.y, 3000);
  EXPECT_EQ(heading.colour, kOutsideMonthGrey);
  EXPECT_EQ(f.st.MonthHeadColour, kBlack);  // grey for one block only

  const Op monday = f.OnlyText("Lun");
  EXPECT_EQ(monday.x, 400);
  EXPECT_EQ(monday.y, 3432);
  EXPECT_EQ(monday.colour, kBlue);
  const Op sunday = f.OnlyText("Dom");
  EXPECT_EQ(sunday.x, 400 + 6 * 760);
  EXPECT_EQ(sunday.colour, kRed);

  EXPECT_EQ(f.TextOps("  ").size(), 5u + 7u);  // after the 30th
  ExpectCell(f, "01", 1, 1, kBlack);
  ExpectCell(f, "07", 1, 7, kRed);
  ExpectCell(f, "08", 2, 1, kBlack);
  ExpectCell(f, "30", 5, 2, kBlack);
  EXPECT_EQ(f.progress.steps, 30);
  EXPECT_EQ(f.progress.events, 6);
  EXPECT_EQ(f.st.MonthStart, Date(2024, 5, 1));
}

TEST(WeeklyGrid, MonthStartingOnSundayUsesSixRows) {
  BlockFixture f(2024, 9);
  PrintMonthPage(f.surface, f.in, f.st, 0);
  ExpectCell(f, "01", 1, 7, kRed);
  ExpectCell(f, "02", 2, 1, kBlack);
  ExpectCell(f, "30", 6, 1, kBlack);
  EXPECT_EQ(f.TextOps("  ").size(), 12u);
  const auto blanks = f.TextOps("  ");
  EXPECT_EQ(blanks[0].x, BlockFixture::CellX(1));
  EXPECT_EQ(blanks[5].x, BlockFixture::CellX(6));
  EXPECT_EQ(blanks[5].y, BlockFixture::RowY(1));
}

TEST(WeeklyGrid, ShortFebruaryStillTakesSixRowsOfHeight) {
  BlockFixture f(2021, 2);  // 28 days from a Monday
  PrintMonthPage(f.surface, f.in, f.st, 0);
  ExpectCell(f, "28", 4, 7, kRed);
  const auto blanks = f.TextOps("  ");
  ASSERT_EQ(blanks.size(), 14u);
  EXPECT_EQ(blanks[0].y, BlockFixture::RowY(5));
  EXPECT_EQ(blanks[13].y, BlockFixture::RowY(6));
  EXPECT_EQ(f.surface.CurrentY, BlockFixture::RowY(6) + 288);
  EXPECT_EQ(f.progress.steps, 28);
}

// A weekday heading too wide for its column shrinks into it; the others
// keep the day font.
TEST(WeeklyGrid, HeadingsStayInTheirColumns) {
  BlockFixture f(2024, 4);
  f.surface.WidenCharacter('W', 3);
  f.year.DayNames[0] = "WWW";
  PrintMonthPage(f.surface, f.in, f.st, 0);
  const Op monday = f.OnlyText("WWW");
  EXPECT_LT(monday.fontSize, 12);
  EXPECT_TRUE(monday.bold);
  EXPECT_EQ(monday.x, 400);
  EXPECT_LE(monday.x + 9 * monday.fontSize * 10, 360 + 760);
  EXPECT_EQ(f.OnlyText("Mar").fontSize, 12);
  // The weekday line keeps its height: the day numbers stand where they did.
  ExpectCell(f, "01", 1, 1, kBlack);
}

TEST(WeeklyGrid, MonthPageGridIsScaledUp) {
  PageFixture f;
  f.choices.LayoutType = core::LayoutCode::Weekly;
  f.year.NoMonthPhotos = 1;
  f.st.MonthStart = Date(2024, 4, 1);
  PrintMonthPage(f.surface, f.in, f.st, 0);
  // Columns 2.05 x 760 = 1558 wide from 500, inset 2.05 x 120; 23-point
  // digits in rows of 11 + 23 points.
  const Op first = f.OnlyText("01");
  const Op second = f.OnlyText("02");
  const Op eighth = f.OnlyText("08");
  EXPECT_EQ(first.x, 746);
  EXPECT_EQ(second.x, 746 + 1558);
  EXPECT_EQ(eighth.x, 746);
  EXPECT_EQ(eighth.y - first.y, (11 + 23) * 24);
  EXPECT_EQ(first.fontSize, 23);
  EXPECT_EQ(f.OnlyText("Dom").x, 500 + 6 * 1558 + 230 / 3);
}

TEST(WeeklyGrid, MoonSymbolFollowsTheDayNumberOfItsDay) {
  PageFixture f;
  f.choices.LayoutType = core::LayoutCode::Weekly;
  f.st.MonthStart = Date(2024, 4, 1);
  f.choices.moonLook = MoonLookFor(MoonCode::CrimsonYellowQuarters);
  f.choices.timeBase = {true, 2};
  std::vector<int> asked;
  f.choices.moonPhases = [&](int month, int year, bool local, int offset) {
    asked = {month, year, local ? 1 : 0, offset};
    core::MoonPhaseTable table;
    table.FullMoons[1] = "23/04/2024 23:49";
    return table;
  };
  PrintMonthPage(f.surface, f.in, f.st, 0);
  EXPECT_EQ(asked, (std::vector<int>{4, 2024, 1, 2}));
  const auto circles = f.surface.opsOf(Kind::Circle);
  ASSERT_EQ(circles.size(), 5u);
  const Op day = f.OnlyText("23");
  EXPECT_DOUBLE_EQ(circles[0].x, day.x + 2 * 230 + 140 * 1.98);
  EXPECT_DOUBLE_EQ(circles[0].y, day.y + 140 * 1.98);
  EXPECT_EQ(f.OnlyText("24").colour, kBlack);  // the day colour is set again
}

struct HolidayCase {
  const char* name;
  std::vector<const char*> holidays;  // all on Wednesday 10 April 2024
  const char* first;
  const char* second;  // "" when none
  Colour dayColour;
};

TEST(WeeklyGrid, HolidayTextsAndColours) {
  const HolidayCase cases[] = {
      {"the last plain name wins", {"A", "B"}, "B", "", kRed},
      {"a remark alone leaves the day black", {"(P)"}, "(P)", "", kBlack},
      {"a remark after a name goes below", {"A", "(P)", "(Q)"}, "A", "(P)", kRed},
      {"a name replaces an earlier remark", {"(P)", "A"}, "A", "", kRed},
      {"two remarks end the search", {"(P)", "(Q)", "A"}, "(P)", "(Q)", kBlack},
  };
  for (const HolidayCase& c : cases) {
    BlockFixture f(2024, 4);
    for (const char* name : c.holidays) f.AddHoliday("10/04/2024", name);
    PrintMonthPage(f.surface, f.in, f.st, 0);
    EXPECT_EQ(f.OnlyText("10").colour, c.dayColour) << c.name;

    // Centred under the day number, 26 twips above the row's bottom.
    const double first_y = BlockFixture::RowY(2) + 288 - 26;
    const Op first = f.OnlyText(c.first);
    EXPECT_EQ(first.x, 360 + 2 * 760 + 120 + 120 - std::string(c.first).size() * 25) << c.name;
    EXPECT_EQ(first.y, first_y) << c.name;
    EXPECT_EQ(first.fontSize, 5) << c.name;
    EXPECT_EQ(first.colour, kBlack) << c.name;
    std::size_t small = 0;
    for (const Op& op : f.surface.opsOf(Kind::Text)) small += op.fontSize == 4 ? 1 : 0;
    if (*c.second == '\0') {
      EXPECT_EQ(small, 0u) << c.name;
    } else {
      const Op second = f.OnlyText(c.second);
      EXPECT_EQ(second.y, first_y + 5 * 24) << c.name;
      EXPECT_EQ(second.fontSize, 4) << c.name;
      EXPECT_EQ(second.x, 360 + 2 * 760 + 240 - std::string(c.second).size() * 20) << c.name;
    }
  }
}

TEST(WeeklyGrid, ARemarkOnSundayIsRedByItsColumnAndNeighboursKeepTheFirstLine) {
  BlockFixture f(2024, 4);
  f.AddHoliday("14/04/2024", "(P)");
  f.AddHoliday("10/04/2024", "(Q)");
  f.AddHoliday("10/04/2024", "(R)");
  f.AddHoliday("11/04/2024", "S");
  PrintMonthPage(f.surface, f.in, f.st, 0);
  EXPECT_EQ(f.OnlyText("14").colour, kRed);
  EXPECT_EQ(f.OnlyText("(Q)").y, f.OnlyText("S").y);
  EXPECT_EQ(f.OnlyText("S").fontSize, 5);
  EXPECT_EQ(f.OnlyText("(P)").fontSize, 5);
}

struct HeadFixture : PageFixture {
  explicit HeadFixture(double height = 15000) : PageFixture(11000, height) {
    choices.LayoutType = core::LayoutCode::Weekly;
    year.NoMonthPhotos = 0;
    st.MonthStart = Date(2024, 4, 1);
    year.PhotoPaths[4] = "/pics/april.jpg";
    year.PhotoNotes[4] = "Spring";
    files.insert("/pics/april.jpg");
  }
};

TEST(MonthPageHead, ATallPictureTakesAtMostSixTenthsOfAHighPage) {
  HeadFixture f(30000);
  f.surface.AddPicture("/pics/april.jpg", 1000, 2000);
  PrintMonthPage(f.surface, f.in, f.st, 0);
  const auto pictures = f.surface.opsOf(Kind::Picture);
  ASSERT_EQ(pictures.size(), 1u);
  EXPECT_EQ(pictures[0].x, 1000);
  EXPECT_EQ(pictures[0].y, 0);
  EXPECT_EQ(pictures[0].x2, 9000);
  EXPECT_EQ(pictures[0].y2, 18000);
  // The note under the picture, placed with the 20-point digit of start-up.
  const Op note = f.OnlyText("Spring");
  EXPECT_EQ(note.x, 1000 + 50);
  EXPECT_EQ(note.y, 18000 + 120);
  EXPECT_EQ(note.fontSize, 12);
  EXPECT_FALSE(note.bold);
  EXPECT_EQ(f.st.TitleHeight, 2000);
  EXPECT_EQ(f.st.TitleTop, 18000 + 800);
  EXPECT_EQ(f.OnlyText("Aprile 2024").page, 0);
  EXPECT_EQ(f.progress.events, 1 + 6);
}

TEST(MonthPageHead, ATallPictureLeavesRoomForTheWholeMonth) {
  // The fullest months: six week rows with two holiday texts in the last,
  // and a 31st day with holidays.
  struct Row {
    core::LayoutCode layout;
    unsigned month;
    double pictureHeight;
  };
  for (const Row& row :
       {Row{core::LayoutCode::Weekly, 9, 7555}, Row{core::LayoutCode::Daily, 3, 7806}}) {
    HeadFixture f;
    f.choices.LayoutType = row.layout;
    f.st.MonthStart = Date(2024, row.month, 1);
    f.year.PhotoPaths[row.month] = "/pics/april.jpg";
    f.surface.AddPicture("/pics/april.jpg", 1000, 2000);
    f.AddHoliday(row.month == 9 ? "30/09/2024" : "31/03/2024", "A");
    f.AddHoliday(row.month == 9 ? "30/09/2024" : "31/03/2024", "(B)");
    PrintMonthPage(f.surface, f.in, f.st, 0);
    EXPECT_EQ(f.st.PictureHeight, row.pictureHeight) << static_cast<int>(row.layout);
    double bottom = 0;
    for (const Op& op : f.surface.ops()) {
      bottom = std::max(bottom, op.kind == Kind::Text   ? op.y + op.fontSize * 24
                                : op.kind == Kind::Line ? op.y
                                                        : 0.0);
    }
    EXPECT_LE(bottom, 15000) << static_cast<int>(row.layout);
    EXPECT_GT(bottom, 14500) << static_cast<int>(row.layout);  // no more room is left than needed
  }
}

// A note that fits prints as it always did; a longer one shrinks to 6
// points, then wraps, and the extra lines take their height from the picture.
TEST(MonthPageHead, LongNotesShrinkThenWrapAndShortenThePicture) {
  struct Row {
    const char* name;
    std::string note;
    std::size_t lines;
    double size;
  };
  const std::string word = "parola ";
  std::string seventy, twoHundred;
  for (int i = 0; i < 10; ++i) seventy += word;
  for (int i = 0; i < 29; ++i) twoHundred += word;
  const Row rows[] = {
      {"fits", "Spring", 1, 12},
      {"shrinks", seventy + "fine", 1, 9},
      {"wraps", twoHundred + "fine", 2, 7},
  };
  // The tall picture's height under a one-line note.
  HeadFixture plain;
  plain.surface.AddPicture("/pics/april.jpg", 1000, 2000);
  PrintMonthPage(plain.surface, plain.in, plain.st, 0);
  const double tallest = plain.st.PictureHeight;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    HeadFixture f;
    f.surface.AddPicture("/pics/april.jpg", 1000, 2000);
    f.year.PhotoNotes[4] = row.note;
    PrintMonthPage(f.surface, f.in, f.st, 0);
    std::vector<Op> lines;
    for (const Op& op : f.surface.opsOf(Kind::Text)) {
      if (op.y > f.st.PictureHeight && op.y < f.st.TitleTop) lines.push_back(op);
    }
    ASSERT_EQ(lines.size(), row.lines);
    const auto pictures = f.surface.opsOf(Kind::Picture);
    ASSERT_EQ(pictures.size(), 1u);
    std::string text;
    for (const Op& line : lines) {
      EXPECT_EQ(line.fontSize, row.size);
      EXPECT_EQ(line.x, pictures[0].x + 50);
      EXPECT_LE(line.x + line.text.size() * line.fontSize * 10, 11000);
      text += " " + line.text;
    }
    EXPECT_EQ(Words(text), Words(row.note));
    EXPECT_EQ(lines[0].y, f.st.PictureHeight + 120);
    const double extra = std::max(0.0, row.lines * row.size * 24 - 12 * 24);
    EXPECT_EQ(f.st.PictureHeight, tallest - extra);
  }
}

TEST(MonthPageHead, AWidePictureSpansThePageWidth) {
  HeadFixture f;
  f.surface.AddPicture("/pics/april.jpg", 4000, 1000);
  PrintMonthPage(f.surface, f.in, f.st, 0);
  const auto pictures = f.surface.opsOf(Kind::Picture);
  ASSERT_EQ(pictures.size(), 1u);
  EXPECT_EQ(pictures[0].x, 0);
  EXPECT_EQ(pictures[0].x2, 11000);
  EXPECT_EQ(pictures[0].y2, 2750);
}

TEST(MonthPageHead, AMissingOrUnreadablePictureLeavesHalfThePageEmpty) {
  enum class File { Missing, Unreadable, Undecodable };
  for (File file : {File::Missing, File::Unreadable, File::Undecodable}) {
    HeadFixture f;
    if (file == File::Missing) f.files.clear();
    if (file == File::Undecodable) f.surface.AddUndecodablePicture("/pics/april.jpg", 4000, 1000);
    SCOPED_TRACE(static_cast<int>(file));
    PrintMonthPage(f.surface, f.in, f.st, 0);
    EXPECT_TRUE(f.surface.opsOf(Kind::Picture).empty());
    EXPECT_TRUE(f.TextOps("Spring").empty());
    EXPECT_EQ(f.st.TitleTop, 7500 + 400);
  }
}

TEST(MonthPageHead, TwoMonthsPerPageHaveNoPictureAndAnOffsetTitle) {
  HeadFixture f;
  f.surface.AddPicture("/pics/april.jpg", 4000, 1000);
  f.year.NoMonthPhotos = 1;
  PrintMonthPage(f.surface, f.in, f.st, 6750);
  EXPECT_TRUE(f.surface.opsOf(Kind::Picture).empty());
  EXPECT_TRUE(f.TextOps("Spring").empty());
  EXPECT_EQ(f.st.TitleTop, 6750 + 900 + 400);
}

}  // namespace
}  // namespace orsalimbra::render::testing
