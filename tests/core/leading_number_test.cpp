#include <gtest/gtest.h>

#include <climits>

#include "core/leading_number.h"

using namespace orsalimbra::core;

TEST(LeadingNumber, ReadsTheIntegerPartOfTheLeadingNumber) {
  const struct {
    const char* text;
    std::optional<int> expected;
  } cases[] = {
      {"1", 1},
      {"01", 1},
      {"05", 5},
      {"12abc", 12},
      {"+1", 1},
      {"-2", -2},
      {"+0", 0},
      {"2\xc2\xb0"
       "7/05",
       2},
      {"1.5", 1},
      {"-1.5", -2},
      {"-1.0", -1},
      {".5", 0},
      {"-.5", -1},
      {"  7", 7},
      {"\t7", 7},
      {"99999999999999", INT_MAX},
      {"-99999999999999", INT_MIN},
      {"2147483647", INT_MAX},
      {"-2147483648", INT_MIN},
      {"", std::nullopt},
      {"x", std::nullopt},
      {"+", std::nullopt},
      {"-", std::nullopt},
      {".", std::nullopt},
      {"- 1", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(LeadingNumber(c.text), c.expected) << c.text;
}
