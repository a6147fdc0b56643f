#include <gtest/gtest.h>

#include <map>

#include "page_fixture.h"
#include "render/month_page.h"

namespace orsalimbra::render::testing {
namespace {

// A daily month page, two per sheet, on A4's printable width (11500). With
// the recording metrics the day font is 19 points (digit 190 x 456): columns
// start at 95, 3775 and 7455, 0.32 of the width apart; the day
// number stands 1235 into its column; a line takes 205 + 192 + 82 + 27 = 506.
struct DailyFixture : PageFixture {
  DailyFixture(int y, unsigned m) {
    choices.LayoutType = core::LayoutCode::Daily;
    year.NoMonthPhotos = 1;
    st.MonthStart = Date(y, m, 1);
  }
};

TEST(DailyList, DaysFallIntoColumnsOfTenTenAndTheRest) {
  struct Row {
    int year;
    unsigned month;
    std::vector<int> perColumn;
  };
  for (const Row& row : {Row{2024, 3, {10, 10, 11}}, Row{2023, 2, {10, 10, 8}}}) {
    DailyFixture f(row.year, row.month);
    PrintMonthPage(f.surface, f.in, f.st, 0);
    std::map<double, int> columns;
    for (const Op& op : f.surface.opsOf(Kind::Text)) {
      if (op.fontSize == 19 && op.text.size() == 2 && std::isdigit(op.text[0])) ++columns[op.x];
    }
    std::vector<int> counts;
    for (const auto& [x, n] : columns) counts.push_back(n);
    EXPECT_EQ(counts, row.perColumn) << row.month;
    EXPECT_EQ(columns.begin()->first, 95 + 1235);
    EXPECT_EQ(std::next(columns.begin())->first, 95 + 3680 + 1235);
    EXPECT_EQ(f.OnlyText("11").y, f.OnlyText("01").y);
    EXPECT_EQ(f.OnlyText("02").y - f.OnlyText("01").y, 506);
    const int days = row.month == 2 ? 28 : 31;
    EXPECT_EQ(f.progress.steps, days);
    EXPECT_EQ(f.progress.events, days);
    EXPECT_EQ(f.st.MonthStart, Date(row.year, row.month + 1, 1));
  }
}

TEST(DailyList, SundaysAndHolidaysAreRedButHolidayTextsBlack) {
  DailyFixture f(2024, 3);
  f.year.DayNames[4] = "Ünterwegs";  // only the first three characters show
  f.AddHoliday("05/03/2024", "A");
  f.AddHoliday("06/03/2024", "(P)");
  PrintMonthPage(f.surface, f.in, f.st, 0);
  const auto colourOf = [&](const std::string& text, std::size_t i = 0) {
    return f.TextOps(text).at(i).colour;
  };
  EXPECT_EQ(colourOf("Dom"), kRed);
  EXPECT_EQ(colourOf("03"), kRed);
  EXPECT_EQ(colourOf("Mar"), kBlue);
  EXPECT_EQ(colourOf("05"), kRed);
  EXPECT_EQ(colourOf("06"), kBlack);
  EXPECT_EQ(colourOf(" A"), kBlack);
  EXPECT_EQ(colourOf(" (P)"), kBlack);
  EXPECT_EQ(f.TextOps("Ünt").size(), 5u);
  // Every day without a holiday still prints a blank in the text font.
  const auto blanks = f.TextOps(" ");
  EXPECT_EQ(blanks.size(), 29u);
  EXPECT_EQ(blanks.at(0).fontSize, 8);
}

TEST(DailyList, TheSecondHolidayIsSmallerAndTheThirdHidden) {
  DailyFixture f(2024, 3);
  for (const char* name : {"A", "B", "C"}) f.AddHoliday("07/03/2024", name);
  PrintMonthPage(f.surface, f.in, f.st, 0);
  const Op day = f.OnlyText("07");
  const Op first = f.OnlyText(" A");
  const Op second = f.OnlyText(" - B");
  EXPECT_EQ(first.x, day.x + 2 * 190);
  EXPECT_EQ(first.y, day.y + 205);
  EXPECT_EQ(second.x, first.x + 2 * 80);
  EXPECT_DOUBLE_EQ(second.y, first.y + 0.18 * 192);
  EXPECT_EQ(second.fontSize, 6);
  EXPECT_TRUE(f.TextOps(" C").empty());
  EXPECT_TRUE(f.TextOps(" - C").empty());
  // The position after the smaller text is back where it started.
  EXPECT_EQ(f.OnlyText("08").y, day.y + 506);
}

// A weekday name too wide for its place shrinks to keep a quarter of a
// figure clear of the day number; the others keep the day font.
TEST(DailyList, TheWeekdayKeepsAGapBeforeTheDayNumber) {
  DailyFixture f(2024, 3);
  f.surface.WidenCharacter('W', 3);
  f.year.DayNames[6] = "WWW";  // Sunday
  PrintMonthPage(f.surface, f.in, f.st, 0);
  const auto sundays = f.TextOps("WWW");
  ASSERT_EQ(sundays.size(), 5u);
  const Op day = f.OnlyText("03");  // the first Sunday
  const Op& name = sundays[0];
  EXPECT_LT(name.fontSize, 19);
  EXPECT_EQ(name.colour, kRed);
  EXPECT_LE(name.x + 9 * name.fontSize * 10, day.x - 190 / 4.0);
  EXPECT_EQ(f.OnlyText("01").fontSize, 19);
  EXPECT_EQ(f.TextOps("Ven").at(0).fontSize, 19);
}

TEST(DailyList, RulesAreThinWhateverTheMoonSymbolsLeft) {
  DailyFixture f(2024, 3);
  f.choices.moonLook = MoonLookFor(MoonCode::OchreYellowQuarters);
  f.phases.FullMoons[0] = "01/03/2024 12:00";
  PrintMonthPage(f.surface, f.in, f.st, 0);
  const auto circles = f.surface.opsOf(Kind::Circle);
  ASSERT_FALSE(circles.empty());
  EXPECT_EQ(circles[0].drawWidth, 5);  // 3 x 1.6 rounded
  const Op day = f.OnlyText("01");
  EXPECT_EQ(circles[0].x, 95 + 140 * 1.6);
  EXPECT_EQ(circles[0].y, day.y + 140 * 1.6);
  const auto rules = f.surface.opsOf(Kind::Line);
  ASSERT_EQ(rules.size(), 31u);
  for (const Op& rule : rules) EXPECT_EQ(rule.drawWidth, 1);
  EXPECT_EQ(rules[0].x, 95 + 380);
  EXPECT_EQ(rules[0].y, day.y + 205 + 192 + 82);
  EXPECT_EQ(rules[0].x2, 95 + 380 + 3220);
  EXPECT_EQ(rules[0].y2, rules[0].y);
  EXPECT_EQ(rules[0].colour, kBlack);
  EXPECT_EQ(rules[30].x, 95 + 2 * 3680 + 380);
}

}  // namespace
}  // namespace orsalimbra::render::testing
