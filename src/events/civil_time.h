// libical times as plain numbers: seconds and days of the proleptic
// Gregorian calendar counted from 1970-01-01, without any zone.
#pragma once

#include <libical/ical.h>

#include <chrono>
#include <cstdint>

namespace orsalimbra::events {

using Seconds = std::int64_t;
inline constexpr Seconds kSecondsPerDay = 86400;

// A date of the years 1 to 9999 that exists; for a date-time also a time of
// day that exists (a leap second is let through as the second before).
bool IsRealTime(const icaltimetype& t);

// The seconds of a date-time, or of a date's midnight, as written.
Seconds CivilSeconds(const icaltimetype& t);
std::chrono::sys_days CivilDay(const icaltimetype& t);
std::chrono::sys_days DayOfSeconds(Seconds s);

// A date-time without zone.
icaltimetype CivilTime(Seconds s);
// `like` moved to midnight of `day`, keeping its zone and whether it is a date.
icaltimetype AtDay(const icaltimetype& like, std::chrono::sys_days day);

}  // namespace orsalimbra::events
