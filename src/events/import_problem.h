// What went wrong while reading calendar files, as facts, and the words the
// window (Italian) and the command line (English) use for them.
#pragma once

#include <cstddef>
#include <string>

namespace orsalimbra::events {

struct ImportProblem {
  enum class Kind {
    Missing,                // nothing at that path
    NotRegularFile,         // a folder, a device, a pipe
    Unreadable,             // no permission, or the system failed to read
    TooLarge,               // larger than `limit` bytes: not read
    TooManyComponents,      // more than `limit` components: not read
    TooManyValues,          // more than `limit` property values to read: not read
    NotCalendar,            // no VCALENDAR in it
    Malformed,              // a line that cannot be read: skipped
    Truncated,              // the file ends inside a component; `detail` is the missing END line
    BadDate,                // an event whose date is not a real date: skipped
    UnknownTimeZone,        // a TZID nobody knows: its times are taken as local times
    UnsupportedRecurrence,  // a rule that cannot be expanded: its first date only
    RecurrenceCut,          // an event expanded only up to the bound on its work
    TooManyDates,           // more than `limit` dates in all: the rest is left out
    MoreProblems,           // `limit` more problems of the file were not listed
  };

  // The file as the caller named it; empty for the local time zone.
  std::string file;
  // 1-based line of the file, 0 where unknown.
  int line = 0;
  Kind kind = Kind::Malformed;
  // The offending text (a line, a date, a zone name) or the system's reason;
  // one line of valid UTF-8, short.
  std::string detail;
  // The bound that was passed, for the kinds that have one.
  std::size_t limit = 0;
};

// The window's message, in Italian.
std::string ItalianProblemText(const ImportProblem& problem);

// The command line's message, in English, in the form "FILE:LINE: what".
std::string EnglishProblemText(const ImportProblem& problem);

}  // namespace orsalimbra::events
