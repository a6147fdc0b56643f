#include "core/holiday_rules.h"

#include "core/date_rules.h"
#include "core/date_text.h"
#include "core/leading_number.h"
#include "core/utf8.h"

namespace orsalimbra::core {

namespace {

using namespace std::chrono;

constexpr std::string_view kDegreeSign = "\u00b0";

RuleBase ClassicBaseOf(std::string_view key) {
  if (!key.empty() && (key.front() == '+' || key.front() == '-')) return RuleBase::EasterOffset;
  if (Characters(key, 1, 1) == kDegreeSign) return RuleBase::NthWeekday;
  return RuleBase::FixedDate;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads an extended key from left to right; a read that fails leaves the
// cursor where it was.
class KeyCursor {
 public:
  explicit KeyCursor(std::string_view text) : text_(text) {}

  bool AtEnd() const { return text_.empty(); }
  bool Next(std::string_view what) const { return text_.substr(0, what.size()) == what; }
  bool Take(std::string_view what) {
    if (!Next(what)) return false;
    text_.remove_prefix(what.size());
    return true;
  }
  // A number of `minDigits` to `maxDigits` digits.
  std::optional<int> Number(std::size_t minDigits, std::size_t maxDigits) {
    std::size_t n = 0;
    int value = 0;
    while (n < text_.size() && n < maxDigits && IsDigit(text_[n]))
      value = value * 10 + text_[n++] - '0';
    if (n < minDigits || (n < text_.size() && IsDigit(text_[n]))) return std::nullopt;
    text_.remove_prefix(n);
    return value;
  }
  // One digit 1..7, whatever follows.
  std::optional<int> Weekday() {
    if (text_.empty() || text_[0] < '1' || text_[0] > '7') return std::nullopt;
    const int w = text_[0] - '0';
    text_.remove_prefix(1);
    return w;
  }
  // "dd/mm", two digits each, a day that exists in a leap year.
  bool Date(int& day, int& month) {
    const KeyCursor start = *this;
    const std::optional<int> d = Number(2, 2);
    const bool slash = d && Take("/");
    const std::optional<int> m = slash ? Number(2, 2) : std::nullopt;
    if (!m || !(year{2000} / *m / *d).ok()) {
      *this = start;
      return false;
    }
    day = *d;
    month = *m;
    return true;
  }

 private:
  std::string_view text_;
};

// "(Y)", "(Y-)", "(-Y)" or "(Y-Z)" with years of one to four digits.
bool ReadYears(KeyCursor& c, HolidayRule& rule) {
  const std::optional<int> first = c.Number(1, 4);
  const bool range = c.Take("-");
  const std::optional<int> last = range ? c.Number(1, 4) : first;
  if (!c.Take(")") || (!first && !last)) return false;
  if (first) rule.firstYear = *first;
  if (last) rule.lastYear = *last;
  return rule.firstYear <= rule.lastYear;
}

// The weekday groups after "=" or "+".
bool ReadShift(KeyCursor& c, HolidayRule& rule) {
  int groups = 0;
  while (!c.AtEnd()) {
    int weekdays[7];
    int n = 0;
    while (n < 7) {
      const std::optional<int> w = c.Weekday();
      if (!w) break;
      weekdays[n++] = *w;
    }
    if (n == 0) return false;
    if (c.AtEnd()) {  // a target weekday ends a single group
      if (groups != 1 || n != 1) return false;
      rule.target = weekdays[0];
      return true;
    }
    const std::int8_t direction = c.Take("<") ? -1 : c.Take(">") ? 1 : 0;
    if (direction == 0) return false;
    for (int k = 0; k < n; ++k) {
      if (rule.direction[weekdays[k]] != 0) return false;  // a weekday in two groups
      rule.direction[weekdays[k]] = direction;
    }
    ++groups;
  }
  return groups > 0;
}

// The extended reading of `key`; false when the key is of no extended form.
bool ReadExtended(std::string_view key, HolidayRule& rule) {
  KeyCursor c(key);
  const bool years = c.Take("(");
  if (years && !ReadYears(c, rule)) return false;

  if (c.Next("+") || c.Next("-")) {
    // Without years in front this is the classic form.
    const bool negative = c.Take("-");
    if (!negative) c.Take("+");
    const std::optional<int> days = c.Number(1, 3);
    if (!years || !days) return false;
    rule.base = RuleBase::EasterOffset;
    rule.offset = negative ? -*days : *days;
    return c.AtEnd();
  }
  if (KeyCursor n = c; n.Number(1, 1) && n.Next(kDegreeSign)) {
    const std::optional<int> nth = c.Number(1, 1);
    c.Take(kDegreeSign);
    const std::optional<int> weekday = c.Weekday();
    const std::optional<int> month = c.Take("/") ? c.Number(1, 2) : std::nullopt;
    if (!years || !nth || *nth < 1 || *nth > 5 || !weekday || !month || *month < 1 || *month > 12) {
      return false;
    }
    rule.base = RuleBase::NthWeekday;
    rule.nth = *nth;
    rule.weekday = *weekday;
    rule.month = *month;
    return c.AtEnd();
  }
  if (KeyCursor w = c; w.Weekday() && (w.Next(">") || w.Next("<"))) {
    rule.weekday = *c.Weekday();
    rule.base = c.Take(">") ? RuleBase::WeekdayOnOrAfter : RuleBase::WeekdayOnOrBefore;
    c.Take("<");
    return c.Date(rule.day, rule.month) && c.AtEnd();
  }
  if (!c.Date(rule.day, rule.month)) return false;
  rule.base = RuleBase::FixedDate;
  if (c.AtEnd()) return years;  // a plain dd/mm is the classic form
  rule.shift = c.Take("=") ? Shift::Move : c.Take("+") ? Shift::Substitute : Shift::None;
  return rule.shift != Shift::None && ReadShift(c, rule);
}

}  // namespace

HolidayRule ParseHolidayRule(std::string_view key) {
  HolidayRule rule;
  if (ReadExtended(key, rule)) {
    rule.classic = false;
    rule.key = key;
    return rule;
  }
  HolidayRule classic;
  classic.base = ClassicBaseOf(key);
  classic.key = key;
  return classic;
}

std::string ClassicHolidayDate(std::string_view key, int year) {
  const int number = LeadingNumber(key).value_or(0);
  switch (ClassicBaseOf(key)) {
    case RuleBase::EasterOffset:
      return Pasqua(year, number).value_or("");
    case RuleBase::NthWeekday: {
      const int weekday = LeadingNumber(Characters(key, 2, 1)).value_or(0);
      const int month = LeadingNumber(Characters(key, 4)).value_or(0);
      return NthDayMth(number, weekday, month, year, MonthLengthsOf(year)).value_or("");
    }
    default:
      return std::string(key) + "/" + Padded(year, 4);
  }
}

std::string_view ClassicMonthText(std::string_view key) {
  switch (ClassicBaseOf(key)) {
    case RuleBase::EasterOffset:
      return {};
    case RuleBase::NthWeekday:
      return Characters(key, 4);
    default:
      return Characters(key, 3);
  }
}

std::optional<sys_days> BaseDate(const HolidayRule& rule, int y) {
  // One year of margin inside the civil calendar's range for the shifts.
  if (!rule.HoldsIn(y) || y < -32000 || y > 32000) return std::nullopt;
  const year yy{y};
  const auto anchor = [&]() -> std::optional<sys_days> {
    const year_month_day date = yy / rule.month / rule.day;
    if (!date.ok()) return std::nullopt;
    return sys_days{date};
  };
  const weekday wd{static_cast<unsigned>(rule.weekday)};
  switch (rule.base) {
    case RuleBase::FixedDate:
      return anchor();
    case RuleBase::EasterOffset: {
      const std::optional<sys_days> easter = DayOfDateText(Pasqua(y, 0).value_or(""));
      if (!easter) return std::nullopt;
      return *easter + days{rule.offset};
    }
    case RuleBase::NthWeekday: {
      const month m{static_cast<unsigned>(rule.month)};
      if (rule.nth >= 5) return sys_days{yy / m / wd[last]};
      return sys_days{yy / m / wd[static_cast<unsigned>(rule.nth)]};
    }
    case RuleBase::WeekdayOnOrAfter: {
      const std::optional<sys_days> from = anchor();
      if (!from) return std::nullopt;
      return *from + (wd - weekday{*from});
    }
    case RuleBase::WeekdayOnOrBefore: {
      const std::optional<sys_days> from = anchor();
      if (!from) return std::nullopt;
      return *from - (weekday{*from} - wd);
    }
  }
  return std::nullopt;
}

std::optional<sys_days> DayOfDateText(std::string_view text) {
  if (text.size() < 10 || text[2] != '/' || text[5] != '/' || !IsDigit(text[0]) ||
      !IsDigit(text[3]) || !IsDigit(text[6])) {
    return std::nullopt;
  }
  const std::optional<int> d = LeadingNumber(text.substr(0, 2));
  const std::optional<int> m = LeadingNumber(text.substr(3, 2));
  const std::optional<int> y = LeadingNumber(text.substr(6));
  if (!d || !m || !y || *y > 32767) return std::nullopt;
  const year_month_day date = year{*y} / *m / *d;
  // Only the one spelling that DateText gives a day names it.
  if (!date.ok() || DateText(date) != text) return std::nullopt;
  return sys_days{date};
}

}  // namespace orsalimbra::core
