#include "events/time_zones.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>

#include "events/recurrence.h"

namespace orsalimbra::events {

namespace {

using Kind = ImportProblem::Kind;

// libical lists the changes of a zone up to this year at most.
constexpr int kLastExpandedYear = 2582 + 5;
// The widest offset from UTC a zone may declare: wider ones are nonsense
// that would move dates by days.
constexpr int kMaxOffsetSeconds = 24 * 3600;
// How libical names the zones it builds from the system's database.
constexpr std::string_view kLibicalPrefix = "/freeassociation.sourceforge.net/";

bool IsZoneNameCharacter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
         c == '+' || c == '-';
}

bool IsZoneName(std::string_view name) {
  if (name.empty() || name.size() > 64) return false;
  std::size_t partStart = 0;
  for (std::size_t i = 0; i <= name.size(); ++i) {
    if (i == name.size() || name[i] == '/') {
      const std::string_view part = name.substr(partStart, i - partStart);
      if (part.empty() || part.front() == '-') return false;
      partStart = i + 1;
    } else if (!IsZoneNameCharacter(name[i])) {
      return false;
    }
  }
  return true;
}

// An upper bound of the changes libical lists when it expands `vtimezone`,
// or nothing when one of its rules could make that expansion unbounded. The
// rules real zones use are yearly, in one month, on one weekday or a week of
// month days ("BYMONTH=3;BYDAY=-1SU", "BYMONTH=3;BYMONTHDAY=8,...,14;BYDAY=SU").
std::optional<std::size_t> ExpansionCost(icalcomponent* vtimezone) {
  std::size_t cost = 0;
  for (icalcomponent* c = icalcomponent_get_first_component(vtimezone, ICAL_ANY_COMPONENT);
       c != nullptr; c = icalcomponent_get_next_component(vtimezone, ICAL_ANY_COMPONENT)) {
    const icalcomponent_kind kind = icalcomponent_isa(c);
    if (kind != ICAL_XSTANDARD_COMPONENT && kind != ICAL_XDAYLIGHT_COMPONENT) continue;
    ++cost;
    int firstYear = 1;
    if (icalproperty* p = icalcomponent_get_first_property(c, ICAL_DTSTART_PROPERTY)) {
      const icaltimetype start = icalproperty_get_dtstart(p);
      if (!IsRealTime(start)) return std::nullopt;
      firstYear = start.year;
    }
    for (icalproperty* p = icalcomponent_get_first_property(c, ICAL_TZOFFSETTO_PROPERTY); p;
         p = icalcomponent_get_next_property(c, ICAL_TZOFFSETTO_PROPERTY)) {
      if (std::abs(icalproperty_get_tzoffsetto(p)) >= kMaxOffsetSeconds) return std::nullopt;
    }
    for (icalproperty* p = icalcomponent_get_first_property(c, ICAL_TZOFFSETFROM_PROPERTY); p;
         p = icalcomponent_get_next_property(c, ICAL_TZOFFSETFROM_PROPERTY)) {
      if (std::abs(icalproperty_get_tzoffsetfrom(p)) >= kMaxOffsetSeconds) return std::nullopt;
    }
    cost += static_cast<std::size_t>(icalcomponent_count_properties(c, ICAL_RDATE_PROPERTY));
    for (icalproperty* p = icalcomponent_get_first_property(c, ICAL_RRULE_PROPERTY); p;
         p = icalcomponent_get_next_property(c, ICAL_RRULE_PROPERTY)) {
      const icalrecurrencetype r = icalproperty_get_rrule(p);
      if (r.freq != ICAL_YEARLY_RECURRENCE || r.interval < 1 || ValueCount(r.by_second) ||
          ValueCount(r.by_minute) || ValueCount(r.by_hour) || ValueCount(r.by_year_day) ||
          ValueCount(r.by_week_no) || ValueCount(r.by_set_pos) || ValueCount(r.by_month) > 1 ||
          ValueCount(r.by_day) > 1 || ValueCount(r.by_month_day) > 7) {
        return std::nullopt;
      }
      const std::size_t perYear =
          std::max<std::size_t>(1, ValueCount(r.by_month_day)) *
          (ValueCount(r.by_day) > 0 && ValueCount(r.by_month_day) == 0 ? 5 : 1);
      cost += perYear * static_cast<std::size_t>(std::max(0, kLastExpandedYear - firstYear));
    }
  }
  return cost;
}

const char* TzidOf(icalcomponent* vtimezone) {
  icalproperty* p = icalcomponent_get_first_property(vtimezone, ICAL_TZID_PROPERTY);
  return p != nullptr ? icalproperty_get_tzid(p) : nullptr;
}

}  // namespace

icaltimezone* SystemZone(std::string_view name) {
  constexpr std::array<std::string_view, 10> kUtc = {
      "UTC",  "Etc/UTC",  "GMT", "Etc/GMT",   "Z",
      "Zulu", "Etc/Zulu", "UCT", "Universal", "Etc/Universal"};
  if (std::find(kUtc.begin(), kUtc.end(), name) != kUtc.end()) {
    return icaltimezone_get_utc_timezone();
  }
  if (!IsZoneName(name)) return nullptr;
  const std::string location(name);
  return icaltimezone_get_builtin_timezone(location.c_str());
}

LocalClock::LocalClock(icaltimezone* local)
    : local_(local), utc_(icaltimezone_get_utc_timezone()) {}

Seconds LocalClock::Utc(const icaltimetype& t) const {
  icaltimetype u = t;
  u.is_date = 0;
  icaltimezone* from = t.zone != nullptr ? const_cast<icaltimezone*>(t.zone) : local_;
  icaltimezone_convert_time(&u, from, utc_);
  return CivilSeconds(u);
}

Seconds LocalClock::LocalOfUtc(Seconds utc) const {
  icaltimetype t = CivilTime(utc);
  icaltimezone_convert_time(&t, utc_, local_);
  return CivilSeconds(t);
}

ZoneTable::ZoneTable(const std::vector<CalendarPart>& parts, FileProblems& problems,
                     std::size_t& changeBudget)
    : problems_(problems) {
  for (const CalendarPart& part : parts) {
    icalcomponent* c = part.component.get();
    if (icalcomponent_isa(c) != ICAL_VTIMEZONE_COMPONENT) continue;
    const char* tzid = TzidOf(c);
    if (tzid == nullptr || own_.contains(tzid)) continue;
    const std::optional<std::size_t> cost = ExpansionCost(c);
    if (!cost || *cost > changeBudget) {
      problems_.add(Kind::Malformed, part.line, std::string("VTIMEZONE ") + tzid);
      continue;
    }
    changeBudget -= *cost;
    icaltimezone* zone = icaltimezone_new();
    if (zone == nullptr) continue;
    if (!icaltimezone_set_component(zone, icalcomponent_new_clone(c))) {
      icaltimezone_free(zone, 1);
      continue;
    }
    own_.emplace(tzid, zone);
  }
}

ZoneTable::~ZoneTable() {
  for (auto& [tzid, zone] : own_) icaltimezone_free(zone, 1);
}

icaltimezone* ZoneTable::Find(const std::string& tzid, int line) {
  if (const auto own = own_.find(tzid); own != own_.end()) return own->second;
  if (const auto known = system_.find(tzid); known != system_.end()) return known->second;
  std::string_view name = tzid;
  if (name.starts_with(kLibicalPrefix)) name.remove_prefix(kLibicalPrefix.size());
  icaltimezone* zone = SystemZone(name);
  if (zone == nullptr) problems_.add(Kind::UnknownTimeZone, line, tzid);
  system_.emplace(tzid, zone);
  return zone;
}

icaltimetype ZoneTable::Resolve(icalproperty* p, icaltimetype value, int line) {
  if (value.is_date) {
    value.zone = nullptr;
    return value;
  }
  if (icaltime_is_utc(value)) return value;
  value.zone = nullptr;
  icalparameter* tzid = icalproperty_get_first_parameter(p, ICAL_TZID_PARAMETER);
  const char* name = tzid != nullptr ? icalparameter_get_tzid(tzid) : nullptr;
  if (name != nullptr && *name != '\0') value.zone = Find(name, line);
  return value;
}

}  // namespace orsalimbra::events
