// Small date helpers for walking through a month day by day.
#pragma once

#include <chrono>
#include <cstdio>
#include <string>

namespace orsalimbra::render {

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

// "01".."31", "01".."12".
inline std::string TwoDigits(unsigned value) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "%02u", value % 100);
  return buffer;
}

// "yyyy".
inline std::string YearText(const std::chrono::year_month_day& date) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%04d", static_cast<int>(date.year()));
  return buffer;
}

}  // namespace orsalimbra::render
