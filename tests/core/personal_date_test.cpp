#include "core/personal_date.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/year_model.h"

namespace orsalimbra::core {
namespace {

std::chrono::year_month_day Day(int y, unsigned m, unsigned d) {
  return std::chrono::year{y} / std::chrono::month{m} / std::chrono::day{d};
}

TEST(PersonalDates, KeptFromTheDecemberBeforeToTheJanuaryAfter) {
  struct Case {
    const char* name;
    std::chrono::year_month_day date;
    bool kept;
  };
  const Case cases[] = {
      {"30 November before", Day(2025, 11, 30), false},
      {"1 December before", Day(2025, 12, 1), true},
      {"a day of the year", Day(2026, 6, 15), true},
      {"31 January after", Day(2027, 1, 31), true},
      {"1 February after", Day(2027, 2, 1), false},
      {"a date that does not exist", Day(2026, 2, 30), false},
  };
  for (const Case& c : cases) {
    const auto kept = PersonalDatesIn({{c.date, "x", "f.ics"}}, PersonalDateRange(2026));
    EXPECT_EQ(kept.size(), c.kept ? 1u : 0u) << c.name;
  }
}

TEST(PersonalDates, SortedByDayKeepingTheOrderOfADay) {
  const std::vector<PersonalDate> dates{
      {Day(2026, 3, 2), "b1", "b.ics"}, {Day(2026, 3, 1), "a", "a.ics"},
      {Day(2026, 3, 2), "b2", "a.ics"}, {Day(2026, 3, 2), "b3", "b.ics"},
      {Day(2025, 12, 9), "z", "a.ics"},
  };
  const auto sorted = PersonalDatesIn(dates, PersonalDateRange(2026));
  std::vector<std::string> texts;
  for (const PersonalDate& d : sorted) texts.push_back(d.Text);
  EXPECT_EQ(texts, (std::vector<std::string>{"z", "a", "b1", "b2", "b3"}));

  struct Case {
    std::chrono::year_month_day day;
    std::vector<std::string> texts;
  };
  const Case days[] = {{Day(2026, 3, 2), {"b1", "b2", "b3"}},
                       {Day(2026, 3, 1), {"a"}},
                       {Day(2026, 3, 3), {}},
                       {Day(2025, 1, 1), {}}};
  for (const Case& c : days) {
    std::vector<std::string> on;
    for (const PersonalDate& d : PersonalDatesOn(sorted, c.day)) on.push_back(d.Text);
    EXPECT_EQ(on, c.texts) << static_cast<unsigned>(c.day.day());
  }
}

TEST(PersonalDates, EveryBuildTakesThoseOfItsYearAndNoHoliday) {
  YearInputs inputs;
  inputs.fileBytes = "[FESTE]\n[01/01]\nCapodanno\n";
  inputs.personalDates = {{Day(2026, 1, 1), "Compleanno", "f.ics"},
                          {Day(2027, 5, 5), "Dopo", "f.ics"}};
  struct Case {
    const char* yearText;
    std::vector<std::string> texts;
  };
  const Case cases[] = {{"2026", {"Compleanno"}}, {"2027", {"Dopo"}}, {"2030", {}}};
  YearModel model;
  for (const Case& c : cases) {
    inputs.yearText = c.yearText;
    model = LoadYearData(model, inputs).model;
    std::vector<std::string> texts;
    for (const PersonalDate& d : model.PersonalDates) texts.push_back(d.Text);
    EXPECT_EQ(texts, c.texts) << c.yearText;
    for (const std::string& name : model.HolidayNames) EXPECT_NE(name, "Compleanno");
  }
  // A year text that is no year keeps the year, and its dates.
  inputs.yearText = "20x";
  model = LoadYearData(model, inputs).model;
  EXPECT_EQ(model.CalendarYear, 2030);
  EXPECT_TRUE(model.PersonalDates.empty());
}

}  // namespace
}  // namespace orsalimbra::core
