// Helpers of the tests of the calendar import.
#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "core/date_text.h"
#include "events/events_import.h"

namespace orsalimbra::events::test {

inline std::string DataPath(const std::string& name) {
  return std::string(ORSALIMBRA_SOURCE_DIR) + "/tests/events/data/" + name;
}

inline std::chrono::year_month_day Day(int y, unsigned m, unsigned d) {
  return std::chrono::year{y} / std::chrono::month{m} / std::chrono::day{d};
}

// The dates as "dd/mm/yyyy text", in their order.
inline std::vector<std::string> Lines(const ImportResult& result) {
  std::vector<std::string> lines;
  for (const core::PersonalDate& d : result.dates)
    lines.push_back(core::DateText(d.Date) + " " + d.Text);
  return lines;
}

}  // namespace orsalimbra::events::test
