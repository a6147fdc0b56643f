#include "core/holiday_rules.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "core/date_text.h"

using namespace orsalimbra::core;

namespace {

std::string DateOf(const HolidayRule& rule, int year) {
  const auto d = BaseDate(rule, year);
  return d ? DateText(std::chrono::year_month_day{*d}) : "none";
}

// Every extended form, with what it gives in a few years. The degree sign is
// UTF-8 here, as the reader hands keys over after decoding the file.
TEST(HolidayRules, ExtendedKeysGiveTheirDates) {
  const struct {
    const char* key;
    int year;
    const char* date;
  } cases[] = {
      {"(2026-)04/10", 2025, "none"},        // from a year on
      {"(2026-)04/10", 2026, "04/10/2026"},  //
      {"(-2023)+26", 2023, "05/05/2023"},    // up to a year: Store bededag
      {"(-2023)+26", 2024, "none"},          //
      {"(-2023)-2", 2023, "07/04/2023"},     // a negative offset
      {"(1-)+200", 2026, "22/10/2026"},      // beyond July, unlike the classic form
      {"(2021-)3\u00b01/01", 2026, "19/01/2026"},
      {"(2021-2030)5\u00b01/05", 2030, "27/05/2030"},  // 5: the last
      {"(2021-2030)5\u00b01/05", 2031, "none"},
      {"(2021-2030)5\u00b01/05", 2020, "none"},
      {"(2023)08/05", 2023, "08/05/2023"},  // one year only
      {"(2023)08/05", 2024, "none"},
      {"(2024-)29/02", 2027, "none"},  // no such day that year
      {"(2024-)29/02", 2028, "29/02/2028"},
      {"6>20/06", 2026, "20/06/2026"},  // on the anchor day itself
      {"6>20/06", 2027, "26/06/2027"},  // six days after it
      {"5>19/06", 2026, "19/06/2026"},
      {"6>31/10", 2027, "06/11/2027"},  // into the next month
      {"1<24/05", 2026, "18/05/2026"},  // on or before
      {"1<24/05", 2027, "24/05/2027"},
      {"7<02/01", 2027, "27/12/2026"},  // into the year before
      {"6>29/02", 2027, "none"},        // an anchor the year does not have
      {"6>29/02", 2028, "04/03/2028"},
      {"27/04=7<", 2025, "27/04/2025"},  // the date before any shift
  };
  for (const auto& c : cases) {
    const HolidayRule rule = ParseHolidayRule(c.key);
    EXPECT_FALSE(rule.classic) << c.key;
    EXPECT_EQ(DateOf(rule, c.year), c.date) << c.key << " " << c.year;
  }
}

// Keys of the classic forms, and extended keys with a fault, stay classic:
// they are read exactly as before the extended forms existed.
TEST(HolidayRules, ClassicAndMalformedKeysStayClassic) {
  const std::vector<std::string> keys{
      "25/12",
      "+1",
      "-47",
      "+0",
      "2\u00b07/05",
      "5\u00b01/05",
      "1\u00b01/1",
      "+49.5",
      "xx",
      "",
      "31/02",  // no such day, still the classic fixed date
      "25/12+",
      "25/12=",    // a shift without weekdays
      "25/12+67",  // weekdays without a direction
      "25/12+8>",
      "25/12+0>",     // no such weekday
      "25/12+6<6>",   // a weekday in two groups
      "25/12+6<7>1",  // a target after two groups
      "25/12+6>12",   // a target of two weekdays
      "25/12*67>",    // no shift sign
      "04/10 =7<",    // a blank inside
      "(2026)",
      "(2026-)",  // years without a rule
      "()04/10",
      "(-)04/10",          // no year
      "(2030-2020)04/10",  // an empty range
      "(20260-)04/10",     // five digits
      "(2026-04/10",       // unclosed
      "(2026-)31/04",
      "(2026-)4/10",
      "(2026-)04/10x",
      "(2026-)+1000",
      "(2026-)+",
      "(2026-)+1.5",
      "(2026-)6\u00b01/05",
      "(2026-)1\u00b08/05",
      "(2026-)1\u00b01/13",
      "(2026-)1\u00b01-05",
      "6>32/01",
      "8>20/06",
      "6>20/06x",
      "6>>20/06",
      "27/04=7<+6>",  // two shifts
  };
  for (const std::string& key : keys) {
    const HolidayRule rule = ParseHolidayRule(key);
    EXPECT_TRUE(rule.classic) << key;
    EXPECT_EQ(rule.key, key);
  }
  EXPECT_EQ(ParseHolidayRule("+1").base, RuleBase::EasterOffset);
  EXPECT_EQ(ParseHolidayRule("2\u00b07/05").base, RuleBase::NthWeekday);
  EXPECT_EQ(ParseHolidayRule("25/12+8>").base, RuleBase::FixedDate);
}

// The three classic rules, as every earlier version of the program applies
// them, give each extended key a text that is no day's date text, so a data
// file with extended rows adds nothing to the calendars of such a version.
TEST(HolidayRules, ClassicReadingOfExtendedKeysNeverMatchesADay) {
  const std::vector<std::string> keys{
      "(2026-)04/10",
      "(-2023)+26",
      "(-2023)-2",
      "(2021-)3\u00b01/01",
      "(2023)08/05",
      "(100-9999)01/01",
      "6>20/06",
      "5>19/06",
      "1<24/05",
      "27/04=7<",
      "25/12+67>",
      "25/12+6<7>",
      "(2021-)19/06+6<7>",
      "(2023-)01/02=23467>1",
      "(1-)+0",
      "(1-)5\u00b07/12",
  };
  for (const std::string& key : keys) {
    ASSERT_FALSE(ParseHolidayRule(key).classic) << key;
    for (const int year :
         {100, 999, 1582, 1583, 2000, 2023, 2024, 2025, 2026, 2027, 2028, 2100, 9999}) {
      const std::string text = ClassicHolidayDate(key, year);
      EXPECT_FALSE(DayOfDateText(text)) << key << " read the classic way gives " << text;
    }
    EXPECT_NE(ClassicMonthText(key), "01") << key;  // no copy for the semester layout
    EXPECT_NE(ClassicMonthText(key), "12") << key;
  }
}

TEST(HolidayRules, DayOfDateTextAcceptsOnlyTheTextOfADay) {
  const struct {
    const char* text;
    bool day;
  } cases[] = {
      {"25/12/2026", true},  {"29/02/2028", true},  {"01/01/0100", true},   {"29/02/2027", false},
      {"5/12/2026", false},  {"25/12/226", false},  {"25/12/2026x", false}, {"xx/2026", false},
      {"", false},           {"53/07/2026", false}, {"00/01/2026", false},  {"25/13/2026", false},
      {"25-12-2026", false}, {"+5/12/2026", false}, {"25/12/02026", false},
  };
  for (const auto& c : cases) EXPECT_EQ(DayOfDateText(c.text).has_value(), c.day) << c.text;
}

}  // namespace
