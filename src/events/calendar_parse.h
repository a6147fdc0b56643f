// Turning the bytes of a calendar file into libical components, with the
// line of every problem the parser meets.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "events/file_problems.h"
#include "events/ical_handles.h"

namespace orsalimbra::events {

// An RRULE as written. libical would keep each as a structure of almost
// 3 KB; the text is parsed when the event is expanded.
struct RuleText {
  std::string text;
  int line = 0;
};

// A component of a calendar (a VEVENT, a VTIMEZONE...), a tree of its own.
struct CalendarPart {
  ComponentPtr component;
  // The line of its BEGIN.
  int line = 0;
  // Its RRULEs, which are not in `component`.
  std::vector<RuleText> rules;
};

struct ParsedCalendar {
  // The VCALENDAR with its own properties; none for components that stand
  // outside any calendar.
  ComponentPtr calendar;
  // Its components in file order. One the file left open is not among them:
  // it may have lost its later lines.
  std::vector<CalendarPart> parts;
};

struct ParseLimits {
  std::size_t maxComponents = 0;
  // Property values given to libical, each value of an EXDATE or RDATE list
  // counted: libical keeps each in a few hundred bytes.
  std::size_t maxValues = 0;
};

// Parses `bytes` one content line at a time, so that a line the parser
// rejects is reported with its number; it is skipped and the rest is read.
// Each component of a calendar is parsed on its own. Of the properties of
// events only those this program reads are parsed, and of those read once
// only the first. A file past a limit gets a TooManyComponents or
// TooManyValues problem and nothing else; one without any component a
// NotCalendar problem alone.
std::vector<ParsedCalendar> ParseCalendars(std::string_view bytes, const ParseLimits& limits,
                                           FileProblems& problems);

}  // namespace orsalimbra::events
