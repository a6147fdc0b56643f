// The personal dates of a day as texts printed after its holiday texts, in
// their own colour, fitted with them.
#pragma once

#include <chrono>
#include <cstddef>
#include <string_view>
#include <vector>

#include "render/page_inputs.h"
#include "render/text_fit.h"

namespace orsalimbra::render {

// A day shows at most this many personal dates; the others are counted in
// a last "+N" text. More would shrink every text of the cell to nothing.
inline constexpr std::size_t kMaxPersonalTextsPerDay = 6;

// Appends the personal dates of `day` to `items`, after what is there. The
// first text appended begins with `lead` when `items` was empty (the daily
// list keeps a blank after the day number).
void AppendPersonalTexts(std::vector<TextItem>& items, const PageInputs& in,
                         std::chrono::year_month_day day, std::string_view lead = {});

}  // namespace orsalimbra::render
