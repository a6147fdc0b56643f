// Walking through a month day by day.
#pragma once

#include <chrono>

namespace orsalimbra::core {

inline std::chrono::year_month_day NextDay(const std::chrono::year_month_day& date) {
  return std::chrono::year_month_day{std::chrono::sys_days{date} + std::chrono::days{1}};
}

// 1 Monday .. 7 Sunday.
inline int WeekdayOf(const std::chrono::year_month_day& date) {
  return static_cast<int>(std::chrono::weekday{std::chrono::sys_days{date}}.iso_encoding());
}

// Days of the month of `date`.
inline unsigned DaysInMonth(const std::chrono::year_month_day& date) {
  return static_cast<unsigned>((date.year() / date.month() / std::chrono::last).day());
}

// Week rows, Monday to Sunday, that the month of `date` spans: 4 to 6.
inline int WeekRows(const std::chrono::year_month_day& date) {
  const std::chrono::year_month_day first = date.year() / date.month() / std::chrono::day{1};
  return (WeekdayOf(first) - 1 + static_cast<int>(DaysInMonth(date)) + 6) / 7;
}

// The ISO 8601 week number of `date`: weeks run Monday to Sunday and belong
// to the year of their Thursday, so 28 December 2026 to 3 January 2027 is
// week 53 and 4 January 2027 starts week 1.
inline int IsoWeekNumber(const std::chrono::year_month_day& date) {
  const std::chrono::sys_days thursday =
      std::chrono::sys_days{date} + std::chrono::days{4 - WeekdayOf(date)};
  const std::chrono::year year = std::chrono::year_month_day{thursday}.year();
  const std::chrono::sys_days newYear{year / std::chrono::January / std::chrono::day{1}};
  return static_cast<int>((thursday - newYear).count() / 7 + 1);
}

inline bool SameMonth(const std::chrono::year_month_day& a, const std::chrono::year_month_day& b) {
  return a.year() == b.year() && a.month() == b.month();
}

}  // namespace orsalimbra::core
