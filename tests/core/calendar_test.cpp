#include <gtest/gtest.h>

#include "core/date_rules.h"
#include "core/year_model.h"

using namespace orsalimbra::core;
using namespace std::chrono;

TEST(MonthLengths, FebruaryFollowsTheGregorianLeapRule) {
  EXPECT_EQ(MonthLengthsOf(2024)[2], 29);
  EXPECT_EQ(MonthLengthsOf(2100)[2], 28);
  EXPECT_EQ(MonthLengthsOf(2000)[2], 29);
  EXPECT_EQ(MonthLengthsOf(2026)[2], 28);
  EXPECT_EQ(MonthLengthsOf(2026)[0], 0);
  EXPECT_EQ(MonthLengthsOf(2026)[12], 31);
}

TEST(DateText, IsTwoDigitDayAndMonthAndFourDigitYear) {
  EXPECT_EQ(DateText(year{2026} / 1 / 5), "05/01/2026");
  EXPECT_EQ(DateText(year{999} / 12 / 31), "31/12/0999");
}
