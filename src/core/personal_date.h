// A date the user brings from a calendar file of their own: a birthday, an
// anniversary, a school holiday, an appointment. It never makes a day a
// holiday; it is printed after the holiday names of its day.
#pragma once

#include <chrono>
#include <string>

namespace orsalimbra::core {

struct PersonalDate {
  std::chrono::year_month_day Date;
  // UTF-8, one line, without control characters.
  std::string Text;
  // The calendar file it came from, as the user named it.
  std::string File;
};

}  // namespace orsalimbra::core
