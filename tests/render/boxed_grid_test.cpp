// The boxed month pages on the recording surface: boxes down to the bottom
// of the month's part of the page, every text inside its box, ISO week
// numbers, the small calendars of the neighbouring months.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "core/calendar_walk.h"
#include "page_fixture.h"
#include "render/boxed_grid.h"
#include "render/mini_month.h"
#include "render/month_page.h"
#include "render/page_fit.h"
#include "render/print_jobs.h"

namespace orsalimbra::render::testing {
namespace {

// The printable areas of page_bounds_test, 10-point margins.
struct Paper {
  const char* name;
  double width, height;
};
constexpr Paper kA4{"A4", 11500, 16440};
constexpr Paper kLetter{"Letter", 11840, 15440};
constexpr Paper kA3{"A3", 16440, 23420};
constexpr Paper kA5{"A5", 8000, 11500};

// The recording font: a character is 10 x the size wide, a line 24 x high.
double Width(const Op& op) {
  double n = 0;
  for (unsigned char c : op.text) n += (c & 0xC0) != 0x80 ? 1 : 0;
  return n * op.fontSize * 10;
}

// The box edges as the grid lines give them.
struct Grid {
  std::vector<double> xs;  // 8 vertical lines
  std::vector<double> ys;  // rows + 1 horizontal lines

  int rows() const { return static_cast<int>(ys.size()) - 1; }
  // The box holding the point, -1 outside the grid.
  int BoxAt(double x, double y) const {
    for (std::size_t r = 0; r + 1 < ys.size(); ++r) {
      for (std::size_t c = 0; c + 1 < xs.size(); ++c) {
        if (x >= xs[c] && x < xs[c + 1] && y >= ys[r] && y < ys[r + 1]) {
          return static_cast<int>(7 * r + c);
        }
      }
    }
    return -1;
  }
  bool Inside(int box, double left, double top, double right, double bottom) const {
    const auto r = static_cast<std::size_t>(box / 7);
    const auto c = static_cast<std::size_t>(box % 7);
    const double e = 1e-6;
    return left >= xs[c] - e && right <= xs[c + 1] + e && top >= ys[r] - e &&
           bottom <= ys[r + 1] + e;
  }
};

struct BoxedFixture : PageFixture {
  explicit BoxedFixture(const Paper& paper = kA4, bool twoMonths = false)
      : PageFixture(paper.width, paper.height) {
    choices.LayoutType = core::LayoutCode::Weekly;
    choices.pageStyle = PageStyle::Boxed;
    choices.moonLook = MoonLookFor(MoonCode::OchreYellowQuarters);
    year.NoMonthPhotos = twoMonths;
  }

  // Draws the month of `first`, the lower month of a two-month sheet when
  // `lower`, on a fresh recording.
  void Draw(std::chrono::year_month_day first, bool lower = false) {
    surface.clear();
    st.MonthStart = first;
    PrintMonthPage(surface, in, st, lower ? BlockOffset(2, true, surface.ScaleHeight()) : 0);
  }

  Grid Lines() const {
    std::set<double> xs;
    std::set<double> ys;
    for (const Op& op : surface.opsOf(Kind::Line)) {
      if (op.colour != kBoxLineColour) continue;
      if (op.x == op.x2) xs.insert(op.x);
      if (op.y == op.y2) ys.insert(op.y);
    }
    return {{xs.begin(), xs.end()}, {ys.begin(), ys.end()}};
  }

  // The day numbers: bold texts inside the grid.
  std::vector<Op> DayNumbers() const {
    const Grid g = Lines();
    std::vector<Op> out;
    for (const Op& op : surface.opsOf(Kind::Text)) {
      if (op.bold && g.BoxAt(op.x, op.y) >= 0 &&
          op.text.find_first_not_of("0123456789") == std::string::npos) {
        out.push_back(op);
      }
    }
    return out;
  }
};

TEST(BoxedGrid, ReachesTheBottomOfTheMonthsPartOfThePage) {
  struct Row {
    const char* name;
    std::chrono::year_month_day first;
    bool twoMonths, lower;
    int rows;
  };
  const double page = kA4.height;
  const double lowerBand = BlockOffset(2, true, page) + 0.06 * page;
  const Row rows[] = {
      {"four weeks: February 2027", Date(2027, 2, 1), false, false, 4},
      {"five weeks: May 2026", Date(2026, 5, 1), false, false, 5},
      {"six weeks: August 2026", Date(2026, 8, 1), false, false, 6},
      {"upper of two: January 2027", Date(2027, 1, 1), true, false, 5},
      {"lower of two: February 2027", Date(2027, 2, 1), true, true, 4},
      {"lower of two, six weeks: August 2026", Date(2026, 8, 1), true, true, 6},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    BoxedFixture f(kA4, row.twoMonths);
    f.Draw(row.first, row.lower);
    const Grid g = f.Lines();
    ASSERT_EQ(g.xs.size(), 8u);
    EXPECT_EQ(g.rows(), row.rows);
    EXPECT_DOUBLE_EQ(g.ys.back(), (row.twoMonths && !row.lower ? lowerBand : page) - 20);
    EXPECT_GE(g.xs.front(), 0);
    EXPECT_LE(g.xs.back(), kA4.width);
    // The boxes are alike, and start below the title.
    const double height = (g.ys.back() - g.ys.front()) / row.rows;
    for (std::size_t k = 1; k < g.ys.size(); ++k) EXPECT_NEAR(g.ys[k] - g.ys[k - 1], height, 1e-6);
    EXPECT_GT(g.ys.front(), f.st.TitleTop + f.st.TitleHeight / 2);
    // Every day is drawn once and the month is done.
    const unsigned days = core::DaysInMonth(row.first);
    EXPECT_EQ(f.DayNumbers().size(), days);
    EXPECT_EQ(f.progress.steps, static_cast<int>(days));
    EXPECT_EQ(f.st.MonthStart,
              core::NextDay(row.first.year() / row.first.month() / std::chrono::day{days}));
  }
}

TEST(BoxedGrid, APictureGivesWayToRoomyBoxes) {
  BoxedFixture f;
  f.year.PhotoPaths[8] = "/pics/tall.jpg";
  f.files.insert(f.year.PhotoPaths[8]);
  f.surface.AddPicture(f.year.PhotoPaths[8], 3000, 6000);
  f.Draw(Date(2026, 8, 1));
  const Grid g = f.Lines();
  EXPECT_EQ(g.rows(), 6);
  EXPECT_GE((g.ys.back() - g.ys.front()) / 6, 0.9 * kRoomyBoxHeight);
  const std::vector<Op> pictures = f.surface.opsOf(Kind::Picture);
  ASSERT_EQ(pictures.size(), 1u);
  EXPECT_LT(pictures[0].y2, 0.6 * kA4.height);
}

TEST(BoxedGrid, DayNumbersAndGroundsTellWeekendsAndHolidays) {
  BoxedFixture f;
  f.AddHoliday("01/05/2026", "Festa del Lavoro");
  f.AddHoliday("06/05/2026", "(San Domenico Savio)");
  f.Draw(Date(2026, 5, 1));
  struct Row {
    const char* day;
    Colour number;
    std::optional<Colour> ground;  // none: a plain white box
  };
  const Colour holidayShade = Rgb(255, 229, 229);
  const Row rows[] = {
      {"1", kRed, holidayShade},     // Friday, a holiday
      {"2", kBlack, kWeekendShade},  // Saturday
      {"3", kRed, holidayShade},     // Sunday
      {"4", kBlack, std::nullopt},   // Monday
      {"6", kBlack, std::nullopt},   // a remark alone changes nothing
  };
  const Grid g = f.Lines();
  const std::vector<Op> numbers = f.DayNumbers();
  const std::vector<Op> grounds = f.surface.opsOf(Kind::Box);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.day);
    const auto number = std::find_if(numbers.begin(), numbers.end(),
                                     [&](const Op& op) { return op.text == row.day; });
    ASSERT_NE(number, numbers.end());
    EXPECT_EQ(number->colour, row.number);
    const int box = g.BoxAt(number->x, number->y);
    // The number stands in the box's top-left corner.
    EXPECT_LT(number->x - g.xs[static_cast<std::size_t>(box % 7)], 200);
    EXPECT_LT(number->y - g.ys[static_cast<std::size_t>(box / 7)], 200);
    std::optional<Colour> ground;
    for (const Op& op : grounds) {
      if (g.BoxAt((op.x + op.x2) / 2, (op.y + op.y2) / 2) == box) ground = op.colour;
    }
    EXPECT_EQ(ground, row.ground);
  }
  // Five Saturdays, five Sundays and the holiday; nothing outside the month.
  EXPECT_EQ(grounds.size(), 11u);
}

TEST(BoxedGrid, DayTextsStayInsideTheirBoxesOnEveryPaper) {
  const std::vector<std::pair<std::string, std::string>> holidays{
      {"01/05/2026", "Festa internazionale dei lavoratori"},
      {"01/05/2026", "(Giornata della memoria dei caduti sul lavoro)"},
      {"10/05/2026", "(Daylight saving time begins in the northern hemisphere)"},
      {"14/05/2026", "Christi Himmelfahrt"},
      {"14/05/2026", "(Vatertag)"},
      {"25/05/2026", "Donaudampfschifffahrtsgesellschaftskapitaenswitwenrente"},
      {"31/05/2026", "Pfingstsonntag"},
      {"31/05/2026", "(Festa della mamma)"},
  };
  std::set<std::string> holidayWords;
  for (const auto& h : holidays) {
    for (const std::string& word : Words(h.second)) holidayWords.insert(word);
  }
  struct Row {
    Paper paper;
    bool twoMonths;
  };
  const Row rows[] = {{kA4, false}, {kA4, true}, {kLetter, false}, {kA3, true}, {kA5, false}};
  for (const Row& row : rows) {
    SCOPED_TRACE(::testing::Message() << row.paper.name << (row.twoMonths ? " pair" : ""));
    BoxedFixture f(row.paper, row.twoMonths);
    for (const auto& [date, name] : holidays) f.AddHoliday(date, name);
    ASSERT_EQ(CheckPageFit(f.surface, f.in), PageFit::Fits);
    f.Draw(Date(2026, 5, 1), row.twoMonths);
    const Grid g = f.Lines();
    std::multiset<std::string> drawn;
    for (const Op& op : f.surface.opsOf(Kind::Text)) {
      // On the printable area.
      EXPECT_GE(op.x, 0) << op.text;
      EXPECT_LE(op.x + Width(op), row.paper.width + 1e-6) << op.text;
      EXPECT_LE(op.y + op.fontSize * 24, row.paper.height + 1e-6) << op.text;
      const std::vector<std::string> words = Words(op.text);
      if (words.empty() || !std::all_of(words.begin(), words.end(), [&](const std::string& w) {
            return holidayWords.count(w) != 0;
          })) {
        continue;
      }
      for (const std::string& w : words) drawn.insert(w);
      const int box = g.BoxAt(op.x, op.y);
      ASSERT_GE(box, 0) << op.text;
      EXPECT_TRUE(g.Inside(box, op.x, op.y, op.x + Width(op), op.y + op.fontSize * 24))
          << op.text << " at " << op.x << "," << op.y;
    }
    // Nothing is dropped where the page has room.
    if (row.paper.name != kA5.name) {
      for (const auto& h : holidays) {
        for (const std::string& w : Words(h.second)) EXPECT_GT(drawn.count(w), 0u) << w;
      }
    }
  }
}

TEST(BoxedGrid, IsoWeekNumbersBesideTheRows) {
  struct Row {
    const char* name;
    std::chrono::year_month_day first;
    std::vector<std::string> weeks;
  };
  const Row rows[] = {
      {"December 2020 ends in week 53", Date(2020, 12, 1), {"49", "50", "51", "52", "53"}},
      {"January 2021 begins in 2020's week 53", Date(2021, 1, 1), {"53", "1", "2", "3", "4"}},
      {"January 2026 begins in week 1", Date(2026, 1, 1), {"1", "2", "3", "4", "5"}},
      {"March 2026, six rows", Date(2026, 3, 1), {"9", "10", "11", "12", "13", "14"}},
      {"December 2026 ends in week 53", Date(2026, 12, 1), {"49", "50", "51", "52", "53"}},
      {"January 2027 begins in 2026's week 53", Date(2027, 1, 1), {"53", "1", "2", "3", "4"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    BoxedFixture f;
    f.Draw(row.first);
    const Grid g = f.Lines();
    std::vector<std::string> weeks;
    for (const Op& op : f.surface.opsOf(Kind::Text)) {
      if (op.colour == kOutsideMonthGrey && op.x + Width(op) <= g.xs.front()) {
        weeks.push_back(op.text);
        // Level with its row.
        const auto r = static_cast<std::size_t>(weeks.size() - 1);
        EXPECT_GE(op.y, g.ys[r]);
        EXPECT_LT(op.y, g.ys[r + 1]);
        EXPECT_GE(op.x, 0);
      }
    }
    EXPECT_EQ(weeks, row.weeks);
  }
  // Without them, the boxes take the whole width.
  BoxedFixture f;
  f.choices.weekNumbers = false;
  f.Draw(Date(2026, 12, 1));
  EXPECT_DOUBLE_EQ(f.Lines().xs.front(), 20);
  for (const Op& op : f.surface.opsOf(Kind::Text)) EXPECT_NE(op.text, "53");
}

TEST(BoxedGrid, NeighbouringMonthsInTheEmptyBoxes) {
  struct Row {
    const char* name;
    std::chrono::year_month_day first;
    std::string previous, next;
    int previousBox, nextBox;  // -1: not drawn
  };
  const Row rows[] = {
      {"January 2027: four empty boxes first, none last", Date(2027, 1, 1), "Dicembre 2026",
       "Febbraio 2027", 0, 1},
      {"January 2026: three first, one last", Date(2026, 1, 1), "Dicembre 2025", "Febbraio 2026", 0,
       34},
      {"February 2027: no empty box", Date(2027, 2, 1), "Gennaio 2027", "Marzo 2027", -1, -1},
      {"May 2026: four first", Date(2026, 5, 1), "Aprile 2026", "Giugno 2026", 0, 1},
      {"August 2026: five first, six last", Date(2026, 8, 1), "Luglio 2026", "Settembre 2026", 0,
       41},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    BoxedFixture f;
    f.Draw(row.first);
    const Grid g = f.Lines();
    for (const auto& [heading, box] :
         {std::pair{row.previous, row.previousBox}, std::pair{row.next, row.nextBox}}) {
      const std::vector<Op> ops = f.TextOps(heading);
      if (box < 0) {
        EXPECT_TRUE(ops.empty()) << heading;
        continue;
      }
      ASSERT_EQ(ops.size(), 1u) << heading;
      EXPECT_EQ(g.BoxAt(ops[0].x, ops[0].y), box) << heading;
    }
  }
}

TEST(BoxedGrid, MiniMonthPlaces) {
  struct Row {
    int leading, trailing, boxes;
    int previous, next;
  };
  const Row rows[] = {
      {3, 1, 35, 0, 34},  {4, 0, 35, 0, 1},   {0, 3, 35, 33, 34}, {1, 0, 35, 0, -1},
      {0, 1, 35, -1, 34}, {0, 0, 28, -1, -1}, {6, 6, 42, 0, 41},
  };
  for (const Row& row : rows) {
    const MiniMonthPlaces p = PlaceMiniMonths(row.leading, row.trailing, row.boxes);
    EXPECT_EQ(p.previous, row.previous) << row.leading << "/" << row.trailing;
    EXPECT_EQ(p.next, row.next) << row.leading << "/" << row.trailing;
  }
}

TEST(BoxedGrid, AMiniMonthOnlyWhereItHasRoom) {
  // A six-week month needs 8 lines: 768 twips at 4 points; 7 columns of
  // 1.4 x "00": 784 wide.
  struct Row {
    const char* name;
    double width, height;
    bool drawn;
    double size;
  };
  const Row rows[] = {
      {"roomy", 3000, 3000, true, 8},
      {"just enough", 784, 768, true, 4},
      {"too low", 1600, 760, false, 0},
      {"too narrow", 780, 1600, false, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    PageFixture f;
    const MiniMonthBox box{100, 200, row.width, row.height};
    EXPECT_EQ(MiniMonthSize(f.surface, f.in, Date(2026, 8, 1), box), row.size);
    EXPECT_EQ(DrawMiniMonth(f.surface, f.in, Date(2026, 8, 1), box), row.drawn);
    const std::vector<Op> texts = f.surface.opsOf(Kind::Text);
    EXPECT_EQ(texts.size(), row.drawn ? 1u + 7u + 31u : 0u);
    for (const Op& op : texts) {
      EXPECT_GE(op.x, box.left - 1e-6) << op.text;
      EXPECT_LE(op.x + Width(op), box.left + box.width + 1e-6) << op.text;
      EXPECT_GE(op.y, box.top - 1e-6) << op.text;
      EXPECT_LE(op.y + op.fontSize * 24, box.top + box.height + 1e-6) << op.text;
    }
  }
}

TEST(BoxedGrid, PapersTheStyleFits) {
  struct Row {
    Paper paper;
    bool twoMonths;
    PageFit fit;
  };
  const Row rows[] = {
      {kA4, false, PageFit::Fits},
      {kA4, true, PageFit::Fits},
      {kLetter, false, PageFit::Fits},
      {kLetter, true, PageFit::Fits},
      {kA3, true, PageFit::Fits},
      {kA5, false, PageFit::Fits},
      {kA5, true, PageFit::Fits},
      {{"narrow", 3000, 16440}, false, PageFit::TooNarrow},
      {{"low", 11500, 8000}, true, PageFit::TooShort},
  };
  for (const Row& row : rows) {
    BoxedFixture f(row.paper, row.twoMonths);
    EXPECT_EQ(CheckPageFit(f.surface, f.in), row.fit)
        << row.paper.name << (row.twoMonths ? " pair" : "");
  }
}

}  // namespace
}  // namespace orsalimbra::render::testing
