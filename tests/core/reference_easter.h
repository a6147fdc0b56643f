// Easter Sunday by methods other than the program's own computus, so that
// the two check each other (Meeus, "Astronomical Algorithms", chapter 8):
// the anonymous Gregorian algorithm of 1876 (Meeus/Jones/Butcher) after
// 1582, and Meeus's Julian algorithm up to 1582 (a Julian calendar date).
#pragma once

namespace orsalimbra::testing {

struct MonthAndDay {
  int month, day;
};

inline MonthAndDay ReferenceEaster(int y) {
  if (y > 1582) {
    const int a = y % 19, b = y / 100, c = y % 100, d = b / 4, e = b % 4;
    const int f = (b + 8) / 25, g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int n = h + l - 7 * m + 114;
    return {n / 31, n % 31 + 1};
  }
  const int a = y % 4, b = y % 7, c = y % 19;
  const int d = (19 * c + 15) % 30;
  const int e = (2 * a + 4 * b - d + 34) % 7;
  return {(d + e + 114) / 31, (d + e + 114) % 31 + 1};
}

}  // namespace orsalimbra::testing
