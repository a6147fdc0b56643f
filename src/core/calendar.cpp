#include <cstdio>

#include "core/date_rules.h"
#include "core/year_model.h"

namespace orsalimbra::core {

MonthLengths MonthLengthsOf(int year) {
  MonthLengths days{0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  // The rule itself rather than std::chrono::year, which only covers
  // -32767..32767: the caller's year may be any int.
  if ((year % 4 == 0 && year % 100 != 0) || year % 400 == 0) days[2] = 29;
  return days;
}

std::string DateText(const std::chrono::year_month_day& date) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%02u/%02u/%04d", static_cast<unsigned>(date.day()),
                static_cast<unsigned>(date.month()), static_cast<int>(date.year()));
  return buffer;
}

}  // namespace orsalimbra::core
