// The holiday table that the year model builds from extended rows: moved
// days, substitute days with their chain and marker, year limits, and the
// neighbouring years, read through the data file as the program reads it.
#include <gtest/gtest.h>

#include <string>

#include "core/year_model.h"

using namespace orsalimbra::core;

namespace {

// One entry, its marker for substitute days, and the given holiday rows
// (Windows-1252: the degree sign is byte B0).
YearModel Load(const std::string& rows, int year, LayoutCode layout,
               const std::string& markers = "<SOSTITUTIVI>\r\n(sub)\r\n") {
  YearInputs inputs;
  inputs.fileBytes = "<LINGUA>\r\nEn\r\n<TITOLO>\r\nT\r\n<FESTE>\r\n" + rows + markers;
  inputs.yearText = std::to_string(year);
  inputs.layoutType = layout;
  return LoadYearData(YearModel{}, inputs).model;
}

std::string Holidays(const YearModel& m) {
  std::string text;
  for (std::size_t i = 0; i < m.HolidayDates.size(); ++i) {
    text += m.HolidayDates[i] + "=" + m.HolidayNames[i] + ";";
  }
  return text;
}

const std::string kChristmas = "[25/12+67>] Christmas\r\n[26/12+67>] Boxing\r\n";
const std::string kObserved = "[01/01+6<7>] NewYear\r\n[25/12+6<7>] Christmas\r\n";

TEST(HolidayTable, ShiftedAndLimitedRowsOfTheYear) {
  const struct {
    const char* what;
    std::string rows;
    int year;
    LayoutCode layout;
    const char* holidays;
  } cases[] = {
      {"both Christmas days on a weekend: Monday and Tuesday", kChristmas, 2027, LayoutCode::Weekly,
       "25/12/2027=Christmas;27/12/2027=Christmas (sub);"
       "26/12/2027=Boxing;28/12/2027=Boxing (sub);"},
      {"Christmas on Sunday: Boxing Day keeps Monday, Christmas takes Tuesday", kChristmas, 2022,
       LayoutCode::Weekly, "25/12/2022=Christmas;27/12/2022=Christmas (sub);26/12/2022=Boxing;"},
      {"a later classic row is seen by the chain", "[25/12+67>] Christmas\r\n[26/12] Boxing\r\n",
       2022, LayoutCode::Weekly,
       "25/12/2022=Christmas;27/12/2022=Christmas (sub);26/12/2022=Boxing;"},
      {"Boxing Day alone on Saturday: over Sunday to Monday", kChristmas, 2026, LayoutCode::Weekly,
       "25/12/2026=Christmas;26/12/2026=Boxing;28/12/2026=Boxing (sub);"},
      {"no weekend, no substitute", kChristmas, 2024, LayoutCode::Weekly,
       "25/12/2024=Christmas;26/12/2024=Boxing;"},
      {"observed on the Friday before a Saturday", kObserved, 2027, LayoutCode::Weekly,
       "01/01/2027=NewYear;31/12/2027=NewYear (sub);"
       "25/12/2027=Christmas;24/12/2027=Christmas (sub);"},
      {"observed on the Monday after a Sunday", kObserved, 2022, LayoutCode::Weekly,
       "01/01/2022=NewYear;25/12/2022=Christmas;26/12/2022=Christmas (sub);"},
      {"observed in the year before: the next year's rule", kObserved, 2021, LayoutCode::Weekly,
       "01/01/2021=NewYear;31/12/2021=NewYear (sub);"
       "25/12/2021=Christmas;24/12/2021=Christmas (sub);"},
      {"the previous year's substitute in January", "[31/12+67>] Eve\r\n", 2023, LayoutCode::Weekly,
       "31/12/2023=Eve;02/01/2023=Eve (sub);"},
      {"semester pages: the neighbouring December and January", kObserved, 2028,
       LayoutCode::Semester,
       "01/01/2028=NewYear;31/12/2027=NewYear (sub);01/01/2029=NewYear;"
       "25/12/2028=Christmas;25/12/2027=Christmas;24/12/2027=Christmas (sub);"},
      {"other layouts: the year alone", kObserved, 2028, LayoutCode::Daily,
       "01/01/2028=NewYear;25/12/2028=Christmas;"},
      {"semester pages: a substitute in the next January", "[01/01+67>] NewYear\r\n", 2027,
       LayoutCode::Semester, "01/01/2027=NewYear;01/01/2028=NewYear;03/01/2028=NewYear (sub);"},
      {"semester pages: the year limit of the neighbouring year", "[(-2025)25/12] X\r\n", 2026,
       LayoutCode::Semester, "25/12/2025=X;"},
      {"a remark's substitute blocks nothing", "[25/12+67>] \"(Remark)\"\r\n[26/12+67>] Boxing\r\n",
       2027, LayoutCode::Weekly,
       "25/12/2027=(Remark);27/12/2027=(Remark) (sub);26/12/2027=Boxing;27/12/2027=Boxing (sub);"},
      {"moved from Sunday to Saturday", "[27/04=7<] Koningsdag\r\n", 2025, LayoutCode::Weekly,
       "26/04/2025=Koningsdag;"},
      {"not moved on another weekday", "[27/04=7<] Koningsdag\r\n", 2026, LayoutCode::Weekly,
       "27/04/2026=Koningsdag;"},
      {"moved past a holiday", "[26/04] Other\r\n[27/04=7<] Koningsdag\r\n", 2025,
       LayoutCode::Weekly, "26/04/2025=Other;25/04/2025=Koningsdag;"},
      {"moved to a target weekday", "[01/02=23467>1] Brigid\r\n", 2026, LayoutCode::Weekly,
       "02/02/2026=Brigid;"},
      {"a Friday stays", "[01/02=23467>1] Brigid\r\n", 2030, LayoutCode::Weekly,
       "01/02/2030=Brigid;"},
      {"from Tuesday to the next Monday", "[01/02=23467>1] Brigid\r\n", 2028, LayoutCode::Weekly,
       "07/02/2028=Brigid;"},
      {"weekday on or after", "[6>20/06] Midsommardagen\r\n[6>31/10] Helgon\r\n", 2027,
       LayoutCode::Weekly, "26/06/2027=Midsommardagen;06/11/2027=Helgon;"},
      {"before its first year", "[(2026-)04/10] Francesco\r\n", 2025, LayoutCode::Weekly, ""},
      {"in its first year", "[(2026-)04/10] Francesco\r\n", 2026, LayoutCode::Weekly,
       "04/10/2026=Francesco;"},
      {"in its last year", "[(-2023)+26] Bededag\r\n", 2023, LayoutCode::Weekly,
       "05/05/2023=Bededag;"},
      {"after its last year", "[(-2023)+26] Bededag\r\n", 2024, LayoutCode::Weekly, ""},
      {"an extended row keeps its place among classic rows",
       "[01/01] A\r\n[(2000-)+1] B\r\n[25/12] C\r\n", 2026, LayoutCode::Weekly,
       "01/01/2026=A;06/04/2026=B;25/12/2026=C;"},
  };
  for (const auto& c : cases) {
    const YearModel m = Load(c.rows, c.year, c.layout);
    EXPECT_EQ(Holidays(m), c.holidays) << c.what;
    EXPECT_EQ(m.HolidayCount, static_cast<int>(m.HolidayDates.size())) << c.what;
  }
}

}  // namespace

namespace {

TEST(HolidayTable, SubstituteDaysCarryTheEntrysMarker) {
  const std::string rows = "[25/12+67>] Christmas Natale\r\n";
  const struct {
    const char* what;
    std::string markers;
    int entry;
    const char* name;
  } cases[] = {
      {"the entry's own word", "<SOSTITUTIVI>\r\n\"(substitute day)\" (sostitutivo)\r\n", 1,
       "Natale (sostitutivo)"},
      {"the singular header", "<Sostitutivo>\r\n(observed)\r\n", 0, "Christmas (observed)"},
      {"before the holidays", "", 0, "Christmas (early)"},
      {"no section: the name alone", "", 1, "Natale"},
      {"a suppressed marker: the name alone", "<SOSTITUTIVI>\r\n(a) -\r\n", 1, "Natale"},
      {"no item for the entry", "<SOSTITUTIVI>\r\n(a)\r\n", 1, "Natale"},
  };
  for (const auto& c : cases) {
    YearInputs inputs;
    const std::string early =
        std::string(c.what) == "before the holidays" ? "<SOSTITUTIVI>\r\n(early)\r\n" : "";
    inputs.fileBytes =
        "<LINGUE>\r\nEn It\r\n<TITOLI>\r\nT U\r\n" + early + "<FESTE>\r\n" + rows + c.markers;
    inputs.yearText = "2027";
    YearModel previous;
    previous.LanguageIndex = c.entry;
    const YearModel m = LoadYearData(previous, inputs).model;
    ASSERT_EQ(m.HolidayNames.size(), 2u) << c.what;
    EXPECT_EQ(m.HolidayDates[1], "27/12/2027") << c.what;
    EXPECT_EQ(m.HolidayNames[1], c.name) << c.what;
  }
}

TEST(HolidayTable, EveryEntryCountsTowardsTheHundred) {
  // 98 classic rows, then one that gives a holiday and its substitute, then
  // one more: the substitute is the hundredth entry, the last row beyond.
  std::string rows;
  for (int i = 0; i < 98; ++i) rows += "[+1] P\r\n";
  rows += "[25/12+67>] Christmas\r\n[26/12] Boxing\r\n";
  const YearModel m = Load(rows, 2027, LayoutCode::Weekly);
  EXPECT_EQ(m.HolidayCount, 101);
  ASSERT_EQ(m.HolidayDates.size(), 100u);
  EXPECT_EQ(m.HolidayDates[98], "25/12/2027");
  EXPECT_EQ(m.HolidayDates[99], "27/12/2027");
  EXPECT_EQ(m.HolidayNames[99], "Christmas (sub)");
}

TEST(HolidayTable, NoFreeDayWithinAMonth) {
  // Every day from 24 December to 31 January is a holiday: the substitute is
  // not found and the moved holiday stays on its date.
  std::string rows;
  for (int d = 24; d <= 31; ++d) rows += "[" + std::to_string(d) + "/12] H\r\n";
  for (int d = 1; d <= 31; ++d)
    rows += "[" + std::string(d < 10 ? "0" : "") + std::to_string(d) + "/01] H\r\n";
  const std::string all = rows + "[25/12+67>] S\r\n[26/12=67>] M\r\n";
  const YearModel m = Load(all, 2027, LayoutCode::Weekly);
  const std::string text = Holidays(m);
  EXPECT_NE(text.find("25/12/2027=S;26/12/2027=M;"), std::string::npos) << text;
  EXPECT_EQ(text.find("(sub)"), std::string::npos) << text;
}

}  // namespace
