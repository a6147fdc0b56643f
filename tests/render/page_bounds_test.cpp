// On every paper the pages fit, every text stays on the printable area and
// every holiday text and personal date inside its day's cell (weekly grid,
// half-year blocks) or before the end of its line's rule (daily list), with
// nothing dropped;
// on a paper too small the job knows before drawing.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "page_fixture.h"
#include "render/daily_list.h"
#include "render/month_page.h"
#include "render/page_fit.h"
#include "render/print_jobs.h"
#include "render/semester_page.h"

namespace orsalimbra::render::testing {
namespace {

struct Paper {
  const char* name;
  double width, height;  // the printable area with 10-point margins
};
constexpr Paper kA4{"A4", 11500, 16440};
constexpr Paper kLetter{"Letter", 11840, 15440};
constexpr Paper kLegal{"Legal", 11840, 19760};
constexpr Paper kA3{"A3", 16440, 23420};
constexpr Paper kA5{"A5", 8000, 11500};

enum class Form { Semester, WeeklyWithPicture, WeeklyPair, DailyWithPicture, DailyPair };

const char* FormName(Form form) {
  switch (form) {
    case Form::Semester:
      return "half-year page";
    case Form::WeeklyWithPicture:
      return "weekly month with picture";
    case Form::WeeklyPair:
      return "two weekly months";
    case Form::DailyWithPicture:
      return "daily month with picture";
    case Form::DailyPair:
      return "two daily months";
  }
  return "";
}

// Long names, two names on a day, a long remark on a Sunday, a word longer
// than a cell; each day's texts are all shown by every layout.
const std::vector<std::pair<std::string, std::string>> kHolidays{
    {"01/05/2026", "Festa internazionale dei lavoratori"},
    {"01/05/2026", "(Giornata della memoria dei caduti sul lavoro)"},
    {"10/05/2026", "(Daylight saving time begins in the northern hemisphere)"},
    {"14/05/2026", "Christi Himmelfahrt"},
    {"14/05/2026", "(Vatertag)"},
    {"25/05/2026", "Donaudampfschifffahrtsgesellschaft"},
    {"31/05/2026", "Pfingstsonntag"},
    {"31/05/2026", "(Festa della mamma)"},
    {"02/06/2026", "Festa della Repubblica Italiana"},
};
// The user's own dates, after the holiday texts of their days.
const std::vector<std::pair<std::chrono::year_month_day, std::string>> kPersonal{
    {Date(2026, 5, 1), "Compleanno di Maria Antonietta"},
    {Date(2026, 5, 10), "Anniversario di matrimonio dei nonni"},
    {Date(2026, 5, 25), "Vacanze"},
    {Date(2026, 5, 25), "Gita scolastica a Firenze"},
    {Date(2026, 6, 2), "Partenza"},
};
const std::string kNote =
    "A very long note under the picture that certainly does not fit on one line of the "
    "page at twelve points and keeps going on and on until a second line is needed";

double Width(const Op& op) {
  double n = 0;
  for (unsigned char c : op.text) n += (c & 0xC0) != 0x80 ? 1 : 0;
  return n * op.fontSize * 10;
}

struct BoundsFixture : PageFixture {
  BoundsFixture(const Paper& paper, Form form) : PageFixture(paper.width, paper.height) {
    for (const auto& [date, name] : kHolidays) AddHoliday(date, name);
    for (const auto& [date, text] : kPersonal) year.PersonalDates.push_back({date, text, "f.ics"});
    choices.moonLook = MoonLookFor(MoonCode::OchreYellowQuarters);
    phases.FullMoons[0] = "01/05/2026 17:23";
    phases.LastQuarters[1] = "31/05/2026 08:45";
    const bool weekly = form == Form::WeeklyWithPicture || form == Form::WeeklyPair;
    const bool daily = form == Form::DailyWithPicture || form == Form::DailyPair;
    choices.LayoutType = weekly  ? core::LayoutCode::Weekly
                         : daily ? core::LayoutCode::Daily
                                 : core::LayoutCode::Semester;
    year.NoMonthPhotos = form == Form::WeeklyPair || form == Form::DailyPair;
    year.PhotoPaths[5] = "/pics/maggio.jpg";
    year.PhotoNotes[5] = kNote;
    files.insert(year.PhotoPaths[5]);
    surface.AddPicture(year.PhotoPaths[5], 3000, 4500);
  }

  void Draw(Form form) {
    if (form == Form::Semester) {
      surface.FontName = kBaseFontName;
      surface.FontSize = 8;
      st.MonthStart = Date(2026, 4, 1);
      PrintSemesterPage(surface, in, st);
      return;
    }
    st.MonthStart = Date(2026, 5, 1);
    PrintMonthPage(surface, in, st, 0);
    if (year.NoMonthPhotos) {
      PrintMonthPage(surface, in, st, BlockOffset(6, true, surface.ScaleHeight()));
    }
  }

  // The edges of the weekly grids' cells on the page.
  std::vector<std::vector<double>> Grids(Form form) const {
    const double h = WidthScale(choices.metrics);
    std::vector<std::vector<double>> grids;
    const auto grid = [&](double left, double column) {
      std::vector<double> edges;
      for (int k = 0; k <= 7; ++k) edges.push_back(left + k * column);
      grids.push_back(edges);
    };
    if (form == Form::Semester) {
      grid(IntPart(360 * h), 760 * h);
      grid(IntPart(choices.metrics.PageWidth / 2) + IntPart(300 * h), 760 * h);
    } else {
      grid(IntPart(500 * h), 2.05 * h * 760);
    }
    return grids;
  }
};

bool IsHolidayText(const Op& op, const std::set<std::string>& holidayWords) {
  const std::vector<std::string> words = Words(op.text);
  if (words.empty()) return false;
  for (const std::string& word : words) {
    if (holidayWords.count(word) == 0) return false;
  }
  return true;
}

TEST(PageBounds, TextsStayInTheirCellsAndOnThePageOfEveryPaper) {
  struct Row {
    Paper paper;
    Form form;
    PageFit fit;
  };
  // The recording's lines (24 x the size) are taller than real type: two
  // weekly months need more than a Letter sheet here.
  const Row rows[] = {
      {kA4, Form::Semester, PageFit::Fits},
      {kA4, Form::WeeklyWithPicture, PageFit::Fits},
      {kA4, Form::WeeklyPair, PageFit::Fits},
      {kA4, Form::DailyWithPicture, PageFit::Fits},
      {kA4, Form::DailyPair, PageFit::Fits},
      {kLetter, Form::Semester, PageFit::Fits},
      {kLetter, Form::WeeklyWithPicture, PageFit::Fits},
      {kLetter, Form::WeeklyPair, PageFit::TooShort},
      {kLetter, Form::DailyWithPicture, PageFit::Fits},
      {kLetter, Form::DailyPair, PageFit::Fits},
      {kLegal, Form::Semester, PageFit::Fits},
      {kLegal, Form::WeeklyPair, PageFit::Fits},
      {kLegal, Form::DailyWithPicture, PageFit::Fits},
      {kA3, Form::Semester, PageFit::Fits},
      {kA3, Form::WeeklyWithPicture, PageFit::Fits},
      {kA3, Form::WeeklyPair, PageFit::Fits},
      {kA3, Form::DailyWithPicture, PageFit::Fits},
      {kA3, Form::DailyPair, PageFit::Fits},
      {kA5, Form::Semester, PageFit::TooNarrow},
      {kA5, Form::WeeklyWithPicture, PageFit::TooNarrow},
      {kA5, Form::WeeklyPair, PageFit::TooNarrow},
      {kA5, Form::DailyWithPicture, PageFit::Fits},
      {kA5, Form::DailyPair, PageFit::TooShort},
  };
  std::set<std::string> holidayWords;
  for (const auto& holiday : kHolidays) {
    for (const std::string& word : Words(holiday.second)) holidayWords.insert(word);
  }
  for (const auto& personal : kPersonal) {
    for (const std::string& word : Words(personal.second)) holidayWords.insert(word);
  }
  for (const Row& row : rows) {
    SCOPED_TRACE(::testing::Message() << row.paper.name << ", " << FormName(row.form));
    BoundsFixture f(row.paper, row.form);
    EXPECT_EQ(CheckPageFit(f.surface, f.in), row.fit);
    if (row.fit != PageFit::Fits) continue;
    f.Draw(row.form);

    std::string drawn;
    for (const Op& op : f.surface.opsOf(Kind::Text)) {
      drawn += " " + op.text;
      // On the printable area.
      EXPECT_GE(op.x, 0) << op.text;
      EXPECT_LE(op.x + Width(op), row.paper.width + 1e-6) << op.text;
      EXPECT_GE(op.y, 0) << op.text;
      EXPECT_LE(op.y + op.fontSize * 24, row.paper.height + 1e-6) << op.text;
      if (!IsHolidayText(op, holidayWords)) continue;
      const double left = op.x;
      const double right = op.x + Width(op);
      if (row.form == Form::DailyWithPicture || row.form == Form::DailyPair) {
        // Before the end of its column's rule.
        const DailyColumns c = DailyListColumns(f.choices.metrics, 190);
        const int column = static_cast<int>((left - c.left) / c.step);
        EXPECT_LE(right, c.left + column * c.step + 2 * 190 + c.rule + 1e-6) << op.text;
        continue;
      }
      // Inside one cell of a grid.
      bool inside = false;
      for (const std::vector<double>& edges : f.Grids(row.form)) {
        for (std::size_t k = 0; k + 1 < edges.size(); ++k) {
          inside = inside || (left >= edges[k] - 1e-6 && right <= edges[k + 1] + 1e-6);
        }
      }
      EXPECT_TRUE(inside) << op.text << " at " << left << ".." << right;
    }
    // Nothing is dropped: every holiday and the note are there whole.
    std::multiset<std::string> drawnWords;
    for (const std::string& word : Words(drawn)) drawnWords.insert(word);
    const bool mayOnly = row.form == Form::WeeklyWithPicture || row.form == Form::DailyWithPicture;
    for (const auto& [date, name] : kHolidays) {
      if (mayOnly && date.substr(3, 2) != "05") continue;
      for (const std::string& word : Words(name)) {
        EXPECT_GT(drawnWords.count(word), 0u) << word;
      }
    }
    for (const auto& [date, text] : kPersonal) {
      if (mayOnly && date.month() != std::chrono::May) continue;
      for (const std::string& word : Words(text)) EXPECT_GT(drawnWords.count(word), 0u) << word;
    }
    if (mayOnly) {
      for (const std::string& word : Words(kNote)) EXPECT_GT(drawnWords.count(word), 0u) << word;
    }
  }
}

}  // namespace
}  // namespace orsalimbra::render::testing
