// Turning the bytes of a calendar file into libical components, with the
// line of every problem the parser meets.
#pragma once

#include <cstddef>
#include <set>
#include <string_view>
#include <vector>

#include "events/file_problems.h"
#include "events/ical_handles.h"

namespace orsalimbra::events {

struct ParsedCalendar {
  // The top-level components, in file order (normally one VCALENDAR).
  std::vector<ComponentPtr> roots;
  // BEGIN lines of the components the file left open: they may have lost
  // their later lines, so nothing in them is trusted.
  std::set<int> unclosed;
};

// Parses `bytes` one content line at a time, so that a line the parser
// rejects is reported with its number; it is skipped and the rest is read.
// Every component carries the line of its BEGIN (LineOf). More than
// `maxComponents` components: a TooManyComponents problem and no roots. No
// component at all: a NotCalendar problem alone.
ParsedCalendar ParseCalendar(std::string_view bytes, std::size_t maxComponents,
                             FileProblems& problems);

// The line of the BEGIN of `component`, 0 where unknown.
int LineOf(icalcomponent* component);

}  // namespace orsalimbra::events
