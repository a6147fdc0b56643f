// Moon phase instants after Jean Meeus, "Astronomical Formulae for
// Calculators" (mean phase from the lunation number k, periodic corrections,
// then Meeus's conversion of a Julian Day into a calendar date).
//
// The arithmetic follows Meeus's steps in double precision, with Int as
// floor: the printed minutes are cut, never rounded.
#include "core/moon_phases.h"

#include "core/moon_phase_terms.h"

#include <array>
#include <chrono>
#include <cmath>
#include <numbers>
#include <optional>

namespace orsalimbra::core {

namespace {

using namespace std::chrono;

constexpr double kRad = std::numbers::pi / 180.0;

enum Phase { kNewMoon = 0, kFirstQuarter = 1, kFullMoon = 2, kLastQuarter = 3 };

// Int(x) of the method: the largest integer not greater than x.
double Int(double x) { return std::floor(x); }

// An angle in degrees reduced to 0..360 and converted to radians.
double Reduced(double degrees) { return (degrees - 360.0 * Int(degrees / 360.0)) * kRad; }

// Days before the first of each month in a common year.
constexpr std::array<int, 12> kDaysBefore{0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

// The year as a decimal number at the first of the month.
double DecimalYear(int month, int year) {
  double n = 1 + kDaysBefore[month - 1];
  double length = 365;
  if (std::chrono::year{year}.is_leap()) {
    length = 366;
    if (month >= 3) n += 1;
  }
  return year + n / length;
}

// The instant of `phase` in lunation `k`, as a day number reduced by 2400000.
double PhaseDay(double k, Phase phase) {
  const double T = k / 1236.85;
  const double T2 = T * T;
  const double T3 = T2 * T;
  double J = 15020.75933 + 29.53058868 * k + 0.0001178 * T2 - 0.000000155 * T3 +
             0.00033 * std::sin((166.56 + 132.87 * T - 0.009173 * T2) * kRad);
  const double M = Reduced(359.2242 + 29.10535608 * k - 0.0000333 * T2 - 0.00000347 * T3);
  const double Mp = Reduced(306.0253 + 385.81691806 * k + 0.0107306 * T2 + 0.00001236 * T3);
  const double F = Reduced(21.2964 + 390.67050646 * k - 0.0016528 * T2 - 0.00000239 * T3);
  if (phase == kNewMoon || phase == kFullMoon) {
    J += SyzygyCorrection(T, M, Mp, F);
  } else {
    J += QuarterCorrection(T, M, Mp, F, phase == kFirstQuarter);
  }
  return J;
}

struct Instant {
  year_month_day date;
  int hour;
  int minute;
};

// Meeus's conversion of the reduced day number J into a calendar date (Julian
// calendar before 15 October 1582, Gregorian from then on), then moved by the
// local offset. `offsetDays` is 0 for GMT.
Instant InstantOf(double J, double offsetDays) {
  // The day fraction is taken before 2400000 is added, so that it keeps its
  // full precision.
  double f = J - Int(J) + 0.5;
  double Z = Int(J);
  if (f >= 1) {
    f -= 1;
    Z += 1;
  }
  Z += 2400000;

  double A = Z;
  if (Z > 2299160) {
    const double alpha = Int((Z - 1867216.25) / 36524.25);
    A = Z + 1 + alpha - Int(alpha / 4);
  }
  const double B = A + 1524;
  const double C = Int((B - 122.1) / 365.25);
  const double D = Int(365.25 * C);
  const double E = Int((B - D) / 30.6001);
  double d = B - D - Int(30.6001 * E) + f;
  const int m = static_cast<int>(E < 13.5 ? E - 1 : E - 13);
  const int y = static_cast<int>(m > 2.5 ? C - 4716 : C - 4715);

  d += offsetDays;

  // The offset may leave d at day 0 (the last day of the previous month) or
  // past the month's end (continuing into the next month); counting days
  // from the first of the month handles both, across years and February.
  // Days are counted in the Gregorian calendar of the pages, so a Julian
  // 29 February of a year such as 1500 reads as 1 March.
  const double whole = Int(d);
  const double hours = (d - whole) * 24;
  const double h = Int(hours);
  const double minutes = Int((hours - h) * 60);
  const year_month ym = std::chrono::year{y} / month{static_cast<unsigned>(m)};
  const int dayOfMonth = static_cast<int>(whole);
  year_month_day date = ym / day{1};
  if (dayOfMonth >= 1 && dayOfMonth <= static_cast<int>(unsigned{(ym / last).day()})) {
    date = ym / day{static_cast<unsigned>(dayOfMonth)};
  } else {
    date = year_month_day{sys_days{date} + days{dayOfMonth - 1}};
  }
  return {date, static_cast<int>(h), static_cast<int>(minutes)};
}

void PutDigits(std::string& text, std::size_t at, int value, int width) {
  for (int i = width - 1; i >= 0; --i) {
    text[at + static_cast<std::size_t>(i)] = static_cast<char>('0' + value % 10);
    value /= 10;
  }
}

// "dd/mm/yyyy hh:nn"; empty when the year does not fit four digits.
std::string InstantText(const Instant& instant) {
  const int y = static_cast<int>(instant.date.year());
  if (y < 0 || y > 9999) return {};
  std::string text = "00/00/0000 00:00";
  PutDigits(text, 0, static_cast<int>(static_cast<unsigned>(instant.date.day())), 2);
  PutDigits(text, 3, static_cast<int>(static_cast<unsigned>(instant.date.month())), 2);
  PutDigits(text, 6, y, 4);
  PutDigits(text, 11, instant.hour, 2);
  PutDigits(text, 14, instant.minute, 2);
  return text;
}

// k0: the lunation whose new moon is the first one computed.
//
// Meeus's estimate counts 12.3685 lunations a year, a little more than the
// true 12.36827, so it drifts later the further the year lies from 1900. From
// about 2400 on the last quarter before lunation k0 may fall within the month
// and would be missing from the table; start a lunation earlier while that
// happens. For 1600..2399 the estimate is never stepped back, so the table is
// the one of Meeus's steps. (Before 1900 the drift is the other way, towards
// earlier lunations, which only adds phases of the previous month.)
double FirstLunation(int month, int year, double offsetDays) {
  double k0 = Int((DecimalYear(month, year) - 1900) * 12.3685);
  const sys_days first =
      std::chrono::year{year} / std::chrono::month{static_cast<unsigned>(month)} / day{1};
  // Two lunations of drift at year 9999; the bound only guards the loop.
  for (int step = 0; step < 8; ++step) {
    const Instant before = InstantOf(PhaseDay(k0 - 0.25, kLastQuarter), offsetDays);
    if (sys_days{before.date} < first) break;
    k0 -= 1;
  }
  return k0;
}

}  // namespace

MoonPhaseTable MoonPhases(int month, int year, bool useLocalTime, int utcOffsetHours) {
  MoonPhaseTable table;
  if (month < 1 || month > 12 || year < kMinMoonYear || year > kMaxMoonYear) return table;
  if (useLocalTime && (utcOffsetHours < -kMaxUtcOffsetHours || utcOffsetHours > kMaxUtcOffsetHours))
    return table;
  const double offsetDays = useLocalTime ? utcOffsetHours / 24.0 : 0.0;

  const double k0 = FirstLunation(month, year, offsetDays);
  std::array<std::string, 4>* arrays[] = {&table.NewMoons, &table.FirstQuarters, &table.FullMoons,
                                          &table.LastQuarters};
  for (int i = 0; i < 16; ++i) {
    const double k = k0 + 0.25 * i;
    const auto phase = static_cast<Phase>(i % 4);
    const Instant instant = InstantOf(PhaseDay(k, phase), offsetDays);
    (*arrays[phase])[static_cast<std::size_t>(i / 4)] = InstantText(instant);
  }
  return table;
}

}  // namespace orsalimbra::core
