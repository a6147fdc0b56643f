#include "render/personal_texts.h"

#include <string>

#include "core/personal_date.h"

namespace orsalimbra::render {

void AppendPersonalTexts(std::vector<TextItem>& items, const PageInputs& in,
                         std::chrono::year_month_day day, std::string_view lead) {
  const auto dates = core::PersonalDatesOn(in.year.PersonalDates, day);
  if (dates.empty()) return;
  const Colour colour = in.choices.colours.PersonalDateColour;
  const std::string prefix(items.empty() ? lead : std::string_view());
  // With more than the cap, the last place tells how many are left out.
  const std::size_t shown =
      dates.size() > kMaxPersonalTextsPerDay ? kMaxPersonalTextsPerDay - 1 : dates.size();
  for (std::size_t i = 0; i < shown; ++i) {
    items.push_back({i == 0 ? prefix + dates[i].Text : dates[i].Text, colour});
  }
  if (shown < dates.size()) {
    items.push_back({"+" + std::to_string(dates.size() - shown), colour});
  }
}

}  // namespace orsalimbra::render
