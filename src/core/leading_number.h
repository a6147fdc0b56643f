// Reading the leading decimal number of a text, the way the data file and the
// date rules take numbers written as text ("05" is 5, "2°7/05" starts with 2).
#pragma once

#include <optional>
#include <string_view>

namespace orsalimbra::core {

// The integer part (largest whole number not greater) of the decimal number at
// the start of `text`: optional blanks (space or tab), an optional sign, digits
// with an optional fractional part ("1.5", ".5"). Values beyond the range of
// int saturate at its limits. Empty when the text does not start with a
// number.
std::optional<int> LeadingNumber(std::string_view text);

}  // namespace orsalimbra::core
