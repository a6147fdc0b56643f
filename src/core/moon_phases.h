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

// The phases of the four lunations that start with the first new moon
// computed for `month` (1..12) of `year`. With `useLocalTime` the instants are
// moved by `utcOffsetHours`; otherwise they are GMT.
MoonPhaseTable MoonPhases(int month, int year, bool useLocalTime, int utcOffsetHours);

}  // namespace orsalimbra::core
