#include "core/date_rules.h"

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/date_text.h"

namespace orsalimbra::core {

namespace {

// A 16-bit integer whose arithmetic remembers any overflow, so that Easter is
// computed with exactly the range of the original 16-bit formulas and a
// result out of that range is reported instead of wrapping.
class Int16 {
 public:
  constexpr Int16(std::int32_t v) : value_(v), ok_(Fits(v)) {}  // NOLINT: implicit by design

  constexpr std::int16_t value() const { return static_cast<std::int16_t>(value_); }
  constexpr bool ok() const { return ok_; }

  friend constexpr Int16 operator+(Int16 a, Int16 b) { return Combine(a, b, a.value_ + b.value_); }
  friend constexpr Int16 operator-(Int16 a, Int16 b) { return Combine(a, b, a.value_ - b.value_); }
  friend constexpr Int16 operator*(Int16 a, Int16 b) { return Combine(a, b, a.value_ * b.value_); }
  friend Int16 DivOf(Int16 a, Int16 b) {
    return Combine(a, b, a.ok_ && b.ok_ ? Div(a.value(), b.value()) : 0);
  }

 private:
  static constexpr bool Fits(std::int32_t v) { return v >= INT16_MIN && v <= INT16_MAX; }
  static constexpr Int16 Combine(Int16 a, Int16 b, std::int32_t v) {
    Int16 r(v);
    r.ok_ = r.ok_ && a.ok_ && b.ok_;
    if (!r.ok_) r.value_ = 0;
    return r;
  }

  std::int32_t value_;
  bool ok_;
};

bool IsGregorianLeap(long long y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

}  // namespace

MonthLengths MonthLengthsOf(int year) {
  MonthLengths days{0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  // The rule itself rather than std::chrono::year, which only covers
  // -32767..32767: the caller's year may be any int.
  if (IsGregorianLeap(year)) days[2] = 29;
  return days;
}

std::int16_t Div(std::int16_t a, std::int16_t b) {
  if (b == 0) return 0;
  // Floor division; the one quotient beyond 16 bits (-32768 / -1) saturates.
  std::int32_t q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  if (q > INT16_MAX) q = INT16_MAX;
  return static_cast<std::int16_t>(q);
}

std::optional<std::string> Pasqua(int anno, int offset) {
  if (anno < INT16_MIN || anno > INT16_MAX || offset < INT16_MIN || offset > INT16_MAX) {
    return std::nullopt;
  }
  // The computus in arithmetic form: the paschal full moon from the golden
  // number (h) with the Gregorian solar (s) and lunar (t, x) corrections after
  // 1582 and none up to 1582 (Julian), then the Sunday after it, counted as
  // the day of March (32 is 1 April).
  const Int16 y = anno;
  Int16 s = 0, t = 0, x = 0;
  if (anno > 1582) {
    const Int16 c = DivOf(y, 100);
    s = Int16(2) - c + DivOf(c, 4);
    const Int16 k = DivOf(c - 17, 25);
    t = c - DivOf(c, 4) - DivOf(c - k, 3);
    x = DivOf(Int16(11) * t + 26, 30);
  }
  const Int16 g = y - 1600;
  const Int16 h = g - Int16(19) * DivOf(g + 4, 19);
  const Int16 b = Int16(19) * h - DivOf(Int16(7) * h + x, 11) + t;
  const Int16 e = b - Int16(29) * DivOf(b + 1, 29);
  const Int16 w = DivOf(g, 4) + g + s;
  const Int16 dayOfMarch = Int16(7) * DivOf(w + e - 1, 7) + 30 - w;
  const Int16 shifted = dayOfMarch + offset;
  if (!shifted.ok()) return std::nullopt;

  int d = shifted.value();
  int m = 3;
  if (d < 1) {
    d += 28;
    m = 2;
    if (IsGregorianLeap(anno)) d += 1;
    if (d < 1) {
      m = 1;
      d += 31;
    }
  } else if (d > 31) {
    // Each step of the walk only follows a step that applied: 31 May stays in
    // May instead of falling through the June test into July.
    d -= 31;
    m = 4;
    if (d > 30) {
      d -= 30;
      m = 5;
      if (d > 31) {
        d -= 31;
        m = 6;
        if (d > 30) {
          d -= 30;
          m = 7;
        }
      }
    }
  }
  return DateText(d, m, anno);
}

std::optional<std::string> NthDayMth(int nt, int dd, int mm, int yy, const MonthLengths& lengths) {
  if (nt < 1 || mm < 1 || mm > 12) return std::nullopt;
  if (yy < -32767 || yy > 32767) return std::nullopt;  // beyond the civil calendar's range
  const int n = nt > 5 ? 5 : nt;
  const int first = 7 * n - 6;
  // A day past the month's end (29 February of a common year) rolls over into
  // the next month, which is how its weekday is defined.
  using namespace std::chrono;
  const sys_days firstDay =
      sys_days{year{yy} / month{static_cast<unsigned>(mm)} / day{1}} + days{first - 1};
  const long long wd = weekday{firstDay}.iso_encoding();
  long long d = dd;
  if (d < wd) d += 7;
  long long result = first + d - wd;
  if (result > lengths[mm]) result -= 7;
  return DateText(result, mm, yy);
}

}  // namespace orsalimbra::core
