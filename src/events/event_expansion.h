// The days on which the events of a calendar fall, within a range of days.
#pragma once

#include <libical/ical.h>

#include <chrono>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "events/calendar_parse.h"
#include "events/civil_time.h"
#include "events/file_problems.h"
#include "events/recurrence.h"
#include "events/time_zones.h"

namespace orsalimbra::events {

// Receives one day of one occurrence: the local day, the local start of the
// occurrence (to order the entries of a day) and its text, an index into
// ExpansionContext::texts. False stops the expansion.
using EmitDay = std::function<bool(std::chrono::sys_days day, Seconds start, std::size_t text)>;

struct ExpansionContext {
  const LocalClock& clock;
  std::chrono::sys_days first;
  std::chrono::sys_days last;
  ExpansionBudget& budget;
  // What is left of the zone changes the file's VTIMEZONEs may cost.
  std::size_t& zoneChanges;
  std::size_t maxTextCharacters;
  FileProblems& problems;
  // The texts of the events, each once: an event has many days.
  std::vector<std::string>& texts;
};

// Emits every day within [first, last] of every occurrence of the VEVENTs of
// `calendar`, in file order, each event's occurrences in order. A day is
// local: UTC times and times of a zone are moved to the local zone first. An
// event lasts from its start to its end, the end excluded (a timed event
// ending at midnight does not touch the next day); an all-day event without
// end lasts its day, a timed one without end is an instant. Cancelled events
// and cancelled occurrences are left out; an occurrence moved by a
// RECURRENCE-ID override falls on its new day. Events without text are left
// out; VTODOs and VJOURNALs are not read. False when `emit` stopped it.
bool ExpandEvents(const ParsedCalendar& calendar, ExpansionContext& context, const EmitDay& emit);

}  // namespace orsalimbra::events
