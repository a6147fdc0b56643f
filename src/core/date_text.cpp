#include "core/date_text.h"

namespace orsalimbra::core {

std::string Padded(long long value, int width) {
  // The magnitude as unsigned, so that the most negative value has one too.
  const unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                                 : static_cast<unsigned long long>(value);
  std::string digits = std::to_string(magnitude);
  if (static_cast<int>(digits.size()) < width) digits.insert(0, width - digits.size(), '0');
  return value < 0 ? "-" + digits : digits;
}

std::string DateText(long long day, long long month, long long year) {
  return Padded(day, 2) + "/" + Padded(month, 2) + "/" + Padded(year, 4);
}

std::string DateText(const std::chrono::year_month_day& date) {
  return DateText(static_cast<unsigned>(date.day()), static_cast<unsigned>(date.month()),
                  static_cast<int>(date.year()));
}

}  // namespace orsalimbra::core
