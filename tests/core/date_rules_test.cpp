#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "core/date_rules.h"
#include "reference_easter.h"

using namespace orsalimbra::core;

namespace {

TEST(MonthLengths, FebruaryFollowsTheGregorianLeapRule) {
  EXPECT_EQ(MonthLengthsOf(2024)[2], 29);
  EXPECT_EQ(MonthLengthsOf(2100)[2], 28);
  EXPECT_EQ(MonthLengthsOf(2000)[2], 29);
  EXPECT_EQ(MonthLengthsOf(2026)[2], 28);
  EXPECT_EQ(MonthLengthsOf(2026)[0], 0);
  EXPECT_EQ(MonthLengthsOf(2026)[12], 31);
}

struct DivCase {
  int a, b, expected;
};

TEST(Div, IsFloorDivisionOfSixteenBitIntegers) {
  const DivCase cases[] = {
      {7, 2, 3},           {-7, 2, -4},        {7, -2, -4},         {-7, -2, 3}, {-8, 2, -4},
      {-1, 19, -1},        {18, 19, 0},        {-19, 19, -1},       {0, 5, 0},   {32767, 1, 32767},
      {-32768, 1, -32768}, {-32768, 7, -4682}, {-32768, -1, 32767},  // saturates
      {5, 0, 0},  // no caller divides by 0; it must not trap
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Div(static_cast<std::int16_t>(c.a), static_cast<std::int16_t>(c.b)), c.expected)
        << c.a << " / " << c.b;
  }
}

struct PasquaCase {
  int year, offset;
  const char* expected;
};

TEST(Pasqua, EasterAndOffsetsWalkThroughTheMonths) {
  const PasquaCase cases[] = {
      {2000, 0, "23/04/2000"},      {2026, 0, "05/04/2026"},   {2026, 1, "06/04/2026"},
      {2026, -2, "03/04/2026"},     {2026, 49, "24/05/2026"},  {2026, 60, "04/06/2026"},
      {2008, -47, "05/02/2008"},  // February with the leap day of 2008
      {2008, -60, "23/01/2008"},  // then January
      {2009, -47, "24/02/2009"},  // February of a common year
      {1582, 0, "15/04/1582"},    // last Julian year
      {1583, 0, "10/04/1583"},    // first Gregorian year
      {2020, 49, "31/05/2020"},   // 31 May stays in May
      {2020, 50, "01/06/2020"},     {2020, 80, "01/07/2020"},  {2020, 79, "30/06/2020"},
      {2026, 0 - 95, "00/01/2026"},                             // before 1 January: no valid date
      {2026, 116, "30/07/2026"},    {2026, 118, "32/07/2026"},  // beyond July: no valid date
      {2026, -200, "-105/01/2026"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Pasqua(c.year, c.offset).value_or("overflow"), c.expected)
        << c.year << " " << c.offset;
  }
}

TEST(Pasqua, OverflowOfTheSixteenBitArithmeticGivesNoDate) {
  EXPECT_FALSE(Pasqua(40000, 0));     // the year is no 16-bit integer
  EXPECT_FALSE(Pasqua(30000, 0));     // W overflows
  EXPECT_FALSE(Pasqua(-32768, 0));    // Y - 1600 overflows
  EXPECT_FALSE(Pasqua(2026, 32767));  // D + offset overflows
  EXPECT_FALSE(Pasqua(2026, 70000));  // the offset is no 16-bit integer
  EXPECT_TRUE(Pasqua(2026, -32000));  // large but representable: an unnormalised text
  EXPECT_TRUE(Pasqua(-1000, 0));
}

// "dd/mm/yyyy" of the reference Easter Sunday of `y`.
std::string ReferenceEasterText(int y) {
  const auto [month, day] = orsalimbra::testing::ReferenceEaster(y);
  char text[16];
  std::snprintf(text, sizeof text, "%02d/%02d/%04d", day, month, y);
  return text;
}

TEST(Pasqua, AgreesWithAnIndependentComputusForEveryYear) {
  int mismatches = 0;
  for (int y = 1; y <= 9999; ++y) {
    const auto easter = Pasqua(y, 0);
    const std::string expected = ReferenceEasterText(y);
    if (easter.value_or("overflow") != expected && ++mismatches <= 10) {
      ADD_FAILURE() << "year " << y << ": " << easter.value_or("overflow") << " instead of "
                    << expected;
    }
  }
  EXPECT_EQ(mismatches, 0);
}

struct NthCase {
  int nt, dd, mm, yy;
  const char* expected;
};

TEST(NthDayMth, FindsTheNthWeekdayOfAMonth) {
  const NthCase cases[] = {
      {2, 7, 5, 2026, "10/05/2026"},   // Mother's Day
      {5, 1, 5, 2026, "25/05/2026"},   // only four Mondays: the last one
      {5, 5, 5, 2026, "29/05/2026"},   // a fifth Friday exists
      {1, 1, 1, 2026, "05/01/2026"},   // month written with two digits
      {9, 3, 12, 2026, "30/12/2026"},  // occurrence above 5 means 5
      {1, 0, 3, 2026, "01/03/2026"},   // weekday 0 is Sunday
      {1, 7, 3, 2026, "01/03/2026"},
      {4, 4, 11, 2026, "26/11/2026"},  // Thanksgiving
      // Day 29 does not exist in February 2026: it rolls over to Sunday
      // 1 March, and the result is the month's last such weekday.
      {5, 7, 2, 2026, "22/02/2026"},
      {5, 6, 2, 2026, "28/02/2026"},
      {5, 1, 2, 2026, "23/02/2026"},
      {5, 7, 2, 2024, "25/02/2024"},  // leap year: 29 February is a Thursday
      {5, 4, 2, 2024, "29/02/2024"},
      {1, 1, 1, 999, "07/01/0999"},
      {1, 1, 1, 10000, "03/01/10000"},

  };
  for (const auto& c : cases) {
    EXPECT_EQ(NthDayMth(c.nt, c.dd, c.mm, c.yy, MonthLengthsOf(c.yy)).value_or("FAIL"), c.expected)
        << c.nt << " " << c.dd << " " << c.mm << " " << c.yy;
  }
}

TEST(NthDayMth, FailsWithoutAnOccurrenceOrAMonth) {
  const auto lengths = MonthLengthsOf(2026);
  EXPECT_FALSE(NthDayMth(0, 1, 5, 2026, lengths));
  EXPECT_FALSE(NthDayMth(-3, 1, 5, 2026, lengths));
  EXPECT_FALSE(NthDayMth(1, 1, 0, 2026, lengths));
  EXPECT_FALSE(NthDayMth(1, 1, 13, 2026, lengths));
  EXPECT_FALSE(NthDayMth(1, 1, 1, 40000, lengths));
}

TEST(NthDayMth, EveryOccurrenceIsTheRightWeekdayInsideTheMonth) {
  // Cross-check against std::chrono's own n-th weekday for a span of years.
  using namespace std::chrono;
  for (int y = 1990; y <= 2040; ++y) {
    const auto lengths = MonthLengthsOf(y);
    for (unsigned m = 1; m <= 12; ++m) {
      for (unsigned wd = 1; wd <= 7; ++wd) {
        for (unsigned n = 1; n <= 5; ++n) {
          const weekday w{wd % 7};
          const year_month_weekday nth = year{y} / month{m} / w[n];
          const year_month_day expected{nth.ok() ? sys_days{nth}
                                                 : sys_days{year{y} / month{m} / w[last]}};
          char text[16];
          std::snprintf(text, sizeof text, "%02u/%02u/%04d", unsigned{expected.day()}, m, y);
          ASSERT_EQ(NthDayMth(int(n), int(wd), int(m), y, lengths).value_or("FAIL"), text)
              << n << " " << wd << " " << m << " " << y;
        }
      }
    }
  }
}

}  // namespace
