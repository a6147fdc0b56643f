// Time zones of calendar files: the zones a file defines (VTIMEZONE), the
// system's zone database, and the local zone the dates are wanted in.
#pragma once

#include <libical/ical.h>

#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "events/calendar_parse.h"
#include "events/civil_time.h"
#include "events/file_problems.h"

namespace orsalimbra::events {

// The zone of an IANA name ("Europe/Rome") from the system's database, the
// UTC zone for "UTC" and its aliases, nullptr for a name it does not know.
// Only names made of letters, digits and "_+-" in parts joined by "/" are
// looked up: the name becomes a path under the database's folder.
icaltimezone* SystemZone(std::string_view name);

// Reading times in the local zone.
class LocalClock {
 public:
  // `local` is never nullptr.
  explicit LocalClock(icaltimezone* local);

  // The UTC seconds of a date-time; one without zone (floating) is read as a
  // local time.
  Seconds Utc(const icaltimetype& t) const;
  // The local civil seconds of a UTC instant.
  Seconds LocalOfUtc(Seconds utc) const;

 private:
  icaltimezone* local_;
  icaltimezone* utc_;
};

// The zones of one calendar, by TZID.
class ZoneTable {
 public:
  // Takes the VTIMEZONEs among `parts`. One whose rules would make libical
  // expand without bound, or that would pass what is left of
  // `changeBudget`, is reported and left out; times that name it then use
  // the system's zone of that name, if any. `changeBudget` counts the zone
  // changes libical may list for all the zones of a file.
  ZoneTable(const std::vector<CalendarPart>& parts, FileProblems& problems,
            std::size_t& changeBudget);
  ZoneTable(const ZoneTable&) = delete;
  ZoneTable& operator=(const ZoneTable&) = delete;
  ~ZoneTable();

  // `value` of the date or date-time property `p` with its zone set: UTC for
  // a time ending in Z, the zone of its TZID (the calendar's own, else the
  // system's), none for a floating time or a date. A TZID nobody knows is
  // reported once (at `line`) and its times stay floating.
  icaltimetype Resolve(icalproperty* p, icaltimetype value, int line);

 private:
  icaltimezone* Find(const std::string& tzid, int line);

  FileProblems& problems_;
  // The calendar's valid zones, owned; each owns a copy of its VTIMEZONE.
  std::map<std::string, icaltimezone*, std::less<>> own_;
  // Looked-up system zones, nullptr for the unknown (reported) ones.
  std::map<std::string, icaltimezone*, std::less<>> system_;
};

}  // namespace orsalimbra::events
