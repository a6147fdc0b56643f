#include "events/recurrence.h"

#include <algorithm>
#include <cstdlib>

#include "events/civil_time.h"
#include "events/ical_handles.h"
#include "events/simple_rule.h"

namespace orsalimbra::events {

namespace {

template <std::size_t N, typename Valid>
bool AllValid(const short (&values)[N], Valid valid) {
  for (std::size_t i = 0; i < ValueCount(values); ++i) {
    if (!valid(values[i])) return false;
  }
  return true;
}

bool InRange(int v, int low, int high) { return v >= low && v <= high; }
bool SignedInRange(int v, int high) { return v != 0 && InRange(std::abs(v), 1, high); }

int MonthOf(short encoded) { return icalrecurrencetype_month_month(encoded); }

// The longest a month can be, February of leap years included.
int LongestMonth(int month) {
  if (month == 2) return 29;
  return month == 4 || month == 6 || month == 9 || month == 11 ? 30 : 31;
}

// The most occurrences one period of the rule can hold (a day, a week, a
// month, a year, by its frequency): the sets BYSETPOS picks from.
std::size_t LargestSet(const icalrecurrencetype& r) {
  const auto atLeastOne = [](std::size_t n) { return std::max<std::size_t>(1, n); };
  const std::size_t months = ValueCount(r.by_month);
  // Weekdays of a period: a place names one, a bare weekday up to five a
  // month (or 53 a year).
  std::size_t weekdays = 0;
  for (std::size_t i = 0; i < ValueCount(r.by_day); ++i) {
    const bool placed = icalrecurrencetype_day_position(r.by_day[i]) != 0;
    weekdays += placed                                            ? 1
                : r.freq == ICAL_WEEKLY_RECURRENCE                ? 1
                : r.freq == ICAL_YEARLY_RECURRENCE && months == 0 ? 53
                                                                  : 5 * atLeastOne(months);
  }
  std::size_t days = 1;
  switch (r.freq) {
    case ICAL_YEARLY_RECURRENCE:
      days = ValueCount(r.by_year_day)    ? ValueCount(r.by_year_day)
             : ValueCount(r.by_week_no)   ? 7 * ValueCount(r.by_week_no)
             : ValueCount(r.by_month_day) ? ValueCount(r.by_month_day) * atLeastOne(months)
             : weekdays                   ? weekdays
                                          : atLeastOne(months);
      break;
    case ICAL_MONTHLY_RECURRENCE:
      days = ValueCount(r.by_month_day) ? ValueCount(r.by_month_day) : atLeastOne(weekdays);
      break;
    case ICAL_WEEKLY_RECURRENCE:
      days = atLeastOne(weekdays);
      break;
    default:
      break;
  }
  return days * atLeastOne(ValueCount(r.by_hour)) * atLeastOne(ValueCount(r.by_minute)) *
         atLeastOne(ValueCount(r.by_second));
}

// Whether the rule's values are within their ranges and its parts allowed for
// its frequency (RFC 5545, 3.3.10).
bool Expandable(const icalrecurrencetype& r) {
  const icalrecurrencetype_frequency f = r.freq;
  if (f != ICAL_YEARLY_RECURRENCE && f != ICAL_MONTHLY_RECURRENCE && f != ICAL_WEEKLY_RECURRENCE &&
      f != ICAL_DAILY_RECURRENCE) {
    return false;
  }
  if (r.interval < 1) return false;
  if (!IsRealTime(r.until) && !icaltime_is_null_time(r.until)) return false;
  const bool scaled = r.rscale != nullptr;
  const bool ok =
      AllValid(r.by_second, [](int v) { return InRange(v, 0, 60); }) &&
      AllValid(r.by_minute, [](int v) { return InRange(v, 0, 59); }) &&
      AllValid(r.by_hour, [](int v) { return InRange(v, 0, 23); }) &&
      AllValid(r.by_month, [&](short v) { return scaled || InRange(MonthOf(v), 1, 12); }) &&
      AllValid(r.by_month_day, [](int v) { return SignedInRange(v, 31); }) &&
      AllValid(r.by_year_day, [](int v) { return SignedInRange(v, 366); }) &&
      AllValid(r.by_week_no, [](int v) { return SignedInRange(v, 53); }) &&
      AllValid(r.by_set_pos, [](int v) { return SignedInRange(v, 366); }) &&
      AllValid(r.by_day, [](short v) {
        const int day = static_cast<int>(icalrecurrencetype_day_day_of_week(v));
        return InRange(day, 1, 7) && std::abs(icalrecurrencetype_day_position(v)) <= 53;
      });
  if (!ok) return false;
  const bool yearly = f == ICAL_YEARLY_RECURRENCE;
  // A weekday's place in a month goes up to 5, in a year up to 53; a set
  // position up to the size of the set. Beyond that libical searches to its
  // last year for a day that never comes.
  const bool inMonths = !yearly || ValueCount(r.by_month) > 0;
  if (!AllValid(r.by_day, [&](short v) {
        return std::abs(icalrecurrencetype_day_position(v)) <= (inMonths ? 5 : 53);
      })) {
    return false;
  }
  const auto largest = static_cast<int>(std::min<std::size_t>(LargestSet(r), 100'000));
  if (!AllValid(r.by_set_pos, [&](int v) { return std::abs(v) <= largest; })) return false;
  if (ValueCount(r.by_week_no) > 0 && !yearly) return false;
  if (ValueCount(r.by_year_day) > 0 && !yearly) return false;
  if (ValueCount(r.by_month_day) > 0 && f == ICAL_WEEKLY_RECURRENCE) return false;
  if (f == ICAL_DAILY_RECURRENCE || f == ICAL_WEEKLY_RECURRENCE ||
      (yearly && ValueCount(r.by_week_no) > 0)) {
    if (!AllValid(r.by_day, [](short v) { return icalrecurrencetype_day_position(v) == 0; })) {
      return false;
    }
  }
  return true;
}

// Whether some month of the rule has some month day of the rule. Without
// one, libical would search to its last year for a date that never comes.
bool MonthDaysCanMeet(const icalrecurrencetype& r) {
  if (r.rscale != nullptr || ValueCount(r.by_month) == 0 || ValueCount(r.by_month_day) == 0)
    return true;
  for (std::size_t m = 0; m < ValueCount(r.by_month); ++m) {
    for (std::size_t d = 0; d < ValueCount(r.by_month_day); ++d) {
      if (std::abs(r.by_month_day[d]) <= LongestMonth(MonthOf(r.by_month[m]))) return true;
    }
  }
  return false;
}

// A yearly rule on 29 February that names no other day: in common years it
// falls on 28 February, as the common calendar programs do (RFC 7529's
// SKIP=BACKWARD), where RFC 5545 alone would skip those years. The simple
// ones (simple_rule.h) make the same choice by arithmetic; this is for those
// left to libical, with times of day of their own.
void KeepLeapDayYearly(icalrecurrencetype& r, const icaltimetype& dtstart) {
  static char gregorian[] = "GREGORIAN";
  if (r.freq != ICAL_YEARLY_RECURRENCE || r.rscale != nullptr || dtstart.month != 2 ||
      dtstart.day != 29 || ValueCount(r.by_day) || ValueCount(r.by_year_day) ||
      ValueCount(r.by_week_no) || ValueCount(r.by_set_pos) || ValueCount(r.by_month) > 1 ||
      ValueCount(r.by_month_day) > 1) {
    return;
  }
  if (ValueCount(r.by_month) == 1 && MonthOf(r.by_month[0]) != 2) return;
  // A BYMONTHDAY without BYMONTH names that day of every month.
  if (ValueCount(r.by_month_day) == 1 && (r.by_month_day[0] != 29 || ValueCount(r.by_month) == 0)) {
    return;
  }
  r.rscale = gregorian;
  r.skip = ICAL_SKIP_BACKWARD;
}

std::string Text(icalrecurrencetype r) {
  char* text = icalrecurrencetype_as_string_r(&r);
  std::string result = text != nullptr ? text : "RRULE";
  icalmemory_free_buffer(text);
  return result;
}

}  // namespace

RuleOutcome ExpandRule(icalrecurrencetype rule, const icaltimetype& dtstart,
                       std::chrono::sys_days from, std::chrono::sys_days to,
                       ExpansionBudget& budget,
                       const std::function<void(const icaltimetype&)>& visit, std::string& why) {
  if (!Expandable(rule)) {
    why = Text(rule);
    return RuleOutcome::Unsupported;
  }
  if (!MonthDaysCanMeet(rule) || from > to) return RuleOutcome::Complete;
  if (IsSimpleRule(rule, dtstart)) return ExpandSimpleRule(rule, dtstart, from, to, budget, visit);
  const icalrecurrencetype asWritten = rule;
  KeepLeapDayYearly(rule, dtstart);
  RecurIteratorPtr it(icalrecur_iterator_new(rule, dtstart));
  // A libical built without ICU knows no calendar scale: RFC 5545 alone then.
  if (!it && rule.rscale != asWritten.rscale) it.reset(icalrecur_iterator_new(asWritten, dtstart));
  if (!it) {
    why = Text(asWritten);
    return RuleOutcome::Unsupported;
  }
  // Starting at the range skips the years before it; libical cannot when a
  // COUNT needs every occurrence from the first.
  if (rule.count == 0 && from > CivilDay(dtstart)) {
    icalrecur_iterator_set_start(it.get(), AtDay(dtstart, from));
  }
  for (std::size_t steps = 0;; ++steps) {
    if (steps == budget.stepsPerRule || budget.stepsLeft == 0 ||
        std::chrono::steady_clock::now() > budget.deadline) {
      return RuleOutcome::Cut;
    }
    --budget.stepsLeft;
    icaltimetype t = icalrecur_iterator_next(it.get());
    if (icaltime_is_null_time(t)) return RuleOutcome::Complete;
    t.zone = dtstart.zone;
    t.is_date = dtstart.is_date;
    if (!IsRealTime(t)) return RuleOutcome::Complete;
    const std::chrono::sys_days day = CivilDay(t);
    if (day > to) return RuleOutcome::Complete;
    if (day >= from) visit(t);
  }
}

}  // namespace orsalimbra::events
