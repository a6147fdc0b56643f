#include "core/date_text.h"

#include <gtest/gtest.h>

using namespace orsalimbra::core;
using namespace std::chrono;

TEST(DateText, IsTwoDigitDayAndMonthAndFourDigitYear) {
  EXPECT_EQ(DateText(year{2026} / 1 / 5), "05/01/2026");
  EXPECT_EQ(DateText(year{999} / 12 / 31), "31/12/0999");
}
