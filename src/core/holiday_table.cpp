#include "core/holiday_table.h"

#include <array>
#include <chrono>
#include <optional>

#include "core/date_text.h"

namespace orsalimbra::core {

namespace {

using namespace std::chrono;

// How far a shifted holiday or a substitute day is looked for, in days; a
// file that fills a whole month with holidays gets no substitute.
constexpr int kShiftReach = 31;

bool IsRemark(std::string_view name) { return !name.empty() && name.front() == '('; }

int IsoWeekday(sys_days d) { return static_cast<int>(weekday{d}.iso_encoding()); }

// The rule years of an extended row: the table's own first, then the year
// before and the year after, the order in which classic copies follow.
std::array<int, 3> RuleYears(int y) { return {y, y - 1, y + 1}; }

// The days on which the entry has a holiday (remarks do not count), over the
// years that shifts from the three rule years can reach.
class HolidayDays {
 public:
  explicit HolidayDays(int y) : first_(year{y - 2} / 1 / 1), days_(5 * 366, false) {}

  void Mark(sys_days d) {
    if (const auto i = Index(d)) days_[*i] = true;
  }
  bool Holds(sys_days d) const {
    const auto i = Index(d);
    return i && days_[*i];
  }

 private:
  std::optional<std::size_t> Index(sys_days d) const {
    const auto k = (d - first_).count();
    if (k < 0 || k >= static_cast<long long>(days_.size())) return std::nullopt;
    return static_cast<std::size_t>(k);
  }

  sys_days first_;
  std::vector<bool> days_;
};

// The first day in `direction` from `from` that falls on the rule's target
// weekday (or on none of its shifted weekdays) and is no holiday.
std::optional<sys_days> FreeDay(const HolidayRule& rule, sys_days from, int direction,
                                const HolidayDays& holidays) {
  for (int step = 1; step <= kShiftReach; ++step) {
    const sys_days d = from + days{direction * step};
    const int wd = IsoWeekday(d);
    const bool fits = rule.target != 0 ? wd == rule.target : rule.direction[wd] == 0;
    if (fits && !holidays.Holds(d)) return d;
  }
  return std::nullopt;
}

// Where an extended row puts its holiday in one rule year, and its
// substitute day.
struct RowDays {
  std::optional<sys_days> holiday;
  std::optional<sys_days> substitute;
};

// Whether the rule moves its holiday away from `base`.
bool MovesAway(const HolidayRule& rule, sys_days base) {
  return rule.shift == Shift::Move && rule.direction[IsoWeekday(base)] != 0;
}

}  // namespace

void HolidayTable::Add(const HolidayRule& rule, std::string_view name) {
  if (rule.classic) {
    rows_.push_back({rule.key, name, -1});
    return;
  }
  rows_.push_back({rule.key, name, static_cast<int>(extended_.size())});
  extended_.push_back(rule);
}

HolidayTable::Built HolidayTable::Build(int y, bool neighbours, std::string_view marker,
                                        std::size_t maxStored) const {
  // Shifts look at every holiday of the entry, whichever row comes first, so
  // all unshifted days are known before the first shift is resolved; shifts
  // then follow the rows' order (Christmas before Boxing Day gives Christmas
  // the first free day).
  std::vector<RowDays> shifted;  // three per shifted row, in row order
  bool anyShift = false;
  for (const HolidayRule& rule : extended_) anyShift |= rule.shift != Shift::None;
  if (anyShift) {
    HolidayDays holidays(y);
    for (const Row& row : rows_) {
      if (IsRemark(row.name)) continue;
      const HolidayRule* rule = Extended(row);
      for (const int r : RuleYears(y)) {
        if (!rule) {
          if (const auto d = DayOfDateText(ClassicHolidayDate(row.key, r))) holidays.Mark(*d);
        } else if (const auto base = BaseDate(*rule, r); base && !MovesAway(*rule, *base)) {
          holidays.Mark(*base);
        }
      }
    }
    for (const Row& row : rows_) {
      if (!Extended(row) || Extended(row)->shift == Shift::None) continue;
      const HolidayRule& rule = *Extended(row);
      for (const int r : RuleYears(y)) {
        RowDays& days = shifted.emplace_back();
        const std::optional<sys_days> base = BaseDate(rule, r);
        if (!base) continue;
        days.holiday = base;
        const int direction = rule.direction[IsoWeekday(*base)];
        if (direction == 0) continue;
        const std::optional<sys_days> free = FreeDay(rule, *base, direction, holidays);
        // A moved holiday with nowhere to go stays on its date.
        if (rule.shift == Shift::Move) {
          days.holiday = free.value_or(*base);
        } else {
          days.substitute = free;
        }
        const std::optional<sys_days> taken = rule.shift == Shift::Move ? days.holiday : free;
        if (taken && !IsRemark(row.name)) holidays.Mark(*taken);
      }
    }
  }

  const sys_days firstShown = neighbours ? year{y - 1} / 12 / 1 : year{y} / 1 / 1;
  const sys_days lastShown = neighbours ? year{y + 1} / 1 / 31 : year{y} / 12 / 31;
  const auto shown = [&](const std::optional<sys_days>& d) {
    return d && *d >= firstShown && *d <= lastShown;
  };

  Built built;
  // Only stored entries get their texts made: a file may have very many rows.
  const auto add = [&](auto&& date, std::string_view name, bool substitute) {
    if (built.entries.size() < maxStored) {
      std::string text(name);
      if (substitute && !marker.empty()) text.append(" ").append(marker);
      built.entries.push_back({date(), std::move(text)});
    }
    ++built.count;
  };
  std::size_t nextShifted = 0;
  for (const Row& row : rows_) {
    if (!Extended(row)) {
      add([&] { return ClassicHolidayDate(row.key, y); }, row.name, false);
      const std::string_view month = neighbours ? ClassicMonthText(row.key) : "";
      if (month == "01" || month == "12") {
        const int other = month == "01" ? y + 1 : y - 1;
        add([&] { return ClassicHolidayDate(row.key, other); }, row.name, false);
      }
      continue;
    }
    const HolidayRule& rule = *Extended(row);
    for (const int r : RuleYears(y)) {
      const RowDays days =
          rule.shift == Shift::None ? RowDays{BaseDate(rule, r), {}} : shifted[nextShifted++];
      if (shown(days.holiday))
        add([&] { return DateText(year_month_day{*days.holiday}); }, row.name, false);
      if (shown(days.substitute)) {
        add([&] { return DateText(year_month_day{*days.substitute}); }, row.name, true);
      }
    }
  }
  return built;
}

}  // namespace orsalimbra::core
