// A date the user brings from a calendar file of their own: a birthday, an
// anniversary, a school holiday, an appointment. It never makes a day a
// holiday; it is printed after the holiday names of its day.
#pragma once

#include <chrono>
#include <span>
#include <string>
#include <vector>

namespace orsalimbra::core {

struct PersonalDate {
  std::chrono::year_month_day Date;
  // UTF-8, one line, without control characters.
  std::string Text;
  // The calendar file it came from, as the user named it.
  std::string File;
};

// The days whose personal dates a calendar of `year` keeps: the year, and
// December before and January after it, which the half-year pages show.
// Kept whatever the layout, so that a change of layout alone, which builds
// no new model, never prints a neighbouring month without its dates.
struct DayRange {
  std::chrono::year_month_day first;
  std::chrono::year_month_day last;
};
DayRange PersonalDateRange(int year);

// The dates of `dates` that fall in `range`, sorted by day; dates of one
// day keep their order.
std::vector<PersonalDate> PersonalDatesIn(std::vector<PersonalDate> dates, const DayRange& range);

// The dates of `day` in `sorted` (sorted by day), in their order.
std::span<const PersonalDate> PersonalDatesOn(const std::vector<PersonalDate>& sorted,
                                              std::chrono::year_month_day day);

}  // namespace orsalimbra::core
