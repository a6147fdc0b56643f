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

inline bool SameMonth(const std::chrono::year_month_day& a, const std::chrono::year_month_day& b) {
  return a.year() == b.year() && a.month() == b.month();
}

}  // namespace orsalimbra::core
