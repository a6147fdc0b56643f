// Holiday date rules: Easter (Gregorian computus after 1582, Julian up to
// 1582) and the n-th weekday of a month. Results are date texts
// "dd/mm/yyyy", the form in which every date is compared in the program.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace orsalimbra::core {

// Days of each month of one year, index 1..12 (index 0 is 0).
using MonthLengths = std::array<std::int16_t, 13>;

// Month lengths of `year` by the Gregorian leap-year rule.
MonthLengths MonthLengthsOf(int year);

// Floor division of two 16-bit integers. `b` must not be 0 (gives 0); the
// one quotient beyond 16 bits, -32768 / -1, saturates at 32767.
std::int16_t Div(std::int16_t a, std::int16_t b);

// Easter Sunday of `anno` shifted by `offset` days, as "dd/mm/yyyy".
// Offsets that leave 1 January..31 July give a text that is no valid date.
// Empty when the 16-bit arithmetic overflows (year or offset out of reach).
std::optional<std::string> Pasqua(int anno, int offset);

// The `nt`-th weekday `dd` (1 Monday .. 7 Sunday, 0 as Sunday) of month `mm`
// of year `yy`, as "dd/mm/yyyy"; `nt` above 5 means 5, the last one.
// `lengths` is the month-length table of the year model. Empty when `nt` is
// below 1, `mm` is not a month or `yy` is beyond -32767..32767. Where day
// 7 * nt - 6 does not exist in the month, it takes the weekday of the day it
// rolls over to.
std::optional<std::string> NthDayMth(int nt, int dd, int mm, int yy, const MonthLengths& lengths);

}  // namespace orsalimbra::core
