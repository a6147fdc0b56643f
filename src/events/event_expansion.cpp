#include "events/event_expansion.h"

#include <algorithm>
#include <optional>
#include <set>
#include <unordered_map>
#include <vector>

#include "events/event_text.h"

namespace orsalimbra::events {

namespace {

using Kind = ImportProblem::Kind;
using std::chrono::days;
using std::chrono::sys_days;

// The text index of an event without text.
constexpr std::size_t kNoText = static_cast<std::size_t>(-1);

Seconds CeilDays(Seconds seconds) { return (seconds + kSecondsPerDay - 1) / kSecondsPerDay; }

bool IsCancelled(icalcomponent* event) {
  return icalcomponent_get_status(event) == ICAL_STATUS_CANCELLED;
}

std::string PropertyText(icalproperty* p) {
  char* text = icalproperty_as_ical_string_r(p);
  std::string result = text != nullptr ? text : "";
  icalmemory_free_buffer(text);
  return result;
}

struct Event {
  icalcomponent* component = nullptr;
  const CalendarPart* part = nullptr;
  int line = 0;
};

// An event with its overrides: the VEVENTs of one UID.
struct Series {
  Event master;
  std::vector<Event> overrides;
};

// When an event happens and for how long.
struct Times {
  icaltimetype start;  // its zone resolved
  // Exact seconds; for an all-day start whole days, at least one.
  Seconds length = 0;
};

class Expander {
 public:
  Expander(const ParsedCalendar& calendar, ExpansionContext& context, const EmitDay& emit)
      : c_(context),
        emit_(emit),
        zones_(calendar.parts, context.problems, context.zoneChanges),
        // Beyond this UTC instant an occurrence's end only tells that it
        // lasts past the range.
        horizon_((context.last + days{3}).time_since_epoch().count() * kSecondsPerDay) {}

  bool Run(const std::vector<Series>& all) {
    for (const Series& s : all) {
      if (!ExpandSeries(s)) return false;
    }
    return true;
  }

 private:
  // The dates an event leaves out: EXDATEs, and the RECURRENCE-IDs of its
  // overrides. A date leaves out the occurrences of its day, a date-time the
  // occurrence at that instant.
  class Exclusions {
   public:
    explicit Exclusions(const LocalClock& clock) : clock_(clock) {}
    void Add(const icaltimetype& t) {
      if (t.is_date) {
        days_.insert(CivilDay(t));
      } else {
        instants_.insert(clock_.Utc(t));
        instantDays_.insert(CivilDay(t));
      }
    }
    // `utc`: the UTC seconds of `t`, a date-time.
    bool Contains(const icaltimetype& t, Seconds utc) const {
      const sys_days day = CivilDay(t);
      if (t.is_date) return days_.contains(day) || instantDays_.contains(day);
      return days_.contains(day) || instants_.contains(utc);
    }

   private:
    const LocalClock& clock_;
    std::set<sys_days> days_;
    std::set<Seconds> instants_;
    std::set<sys_days> instantDays_;
  };

  // The index of the text of `event` in the context's texts; kNoText for
  // an event without text, which is left out.
  std::size_t Text(icalcomponent* event) {
    const char* summary = icalcomponent_get_summary(event);
    std::string text = PageText(summary != nullptr ? summary : "", c_.maxTextCharacters);
    if (text.empty()) return kNoText;
    c_.texts.push_back(std::move(text));
    return c_.texts.size() - 1;
  }

  // The value of a date or date-time property, its zone resolved; reported
  // and nothing when it names no real date.
  std::optional<icaltimetype> Read(icalproperty* p, icaltimetype value, int line) {
    value = zones_.Resolve(p, value, line);
    if (IsRealTime(value)) return value;
    c_.problems.add(Kind::BadDate, line, PropertyText(p));
    return std::nullopt;
  }

  std::optional<Times> ReadTimes(icalcomponent* event, int line, std::optional<Seconds> fallback) {
    icalproperty* startProperty = icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY);
    if (startProperty == nullptr) {
      c_.problems.add(Kind::BadDate, line, "DTSTART");
      return std::nullopt;
    }
    const auto start = Read(startProperty, icalproperty_get_dtstart(startProperty), line);
    if (!start) return std::nullopt;
    Times t{*start, start->is_date ? kSecondsPerDay : 0};
    if (icalproperty* p = icalcomponent_get_first_property(event, ICAL_DTEND_PROPERTY)) {
      auto end = Read(p, icalproperty_get_dtend(p), line);
      if (!end) return std::nullopt;
      if (start->is_date) {
        t.length =
            std::max<Seconds>(1, (CivilDay(*end) - CivilDay(*start)).count()) * kSecondsPerDay;
      } else {
        if (end->is_date) {
          // Midnight of that day where the event starts.
          end = AtDay(*start, CivilDay(*end));
        }
        const bool zoned = start->zone != nullptr || end->zone != nullptr;
        const Seconds length = zoned ? c_.clock.Utc(*end) - c_.clock.Utc(*start)
                                     : CivilSeconds(*end) - CivilSeconds(*start);
        t.length = std::max<Seconds>(0, length);
      }
    } else if (icalproperty* p = icalcomponent_get_first_property(event, ICAL_DURATION_PROPERTY)) {
      const icaldurationtype d = icalproperty_get_duration(p);
      const Seconds seconds = d.is_neg ? 0
                                       : (Seconds{d.weeks} * 7 + d.days) * kSecondsPerDay +
                                             Seconds{d.hours} * 3600 + Seconds{d.minutes} * 60 +
                                             d.seconds;
      t.length =
          start->is_date ? std::max<Seconds>(1, CeilDays(seconds)) * kSecondsPerDay : seconds;
    } else if (fallback) {
      t.length = *fallback;
    }
    return t;
  }

  // The days to look for the starts of occurrences lasting `length` that
  // may touch the range: a zone moves a date by a day at most.
  sys_days SearchFrom(Seconds length) const { return c_.first - days{CeilDays(length) + 2}; }
  sys_days SearchTo() const { return c_.last + days{2}; }
  // Whether an EXDATE or RECURRENCE-ID may name one of those starts.
  bool Near(const icaltimetype& t, Seconds length) const {
    const sys_days day = CivilDay(t);
    return day >= SearchFrom(length) - days{1} && day <= SearchTo() + days{1};
  }

  // Emits the days of one occurrence; false when the emitter stopped. `utc`
  // is the UTC seconds of a start with a zone.
  bool Occurrence(const icaltimetype& start, Seconds utc, Seconds length, std::size_t text) {
    if (text == kNoText) return true;
    sys_days firstDay, lastDay;
    Seconds key;
    if (start.is_date) {
      firstDay = CivilDay(start);
      lastDay = firstDay + days{std::max<Seconds>(1, CeilDays(length)) - 1};
      key = CivilSeconds(start);
    } else if (start.zone == nullptr) {
      key = CivilSeconds(start);
      firstDay = DayOfSeconds(key);
      lastDay = length > 0 ? DayOfSeconds(key + length - 1) : firstDay;
    } else {
      key = c_.clock.LocalOfUtc(utc);
      firstDay = DayOfSeconds(key);
      if (length == 0) {
        lastDay = firstDay;
      } else if (utc + length > horizon_) {
        lastDay = c_.last;
      } else {
        lastDay = DayOfSeconds(c_.clock.LocalOfUtc(utc + length) - 1);
      }
    }
    lastDay = std::min(std::max(lastDay, firstDay), c_.last);
    for (sys_days d = std::max(firstDay, c_.first); d <= lastDay; d += days{1}) {
      if (!emit_(d, key, text)) return false;
    }
    return true;
  }

  // The UTC seconds of a date-time with a zone or floating; 0 for a date.
  Seconds UtcOf(const icaltimetype& t) const { return t.is_date ? 0 : c_.clock.Utc(t); }

  bool ExpandSeries(const Series& s) {
    if (s.master.component != nullptr && IsCancelled(s.master.component)) return true;
    std::optional<Times> master;
    std::size_t masterText = kNoText;
    if (s.master.component != nullptr) {
      master = ReadTimes(s.master.component, s.master.line, std::nullopt);
      masterText = Text(s.master.component);
    }
    Exclusions moved(c_.clock);
    for (const Event& o : s.overrides) {
      icalproperty* id = icalcomponent_get_first_property(o.component, ICAL_RECURRENCEID_PROPERTY);
      const auto original = Read(id, icalproperty_get_recurrenceid(id), o.line);
      if (!original) continue;
      if (master && Near(*original, master->length)) moved.Add(*original);
      if (IsCancelled(o.component)) continue;
      const auto times =
          ReadTimes(o.component, o.line, master ? std::optional(master->length) : std::nullopt);
      if (!times) continue;
      const sys_days day = CivilDay(times->start);
      if (day < SearchFrom(times->length) || day > SearchTo()) continue;
      const std::size_t text = Text(o.component);
      if (!Occurrence(times->start, UtcOf(times->start), times->length,
                      text == kNoText ? masterText : text)) {
        return false;
      }
    }
    return !master || ExpandMaster(s.master, *master, moved, masterText);
  }

  bool ExpandMaster(const Event& master, const Times& times, Exclusions& excluded,
                    std::size_t text) {
    icalcomponent* event = master.component;
    const int line = master.line;
    const sys_days from = SearchFrom(times.length), to = SearchTo();
    const auto near = [&](const icaltimetype& t) { return Near(t, times.length); };
    for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_EXDATE_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_EXDATE_PROPERTY)) {
      const auto t = Read(p, icalproperty_get_exdate(p), line);
      if (t && near(*t)) excluded.Add(*t);
    }

    std::set<Seconds> seen;
    bool stopped = false;
    const auto add = [&](const icaltimetype& t, Seconds length) {
      if (stopped) return;
      const Seconds utc = UtcOf(t);
      if (excluded.Contains(t, utc)) return;
      const Seconds key = t.is_date ? CivilSeconds(t) : utc;
      if (seen.insert(key).second && !Occurrence(t, utc, length, text)) stopped = true;
    };

    // The start is always the first occurrence (RFC 5545, 3.8.5.3).
    if (near(times.start)) add(times.start, times.length);
    bool cut = false;
    for (const RuleText& rule : master.part->rules) {
      if (c_.budget.stepsLeft == 0) {
        cut = true;
        break;
      }
      --c_.budget.stepsLeft;
      icalrecurrencetype parsed = icalrecurrencetype_from_string(rule.text.c_str());
      std::string why;
      const RuleOutcome outcome = ExpandRule(
          parsed, times.start, from, to, c_.budget,
          [&](const icaltimetype& t) { add(t, times.length); }, why);
      icalmemory_free_buffer(parsed.rscale);
      if (outcome == RuleOutcome::Unsupported) {
        c_.problems.add(Kind::UnsupportedRecurrence, rule.line, why);
      }
      cut = cut || outcome == RuleOutcome::Cut;
      if (stopped) return false;
    }
    if (cut) c_.problems.add(Kind::RecurrenceCut, line);
    for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_RDATE_PROPERTY)) {
      const icaldatetimeperiodtype r = icalproperty_get_rdate(p);
      const bool period = icaltime_is_null_time(r.time);
      const auto t = Read(p, period ? r.period.start : r.time, line);
      if (!t || !near(*t)) continue;
      Seconds length = times.length;
      if (period) {
        // A period has its own end or length (RFC 5545, 3.3.9).
        if (icaltime_is_null_time(r.period.end)) {
          length = icaldurationtype_as_int(r.period.duration);
        } else {
          icaltimetype end = r.period.end;
          end.zone = t->zone;
          length = IsRealTime(end) ? CivilSeconds(end) - CivilSeconds(*t) : 0;
        }
        length = std::max<Seconds>(0, length);
      }
      add(*t, length);
      if (stopped) return false;
    }
    return !stopped;
  }

  ExpansionContext& c_;
  const EmitDay& emit_;
  ZoneTable zones_;
  Seconds horizon_;
};

// The VEVENTs of a calendar grouped by UID, in file order of their first
// VEVENT.
std::vector<Series> SeriesOf(const ParsedCalendar& calendar) {
  std::vector<Series> all;
  std::unordered_map<std::string, std::size_t> byUid;
  for (const CalendarPart& part : calendar.parts) {
    icalcomponent* e = part.component.get();
    if (icalcomponent_isa(e) != ICAL_VEVENT_COMPONENT) continue;
    const Event event{e, &part, part.line};
    const bool isOverride =
        icalcomponent_get_first_property(e, ICAL_RECURRENCEID_PROPERTY) != nullptr;
    const char* uid = icalcomponent_get_uid(e);
    if (uid == nullptr) {
      all.push_back(isOverride ? Series{{}, {event}} : Series{event, {}});
      continue;
    }
    const auto [it, fresh] = byUid.try_emplace(uid, all.size());
    if (fresh) all.emplace_back();
    Series& s = all[it->second];
    if (isOverride) {
      s.overrides.push_back(event);
    } else if (s.master.component == nullptr) {
      s.master = event;
    } else {
      // A second event with the same UID and no RECURRENCE-ID: not an
      // override of the first, so it stands alone.
      all.push_back(Series{event, {}});
    }
  }
  return all;
}

}  // namespace

bool ExpandEvents(const ParsedCalendar& calendar, ExpansionContext& context, const EmitDay& emit) {
  Expander expander(calendar, context, emit);
  return expander.Run(SeriesOf(calendar));
}

}  // namespace orsalimbra::events
