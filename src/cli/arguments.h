// Reading numbers given on the command line.
#pragma once

#include <optional>
#include <string>

namespace orsalimbra::cli {

// The leading decimal number of an argument, the way the date rules read
// numbers written as text ("05" is 5); empty when it starts with no number.
std::optional<int> NumberArgument(const std::string& text);

// A whole decimal number, optionally signed, and nothing else ("+3", "-12");
// empty for any other text or a value beyond int.
std::optional<int> WholeNumberArgument(const std::string& text);

}  // namespace orsalimbra::cli
