// Personal dates from iCalendar files (RFC 5545): the days on which the
// events of the files fall within a range of days, with their texts.
//
// What counts: the VEVENTs (VTODOs and VJOURNALs are not read: a task's due
// date is no date of the family's wall calendar, and it is often done before
// the page is hung). An event is on every local day from its start to its
// end, the end excluded: an all-day event until its DTEND day, a timed one
// ending at midnight not on the next day; without an end an all-day event
// is on its day and a timed one is an instant. Times of a zone and UTC
// times are moved to the local zone; floating times and dates are taken as
// written. Recurrences (RRULE, RDATE, EXDATE) are expanded, RECURRENCE-ID
// overrides move or cancel their occurrence, cancelled events are left out.
// A yearly event on 29 February falls on 28 February in common years, as
// the common calendar programs do. Events without text are left out.
//
// libical keeps global state (its zone cache, its error state): call these
// from one thread at a time.
#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/personal_date.h"
#include "events/import_problem.h"

namespace orsalimbra::events {

struct ImportRange {
  // The first and the last day wanted, both included.
  std::chrono::year_month_day first;
  std::chrono::year_month_day last;
  // The IANA name of the local zone ("Europe/Rome", "UTC"): times of a zone
  // and UTC times are shown on their local day. An unknown name is reported
  // and UTC is used.
  std::string timeZone;
};

// Bounds on what one import reads and does.
struct ImportLimits {
  std::size_t maxFileBytes = std::size_t{50} << 20;
  std::size_t maxComponents = 100'000;
  // Property values one file gives libical, each value of an EXDATE or RDATE
  // list counted: libical keeps each in a few hundred bytes, so this bounds
  // the memory of a file to a few hundred megabytes.
  std::size_t maxValues = 1'000'000;
  // Dates of all the files together.
  std::size_t maxDates = 100'000;
  // Characters of one text; a longer one is cut and ends with "…".
  std::size_t maxTextCharacters = 200;
  // Problems listed per file; the others are counted.
  std::size_t maxProblemsPerFile = 20;
  // Iterator steps for one recurrence rule, and for all the rules of a file.
  std::size_t maxStepsPerRule = 50'000;
  std::size_t maxStepsPerFile = 2'000'000;
  // Time for expanding the rules of one file: libical may search long for
  // one occurrence of a rule that matches rarely.
  std::chrono::milliseconds maxExpansionTime{3000};
  // Zone changes the VTIMEZONEs of one file may make libical list.
  std::size_t maxZoneChanges = 500'000;
};

struct ImportResult {
  // Sorted by day, then by the order of the files, then by start; entries
  // alike in all three keep the order of the file.
  std::vector<core::PersonalDate> dates;
  // In the order met; a file that cannot be read has one problem and no
  // dates, a file read in part has dates and problems.
  std::vector<ImportProblem> problems;
};

// Reads the files at `paths` (each a regular file of at most
// `limits.maxFileBytes`) and expands their events over `range`. A file that
// cannot be read or is broken is reported and the others are still read.
ImportResult ImportCalendarFiles(const std::vector<std::string>& paths, const ImportRange& range,
                                 const ImportLimits& limits = {});

// The same for the bytes of one file, named `file` in dates and problems.
ImportResult ImportCalendarBytes(std::string_view bytes, const std::string& file,
                                 const ImportRange& range, const ImportLimits& limits = {});

}  // namespace orsalimbra::events
