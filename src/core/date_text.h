// Date texts "dd/mm/yyyy": the form in which every date is stored and
// compared in the program (holiday dates, the day being drawn).
#pragma once

#include <chrono>
#include <string>

namespace orsalimbra::core {

// `value` with at least `width` digits, zero-padded; a minus sign goes in
// front of the padded digits ("-05").
std::string Padded(long long value, int width);

// Day and month with at least two digits, the year with at least four. Any
// numbers are written, also ones that name no date (a day 0 or 32).
std::string DateText(long long day, long long month, long long year);

std::string DateText(const std::chrono::year_month_day& date);

}  // namespace orsalimbra::core
