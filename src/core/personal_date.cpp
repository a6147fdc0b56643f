#include "core/personal_date.h"

#include <algorithm>
#include <utility>

namespace orsalimbra::core {

namespace {

bool EarlierDay(const PersonalDate& a, const PersonalDate& b) {
  return std::chrono::sys_days{a.Date} < std::chrono::sys_days{b.Date};
}

}  // namespace

DayRange PersonalDateRange(int year) {
  using namespace std::chrono;
  return {std::chrono::year{year - 1} / December / 1, std::chrono::year{year + 1} / January / 31};
}

std::vector<PersonalDate> PersonalDatesIn(std::vector<PersonalDate> dates, const DayRange& range) {
  const auto first = std::chrono::sys_days{range.first};
  const auto last = std::chrono::sys_days{range.last};
  std::erase_if(dates, [&](const PersonalDate& d) {
    if (!d.Date.ok()) return true;
    const auto day = std::chrono::sys_days{d.Date};
    return day < first || day > last;
  });
  std::stable_sort(dates.begin(), dates.end(), EarlierDay);
  return dates;
}

std::span<const PersonalDate> PersonalDatesOn(const std::vector<PersonalDate>& sorted,
                                              std::chrono::year_month_day day) {
  const auto [from, to] =
      std::equal_range(sorted.begin(), sorted.end(), PersonalDate{day, {}, {}}, EarlierDay);
  return {from, to};
}

}  // namespace orsalimbra::core
