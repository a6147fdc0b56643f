#include "cli/arguments.h"

#include <charconv>
#include <string_view>

#include "core/leading_number.h"

namespace orsalimbra::cli {

std::optional<int> NumberArgument(const std::string& text) { return core::LeadingNumber(text); }

std::optional<int> WholeNumberArgument(const std::string& text) {
  std::string_view digits = text;
  if (digits.size() > 1 && digits.front() == '+') digits.remove_prefix(1);
  int value = 0;
  const char* end = digits.data() + digits.size();
  const auto [stop, error] = std::from_chars(digits.data(), end, value);
  if (digits.empty() || error != std::errc{} || stop != end) return std::nullopt;
  return value;
}

}  // namespace orsalimbra::cli
