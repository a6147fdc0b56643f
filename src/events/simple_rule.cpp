#include "events/simple_rule.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "events/civil_time.h"

namespace orsalimbra::events {

namespace {

using namespace std::chrono;

// libical numbers weekdays 1 = Sunday .. 7 = Saturday.
weekday WeekdayOf(int libical) { return weekday{static_cast<unsigned>(libical - 1)}; }

bool NamesOnly(const short* values, std::size_t count, int value) {
  return count == 0 || (count == 1 && values[0] == value);
}

// Day `d` of `ym`, or the last day of the month where `d` is beyond it
// (29 February of a common year).
sys_days DayOfMonth(year_month ym, unsigned d) {
  const year_month_day date = ym / day{d};
  return date.ok() ? sys_days{date} : sys_days{ym / last};
}

Seconds WholeDays(sys_days a, sys_days b) { return (b - a).count(); }

// The n-th (1..4) or last weekday of a month.
struct NthWeekday {
  weekday day;
  int n = 0;  // -1: the last; 0: none
  sys_days In(year_month ym) const {
    return n > 0 ? sys_days{ym / day[static_cast<unsigned>(n)]} : sys_days{ym / day[last]};
  }
};

// The BYDAY value `encoded` as an n-th weekday that every month has, when
// it names the day of `dtstart`; none otherwise.
NthWeekday NthWeekdayOf(short encoded, const icaltimetype& dtstart) {
  const int n = icalrecurrencetype_day_position(encoded);
  const int d = static_cast<int>(icalrecurrencetype_day_day_of_week(encoded));
  if (n < -1 || n == 0 || n > 4 || d < 1 || d > 7) return {};
  const NthWeekday nth{WeekdayOf(d), n};
  const year_month_day start{CivilDay(dtstart)};
  if (nth.In(start.year() / start.month()) != CivilDay(dtstart)) return {};
  return nth;
}

}  // namespace

bool IsSimpleRule(const icalrecurrencetype& r, const icaltimetype& dtstart) {
  if (r.rscale != nullptr || r.interval < 1 || ValueCount(r.by_second) || ValueCount(r.by_minute) ||
      ValueCount(r.by_hour) || ValueCount(r.by_year_day) || ValueCount(r.by_week_no) ||
      ValueCount(r.by_set_pos)) {
    return false;
  }
  const std::size_t days = ValueCount(r.by_day), monthDays = ValueCount(r.by_month_day),
                    months = ValueCount(r.by_month);
  switch (r.freq) {
    case ICAL_DAILY_RECURRENCE:
      return days == 0 && monthDays == 0 && months == 0;
    case ICAL_WEEKLY_RECURRENCE: {
      if (monthDays != 0 || months != 0) return false;
      const weekday start = weekday{CivilDay(dtstart)};
      bool startAmong = days == 0;
      for (std::size_t i = 0; i < days; ++i) {
        if (icalrecurrencetype_day_position(r.by_day[i]) != 0) return false;
        const int d = static_cast<int>(icalrecurrencetype_day_day_of_week(r.by_day[i]));
        if (d < 1 || d > 7) return false;
        startAmong = startAmong || WeekdayOf(d) == start;
      }
      return startAmong;
    }
    case ICAL_MONTHLY_RECURRENCE:
      if (months != 0) return false;
      if (days == 1) return monthDays == 0 && NthWeekdayOf(r.by_day[0], dtstart).n != 0;
      return days == 0 && dtstart.day <= 28 && NamesOnly(r.by_month_day, monthDays, dtstart.day);
    case ICAL_YEARLY_RECURRENCE:
      // A BYMONTHDAY without BYMONTH names that day of every month.
      if (days != 0 || (monthDays != 0 && months == 0)) return false;
      return NamesOnly(r.by_month_day, monthDays, dtstart.day) &&
             (months == 0 ||
              (months == 1 && icalrecurrencetype_month_month(r.by_month[0]) == dtstart.month &&
               !icalrecurrencetype_month_is_leap(r.by_month[0])));
    default:
      return false;
  }
}

RuleOutcome ExpandSimpleRule(const icalrecurrencetype& r, const icaltimetype& dtstart,
                             sys_days from, sys_days to, ExpansionBudget& budget,
                             const std::function<void(const icaltimetype&)>& visit) {
  const sys_days first = CivilDay(dtstart);
  const Seconds interval = r.interval;
  const year_month_day start{first};
  const NthWeekday nth = r.freq == ICAL_MONTHLY_RECURRENCE && ValueCount(r.by_day) == 1
                             ? NthWeekdayOf(r.by_day[0], dtstart)
                             : NthWeekday{};

  // The days of a period after its first day, in order: a week has those of
  // BYDAY, counted from WKST; other periods have one day.
  std::vector<Seconds> offsets{0};
  sys_days firstPeriod = first;
  if (r.freq == ICAL_WEEKLY_RECURRENCE) {
    const weekday weekStart =
        r.week_start == ICAL_NO_WEEKDAY ? Monday : WeekdayOf(static_cast<int>(r.week_start));
    firstPeriod = first - (weekday{first} - weekStart);
    offsets.clear();
    for (std::size_t i = 0; i < ValueCount(r.by_day); ++i) {
      const weekday d =
          WeekdayOf(static_cast<int>(icalrecurrencetype_day_day_of_week(r.by_day[i])));
      offsets.push_back((d - weekStart).count());
    }
    if (offsets.empty()) offsets.push_back((weekday{first} - weekStart).count());
    std::sort(offsets.begin(), offsets.end());
    offsets.erase(std::unique(offsets.begin(), offsets.end()), offsets.end());
  }
  // The first day of period `j`; nothing beyond the year 9999.
  const auto periodDay = [&](Seconds j) -> std::optional<sys_days> {
    sys_days d;
    if (r.freq == ICAL_DAILY_RECURRENCE || r.freq == ICAL_WEEKLY_RECURRENCE) {
      d = r.freq == ICAL_DAILY_RECURRENCE ? first + days{j * interval}
                                          : firstPeriod + days{7 * j * interval};
    } else {
      // Months from the start of year 0, to keep clear of the range of year.
      const Seconds step = r.freq == ICAL_MONTHLY_RECURRENCE ? 1 : 12;
      const Seconds month =
          int{start.year()} * Seconds{12} + unsigned{start.month()} - 1 + j * interval * step;
      if (month / 12 > 9999) return std::nullopt;
      const year_month ym{year{static_cast<int>(month / 12)},
                          std::chrono::month{static_cast<unsigned>(month % 12 + 1)}};
      d = nth.n != 0 ? nth.In(ym) : DayOfMonth(ym, unsigned{start.day()});
    }
    if (year_month_day{d}.year() > year{9999}) return std::nullopt;
    return d;
  };
  // Occurrences of the first period: those on or after DTSTART.
  const auto firstCount = static_cast<Seconds>(std::count_if(
      offsets.begin(), offsets.end(), [&](Seconds o) { return firstPeriod + days{o} >= first; }));
  const auto occurrencesBefore = [&](Seconds j) {
    return j == 0 ? 0 : firstCount + (j - 1) * static_cast<Seconds>(offsets.size());
  };

  // A period or so before the one that holds `from`.
  Seconds j = 0;
  if (from > first) {
    const year_month_day f{from};
    Seconds units = 0;
    switch (r.freq) {
      case ICAL_DAILY_RECURRENCE:
        units = WholeDays(first, from);
        break;
      case ICAL_WEEKLY_RECURRENCE:
        units = WholeDays(firstPeriod, from) / 7;
        break;
      case ICAL_MONTHLY_RECURRENCE:
        units = (static_cast<int>(f.year()) - static_cast<int>(start.year())) * 12 +
                static_cast<int>(unsigned{f.month()}) - static_cast<int>(unsigned{start.month()});
        break;
      default:
        units = static_cast<int>(f.year()) - static_cast<int>(start.year());
        break;
    }
    j = std::max<Seconds>(0, units / interval - 1);
  }

  for (;; ++j) {
    const std::optional<sys_days> period = periodDay(j);
    if (!period) return RuleOutcome::Complete;
    Seconds index = occurrencesBefore(j);
    for (const Seconds offset : offsets) {
      const sys_days d = *period + days{offset};
      if (d < first) continue;
      if (r.count > 0 && index >= r.count) return RuleOutcome::Complete;
      ++index;
      if (budget.stepsLeft == 0 || std::chrono::steady_clock::now() > budget.deadline) {
        return RuleOutcome::Cut;
      }
      --budget.stepsLeft;
      icaltimetype t = dtstart;
      const year_month_day date{d};
      t.year = static_cast<int>(date.year());
      t.month = static_cast<int>(unsigned{date.month()});
      t.day = static_cast<int>(unsigned{date.day()});
      if (!icaltime_is_null_time(r.until) && icaltime_compare(t, r.until) > 0) {
        return RuleOutcome::Complete;
      }
      if (d > to) return RuleOutcome::Complete;
      if (d >= from) visit(t);
    }
  }
}

}  // namespace orsalimbra::events
