#include "core/leading_number.h"

#include <climits>
#include <cstdint>

namespace orsalimbra::core {

namespace {
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

std::optional<int> LeadingNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  // The magnitude is capped just above the int range, so that it never
  // overflows however many digits follow.
  constexpr std::int64_t kCap = std::int64_t{INT_MAX} + 2;
  std::int64_t magnitude = 0;
  bool anyDigit = false;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    anyDigit = true;
    magnitude = magnitude * 10 + (text[i] - '0');
    if (magnitude > kCap) magnitude = kCap;
  }
  bool fraction = false;
  if (i < text.size() && text[i] == '.') {
    for (++i; i < text.size() && IsDigit(text[i]); ++i) {
      anyDigit = true;
      if (text[i] != '0') fraction = true;
    }
  }
  if (!anyDigit) return std::nullopt;
  std::int64_t value = negative ? -magnitude : magnitude;
  // Integer part in the floor sense: -1.5 reads as -2.
  if (negative && fraction) --value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

}  // namespace orsalimbra::core
