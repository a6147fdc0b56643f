// libFuzzer target: arbitrary bytes as an iCalendar file, through the whole
// import (parsing, zones, recurrences, texts) with a few choices of local
// zone and range, and through the unfolding and the text cleaning alone.
// Checks what must hold for any file.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include <libical/ical.h>

#include "core/utf8.h"
#include "events/content_lines.h"
#include "events/event_text.h"
#include "events/events_import.h"

using namespace orsalimbra;
using namespace orsalimbra::events;

namespace {

void Fail(const char* what, int line) {
  std::fprintf(stderr, "fuzz_events.cpp:%d: %s does not hold\n", line, what);
  std::abort();
}

#define Check(condition) ((condition) ? void() : Fail(#condition, __LINE__))

// Valid UTF-8 without control characters, at most `max` characters.
void CheckText(std::string_view text, std::size_t max) {
  std::size_t characters = 0;
  for (std::size_t i = 0; i < text.size(); ++characters) {
    const core::Utf8Character c = core::DecodeUtf8(text.substr(i));
    Check(!c.malformed);
    Check(c.character >= 0x20 && (c.character < 0x7F || c.character > 0x9F));
    i += c.length;
  }
  Check(characters <= max);
}

const char* const kZones[] = {"Europe/Rome", "UTC", "America/New_York", "Pacific/Kiritimati",
                              "Nowhere/Atlantis"};

}  // namespace

// libical keeps what it loads of the system's zones, and expands their
// changes as far as a time asks; it keeps its temporary strings in a ring
// that frees one only when it makes another; ICU keeps its calendar data.
// Filling those first keeps runs from growing them, which would make every
// run a leak check.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  for (int i = 0; i < 4000; ++i) icalmemory_tmp_buffer(16);
  for (const char* name : kZones) {
    if (icaltimezone* zone = icaltimezone_get_builtin_timezone(name)) {
      icaltimetype far = icaltime_from_string("25991231T000000");
      icaltimezone_convert_time(&far, zone, icaltimezone_get_utc_timezone());
    }
  }
  const std::string warm =
      "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nUID:a\r\nDTSTART;TZID=Europe/Rome:20260130T100000\r\n"
      "RRULE:FREQ=MONTHLY;BYDAY=FR;BYSETPOS=-1\r\nSUMMARY:a\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
  ImportCalendarBytes(warm, "warm.ics",
                      {std::chrono::year{2026} / 1 / 1, std::chrono::year{2026} / 12 / 31, "UTC"});
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::uint8_t choice = size > 0 ? data[size - 1] : 0;

  using std::chrono::year;
  const std::chrono::year_month_day firsts[] = {year{2026} / 1 / 1, year{1952} / 2 / 1,
                                                year{2026} / 12 / 31, year{9999} / 12 / 1};
  const std::chrono::year_month_day lasts[] = {year{2026} / 12 / 31, year{1952} / 3 / 31,
                                               year{2027} / 1 / 1, year{9999} / 12 / 31};
  const int r = (choice >> 3) % 4;
  const ImportRange range{firsts[r], lasts[r], kZones[choice % 5]};

  // Smaller bounds than the program's keep each run short; the paths are
  // the same.
  ImportLimits limits;
  limits.maxDates = 5'000;
  limits.maxStepsPerRule = 2'000;
  limits.maxStepsPerFile = 20'000;
  limits.maxExpansionTime = std::chrono::milliseconds(300);
  limits.maxTextCharacters = 40;

  const ImportResult result = ImportCalendarBytes(bytes, "fuzz.ics", range, limits);
  Check(result.dates.size() <= limits.maxDates);
  for (std::size_t i = 0; i < result.dates.size(); ++i) {
    const core::PersonalDate& d = result.dates[i];
    Check(d.Date.ok() && d.Date >= range.first && d.Date <= range.last);
    Check(i == 0 || result.dates[i - 1].Date <= d.Date);
    Check(!d.Text.empty() && d.File == "fuzz.ics");
    CheckText(d.Text, limits.maxTextCharacters);
    Check(d.Text.front() != ' ' && d.Text.back() != ' ');
  }
  // The file's own, one past the bound for the count of the rest, the local
  // zone and the bound of dates.
  Check(result.problems.size() <= limits.maxProblemsPerFile + 3);
  for (const ImportProblem& p : result.problems) {
    Check(p.file == "fuzz.ics" ||
          (p.file.empty() && p.kind == ImportProblem::Kind::UnknownTimeZone));
    Check(p.line >= 0);
    CheckText(p.detail, 80);
    Check(!ItalianProblemText(p).empty() && !EnglishProblemText(p).empty());
  }

  // Unfolding: every byte but the breaks, NUL bytes and the folds is kept,
  // and the line numbers rise.
  ContentLines lines(bytes);
  std::string line;
  int number = 0, previous = 0;
  std::size_t kept = 0;
  while (lines.Next(line, number)) {
    Check(number > previous);
    previous = number;
    kept += line.size();
  }
  Check(kept <= size);

  CheckText(PageText(bytes, 30), 30);
  return 0;
}
