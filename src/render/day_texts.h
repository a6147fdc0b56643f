// What a day of the month grids shows under or beside its number, built in
// one place for the open rows and the boxes: the holiday names of the day,
// and whatever else a day carries, as text items in the order they print.
#pragma once

#include <chrono>
#include <vector>

#include "render/page_inputs.h"
#include "render/text_fit.h"

namespace orsalimbra::render {

struct DayTexts {
  std::vector<TextItem> items;
  // A plain holiday name ("(" begins a remark) puts the day's number in the
  // holiday colour.
  bool holiday = false;
};

// The texts of `day`. Holidays are scanned in index order: the last plain
// name wins the first line; a remark takes the first line only when it is
// free, else the second line in the smaller size (kSecondTextScale), which
// ends the scan. The day's personal dates follow.
DayTexts DayTextsOf(const PageInputs& in, std::chrono::year_month_day day);

// A day's second holiday text against its first.
inline constexpr double kSecondTextScale = 0.8;

}  // namespace orsalimbra::render
