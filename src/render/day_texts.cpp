#include "render/day_texts.h"

#include <string>

#include "core/date_text.h"
#include "render/personal_texts.h"

namespace orsalimbra::render {

DayTexts DayTextsOf(const PageInputs& in, std::chrono::year_month_day day) {
  const std::string dateText = core::DateText(day);
  const core::YearModel& y = in.year;
  const Colour colour = in.choices.colours.DayColour;
  DayTexts texts;
  std::string first;
  std::string second;
  for (int k = 1; k <= y.HolidayCount; ++k) {
    const auto i = static_cast<std::size_t>(k - 1);
    if (i >= y.HolidayDates.size() || i >= y.HolidayNames.size()) break;
    if (y.HolidayDates[i] != dateText) continue;
    const std::string& name = y.HolidayNames[i];
    if (name.empty() || name.front() != '(') {
      first = name;
      texts.holiday = true;
    } else if (first.empty()) {
      first = name;
    } else {
      second = name;
      break;
    }
  }
  if (!first.empty()) texts.items.push_back({first, colour});
  if (!second.empty()) texts.items.push_back({second, colour, kSecondTextScale, true});
  AppendPersonalTexts(texts.items, in, day);
  return texts;
}

}  // namespace orsalimbra::render
