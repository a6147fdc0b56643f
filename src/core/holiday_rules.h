// The rule of one holiday row: the key of a row of the holiday section, read
// either in one of the three classic forms (fixed date, Easter offset, n-th
// weekday of a month) or in one of the extended forms that let holidays move
// with the weekday, bring a substitute day, or hold only from or until a year.
//
// Every extended key is one that a reader knowing only the classic forms takes
// for a fixed date of no real day (it does not start with a sign, its second
// character is no degree sign, and it is longer than "dd/mm"), so a data file
// with extended rows stays harmless to such readers; and every key of a
// classic form that can match a day is still read the classic way.
//
// Extended keys, each optionally preceded by the years it holds in: (Y) that
// year only, (Y-) from Y on, (-Y) up to Y, (Y-Z) from Y to Z.
//   dd/mm        fixed date                      (2026-)04/10
//   +n, -n       Easter offset                   (-2023)+26
//   N°G/MM       n-th weekday of a month         (2021-)3°1/01
//   G>dd/mm      weekday G on or after dd/mm     6>20/06
//   G<dd/mm      weekday G on or before dd/mm    1<24/05
//   dd/mm=SHIFT  moved when on given weekdays    27/04=7<
//   dd/mm+SHIFT  a substitute day added          25/12+67>
// The first three need the years in front (without them they are the classic
// forms). SHIFT: groups of weekdays (1 Monday .. 7 Sunday), each followed by
// "<" (search before the date) or ">" (search after it), as in 6<7>
// (Saturday: a day before; Sunday: a day after); a single group may end with
// a target weekday, as in 23467>1 (the next Monday). The day searched for is
// the first one in that direction that is no holiday of the entry and falls
// on the target weekday or, without one, on none of the shift's weekdays.
#pragma once

#include <array>
#include <chrono>
#include <climits>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orsalimbra::core {

enum class RuleBase {
  FixedDate,          // dd/mm
  EasterOffset,       // days from Easter Sunday
  NthWeekday,         // the n-th (5: last) weekday of a month
  WeekdayOnOrAfter,   // the first given weekday on or after dd/mm
  WeekdayOnOrBefore,  // the last given weekday on or before dd/mm
};

enum class Shift {
  None,
  Move,        // the holiday itself goes to the day searched for
  Substitute,  // the holiday stays and the day searched for is added
};

struct HolidayRule {
  // A classic key is evaluated from its text alone, exactly as before the
  // extended forms existed (ClassicHolidayDate); of the fields below it sets
  // only `base` (FixedDate also for a key of no known form).
  bool classic = true;
  RuleBase base = RuleBase::FixedDate;
  std::string_view key;  // the key text

  // Extended rules.
  int firstYear = INT_MIN;
  int lastYear = INT_MAX;
  int day = 0;      // fixed date or anchor date
  int month = 0;    // fixed date, anchor date, or the n-th weekday's month
  int offset = 0;   // Easter offset
  int nth = 0;      // 1..5
  int weekday = 0;  // 1 Monday .. 7 Sunday: the n-th or the anchored weekday
  Shift shift = Shift::None;
  // Per weekday (index 1..7): -1 search before, +1 after, 0 no shift.
  std::array<std::int8_t, 8> direction{};
  int target = 0;  // weekday of the day searched for; 0: any not shifted

  bool HoldsIn(int year) const { return year >= firstYear && year <= lastYear; }
};

// Reads a holiday key. A key of an extended form gives an extended rule; any
// other key (also a malformed extended one) a classic rule.
HolidayRule ParseHolidayRule(std::string_view key);

// The date text a classic reader gives `key` in `year`: the key and "/" and
// the year for a fixed date (or a key of no known form), the Easter offset by
// its leading number, the n-th weekday from the key's first, third and fifth
// characters on; empty where the rule gives no date.
std::string ClassicHolidayDate(std::string_view key, int year);

// The month text of a classic key that the semester layout looks at for its
// neighbouring January and December ("01", "12"); empty for an Easter offset.
std::string_view ClassicMonthText(std::string_view key);

// The date of an extended rule's holiday in `year` before any shift; empty
// outside the rule's years or when that year has no such day (29/02).
std::optional<std::chrono::sys_days> BaseDate(const HolidayRule& rule, int year);

// The day of a date text "dd/mm/yyyy", when it names one.
std::optional<std::chrono::sys_days> DayOfDateText(std::string_view text);

}  // namespace orsalimbra::core
