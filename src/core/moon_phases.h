// Instants of the Moon's four principal phases around a month (Meeus,
// "Astronomical Formulae for Calculators").
#pragma once

#include <array>
#include <string>

namespace orsalimbra::core {

// Slot j of all four arrays belongs to lunation j; each filled slot holds an
// instant "dd/mm/yyyy hh:nn", empty slots hold "".
struct MoonPhaseTable {
  std::array<std::string, 4> NewMoons;
  std::array<std::string, 4> FirstQuarters;
  std::array<std::string, 4> FullMoons;
  std::array<std::string, 4> LastQuarters;
};

// The inputs MoonPhases accepts. Real time zones lie between -12 and +14
// hours; one day either way is the most a local offset may move an instant.
inline constexpr int kMinMoonYear = 1;
inline constexpr int kMaxMoonYear = 9999;
inline constexpr int kMaxUtcOffsetHours = 24;

// The phases of the four lunations that start with the first new moon
// computed for `month` (1..12) of `year`. With `useLocalTime` the instants are
// moved by `utcOffsetHours`; otherwise they are GMT.
//
// The sixteen instants include every phase that falls within the month, for
// every accepted year and offset, plus phases of the neighbouring months;
// readers select by date.
//
// Outside its domain (month not 1..12, year not kMinMoonYear..kMaxMoonYear,
// or, with `useLocalTime`, an offset beyond +-kMaxUtcOffsetHours) the table is
// empty. A slot whose instant would need more than four year digits stays
// empty too (the last lunations computed for December 9999).
MoonPhaseTable MoonPhases(int month, int year, bool useLocalTime, int utcOffsetHours);

}  // namespace orsalimbra::core
