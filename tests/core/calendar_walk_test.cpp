#include "core/calendar_walk.h"

#include <gtest/gtest.h>

#include <chrono>

namespace orsalimbra::core {
namespace {

std::chrono::year_month_day Date(int y, unsigned m, unsigned d) {
  return std::chrono::year{y} / std::chrono::month{m} / std::chrono::day{d};
}

TEST(CalendarWalk, IsoWeekNumbersAcrossYearEnds) {
  struct Row {
    const char* name;
    std::chrono::year_month_day date;
    int week;
  };
  const Row rows[] = {
      {"2020 begins on a Wednesday: week 1", Date(2020, 1, 1), 1},
      {"the week of 2020-12-31 (Thursday) is 53", Date(2020, 12, 31), 53},
      {"1 January 2021 (Friday) belongs to 2020's week 53", Date(2021, 1, 1), 53},
      {"3 January 2021 (Sunday) still week 53", Date(2021, 1, 3), 53},
      {"4 January 2021 (Monday) starts week 1", Date(2021, 1, 4), 1},
      {"1 January 2026 (Thursday) is week 1", Date(2026, 1, 1), 1},
      {"29 December 2025 (Monday) already week 1 of 2026", Date(2025, 12, 29), 1},
      {"28 December 2026 (Monday) starts week 53", Date(2026, 12, 28), 53},
      {"3 January 2027 (Sunday) ends week 53", Date(2027, 1, 3), 53},
      {"4 January 2027 (Monday) starts week 1", Date(2027, 1, 4), 1},
      {"a leap day", Date(2024, 2, 29), 9},
      {"1 January 2012 (Sunday) is 2011's week 52", Date(2012, 1, 1), 52},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(IsoWeekNumber(row.date), row.week) << row.name;
  }
}

TEST(CalendarWalk, IsoWeeksRunOneToTheYearsLastWithoutGaps) {
  // Every day from 1900 to 2100: a week number changes only on Mondays, by
  // one, or back to 1 after 52 or 53.
  auto day = Date(1900, 1, 1);
  int previous = IsoWeekNumber(day);
  for (int i = 0; i < 365 * 201; ++i) {
    day = NextDay(day);
    const int week = IsoWeekNumber(day);
    if (WeekdayOf(day) != 1) {
      ASSERT_EQ(week, previous) << static_cast<int>(day.year());
    } else {
      ASSERT_TRUE(week == previous + 1 || (week == 1 && (previous == 52 || previous == 53)))
          << static_cast<int>(day.year()) << " " << previous << " -> " << week;
    }
    previous = week;
  }
}

TEST(CalendarWalk, WeekRowsOfAMonth) {
  struct Row {
    const char* name;
    std::chrono::year_month_day date;
    unsigned days;
    int rows;
  };
  const Row rows[] = {
      {"February 2027 starts on a Monday: four rows", Date(2027, 2, 10), 28, 4},
      {"February 2024, leap, starts on a Thursday", Date(2024, 2, 1), 29, 5},
      {"May 2026 starts on a Friday", Date(2026, 5, 31), 31, 5},
      {"August 2026 starts on a Saturday: six rows", Date(2026, 8, 1), 31, 6},
      {"March 2026 starts on a Sunday: six rows", Date(2026, 3, 1), 31, 6},
      {"November 2026, 30 days from a Sunday", Date(2026, 11, 1), 30, 6},
      {"June 2026, 30 days from a Monday", Date(2026, 6, 1), 30, 5},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(DaysInMonth(row.date), row.days) << row.name;
    EXPECT_EQ(WeekRows(row.date), row.rows) << row.name;
  }
}

}  // namespace
}  // namespace orsalimbra::core
