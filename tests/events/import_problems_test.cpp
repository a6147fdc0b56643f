#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "event_test_support.h"
#include "events/events_import.h"

using namespace orsalimbra::events;
using namespace orsalimbra::events::test;

namespace {

using Kind = ImportProblem::Kind;

struct Expected {
  Kind kind;
  int line;
  // Text the detail must contain.
  std::string detail;
};

struct ProblemCase {
  const char* name;
  std::string text;
  std::vector<Expected> problems;
  std::vector<std::string> dates;
};

std::string Calendar(const std::string& body) {
  return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n" + body + "END:VCALENDAR\r\n";
}

std::string Event(const std::string& lines) {
  return "BEGIN:VEVENT\r\n" + lines + "END:VEVENT\r\n";
}

std::string ReadData(const char* name) {
  FILE* f = std::fopen(DataPath(name).c_str(), "rb");
  std::string bytes;
  if (f == nullptr) return bytes;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) bytes.append(buffer, n);
  std::fclose(f);
  return bytes;
}

void Check(const ProblemCase& c, const ImportResult& result) {
  EXPECT_EQ(Lines(result), c.dates) << c.name;
  ASSERT_EQ(result.problems.size(), c.problems.size()) << c.name;
  for (std::size_t i = 0; i < c.problems.size(); ++i) {
    const ImportProblem& p = result.problems[i];
    EXPECT_EQ(p.kind, c.problems[i].kind) << c.name << " #" << i << ": " << EnglishProblemText(p);
    EXPECT_EQ(p.line, c.problems[i].line) << c.name << " #" << i << ": " << EnglishProblemText(p);
    EXPECT_NE(p.detail.find(c.problems[i].detail), std::string::npos)
        << c.name << " #" << i << ": " << p.detail;
    EXPECT_EQ(p.file, "prova.ics") << c.name;
  }
}

// Broken input: each problem with its line, and whatever can be read is.
TEST(ImportCalendarBytes, ReportsBrokenInputAndKeepsTheRest) {
  const ProblemCase cases[] = {
      {"cut inside an event: the event is dropped",
       ReadData("truncated.ics"),
       {{Kind::Malformed, 11, "RRULE:FREQ=DAI"}, {Kind::Truncated, 8, "END:VEVENT"}},
       {"05/01/2026 Completo"}},
      {"no END:VCALENDAR: the complete events are read",
       ReadData("no_end.ics"),
       {{Kind::Truncated, 1, "END:VCALENDAR"}},
       {"05/01/2026 Primo", "06/01/2026 Secondo"}},
      {"dates that do not exist",
       ReadData("bad_dates.ics"),
       {{Kind::Malformed, 20, "DTSTART:domani"},
        {Kind::Malformed, 34, "questa riga non è iCalendar"},
        {Kind::BadDate, 3, "DTSTART;VALUE=DATE:20261345"},
        {Kind::BadDate, 8, "DTSTART;VALUE=DATE:20260230"},
        {Kind::BadDate, 13, "DTSTART:20260301T256100"},
        {Kind::BadDate, 18, "DTSTART"},
        {Kind::BadDate, 23, "DTEND;VALUE=DATE:20260399"}},
       {"03/03/2026 Evento buono"}},
      {"not a calendar at all",
       "Lista della spesa\r\npane, latte\r\n",
       {{Kind::NotCalendar, 0, ""}},
       {}},
      {"an empty file", "", {{Kind::NotCalendar, 0, ""}}, {}},
      {"an END that closes the wrong component",
       Calendar(Event("UID:a\r\nDTSTART;VALUE=DATE:20260105\r\nSUMMARY:Primo\r\n") +
                "BEGIN:VEVENT\r\nUID:b\r\nDTSTART;VALUE=DATE:20260106\r\nSUMMARY:Secondo\r\n"
                "END:VTODO\r\n"),
       {{Kind::Malformed, 12, "END:VTODO"}},
       {"05/01/2026 Primo", "06/01/2026 Secondo"}},
      {"empty values and unknown properties are no problem",
       Calendar(Event("UID:a\r\nDTSTART;VALUE=DATE:20260105\r\nDESCRIPTION:\r\nLOCATION:\r\n"
                      "FOO-BAR:x\r\nSUMMARY:Primo\r\n")),
       {},
       {"05/01/2026 Primo"}},
      {"a TZID nobody knows: the time is taken as local",
       Calendar(Event("UID:a\r\nDTSTART;TZID=Marte/Olympus:20260105T233000\r\nSUMMARY:Primo\r\n")),
       {{Kind::UnknownTimeZone, 3, "Marte/Olympus"}},
       {"05/01/2026 Primo"}},
      {"a TZID that is a path is not looked up",
       Calendar(Event("UID:a\r\nDTSTART;TZID=../../../etc/passwd:20260105T233000\r\n"
                      "SUMMARY:Primo\r\n")),
       {{Kind::UnknownTimeZone, 3, "../../../etc/passwd"}},
       {"05/01/2026 Primo"}},
      {"a VTIMEZONE with rules without bound is left out: the system's zone of its name serves",
       Calendar("BEGIN:VTIMEZONE\r\nTZID:Europe/Rome\r\nBEGIN:STANDARD\r\n"
                "DTSTART:19701025T030000\r\nRRULE:FREQ=SECONDLY\r\nTZOFFSETFROM:+0200\r\n"
                "TZOFFSETTO:+0100\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n" +
                Event("UID:a\r\nDTSTART:20260705T230000Z\r\nSUMMARY:Primo\r\n")),
       {{Kind::Malformed, 3, "VTIMEZONE Europe/Rome"}},
       {"06/07/2026 Primo"}},
      {"a rule every second: its first date",
       Calendar(Event("UID:a\r\nDTSTART:20260105T100000\r\nRRULE:FREQ=SECONDLY\r\n"
                      "SUMMARY:Primo\r\n")),
       {{Kind::UnsupportedRecurrence, 6, "FREQ=SECONDLY"}},
       {"05/01/2026 Primo"}},
      {"a rule with a month that does not exist",
       Calendar(Event("UID:a\r\nDTSTART;VALUE=DATE:20260105\r\nRRULE:FREQ=DAILY;BYMONTH=13\r\n"
                      "SUMMARY:Primo\r\n")),
       {{Kind::UnsupportedRecurrence, 6, "BYMONTH=13"}},
       {"05/01/2026 Primo"}},
      {"a rule from 1800 with a huge COUNT that only libical expands is cut",
       Calendar(Event("UID:a\r\nDTSTART;VALUE=DATE:18000101\r\n"
                      "RRULE:FREQ=DAILY;COUNT=100000000;BYMONTH=1,2,3,4,5,6,7,8,9,10,11,12\r\n"
                      "SUMMARY:Primo\r\n")),
       {{Kind::RecurrenceCut, 3, ""}},
       {}},
      {"a rule on a day no month has: its start only, at once",
       Calendar(Event("UID:a\r\nDTSTART;VALUE=DATE:20260105\r\n"
                      "RRULE:FREQ=DAILY;BYMONTH=2;BYMONTHDAY=30\r\nSUMMARY:Primo\r\n")),
       {},
       {"05/01/2026 Primo"}},
      {"an override of an occurrence outside the range moved into it",
       Calendar(Event("UID:a\r\nDTSTART;VALUE=DATE:20260105\r\nRRULE:FREQ=WEEKLY;COUNT=3\r\n"
                      "SUMMARY:Lezione\r\n") +
                Event("UID:a\r\nRECURRENCE-ID;VALUE=DATE:20260105\r\n"
                      "DTSTART;VALUE=DATE:20260201\r\nSUMMARY:Lezione recuperata\r\n")),
       {},
       {"12/01/2026 Lezione", "19/01/2026 Lezione", "01/02/2026 Lezione recuperata"}},
      {"a text with controls, tabs and broken UTF-8",
       Calendar(Event("UID:a\r\nDTSTART;VALUE=DATE:20260205\r\n"
                      "SUMMARY:\x01"
                      "Festa\\tdi\\Nfine\xff\x7f anno \r\n")),
       {},
       {"05/02/2026 Festa di fine\xEF\xBF\xBD anno"}},
  };
  const ImportRange range{Day(2026, 1, 1), Day(2026, 12, 31), "Europe/Rome"};
  for (const ProblemCase& c : cases) Check(c, ImportCalendarBytes(c.text, "prova.ics", range));
}

// Huge input generated here: it is refused, or read with its texts cut.
TEST(ImportCalendarBytes, BoundsHugeInput) {
  const ImportRange range{Day(2026, 1, 1), Day(2026, 12, 31), "Europe/Rome"};
  const std::string good = Event("UID:b\r\nDTSTART;VALUE=DATE:20260106\r\nSUMMARY:Buono\r\n");

  const std::string longText(20u << 20, 'x');
  const ImportResult summary = ImportCalendarBytes(
      Calendar(Event("UID:a\r\nDTSTART;VALUE=DATE:20260105\r\nSUMMARY:" + longText + "\r\n") +
               good),
      "prova.ics", range);
  ASSERT_EQ(summary.dates.size(), 2u);
  EXPECT_EQ(summary.dates[0].Text, std::string(199, 'x') + "\xE2\x80\xA6");
  EXPECT_EQ(summary.dates[1].Text, "Buono");
  EXPECT_TRUE(summary.problems.empty());

  const ImportResult garbage =
      ImportCalendarBytes(Calendar(longText + "\r\n" + good), "prova.ics", range);
  Check({"a line of 20 MB without a colon",
         {},
         {{Kind::Malformed, 3, std::string(79, 'x') + "\xE2\x80\xA6"}},
         {"06/01/2026 Buono"}},
        garbage);
  EXPECT_EQ(garbage.problems[0].detail.size(), 79u + 3u);

  std::string nested;
  for (int i = 0; i < 50'000; ++i) nested += "BEGIN:X-SCATOLA\r\n";
  for (int i = 0; i < 50'000; ++i) nested += "END:X-SCATOLA\r\n";
  Check({"components nested 50,000 deep: the deeper ones are skipped",
         {},
         {{Kind::Malformed, 13, "BEGIN:X-SCATOLA"}},
         {"05/01/2026 Scatole", "06/01/2026 Buono"}},
        ImportCalendarBytes(
            Calendar(Event("UID:a\r\nDTSTART;VALUE=DATE:20260105\r\nSUMMARY:Scatole\r\n" + nested) +
                     good),
            "prova.ics", range));

  // Journal entries: components this program does not read.
  const std::string old = "BEGIN:VJOURNAL\r\nEND:VJOURNAL\r\n";
  std::string many;
  for (int i = 0; i < 100'000; ++i) many += old;
  const ImportResult tooMany = ImportCalendarBytes(Calendar(many), "prova.ics", range);
  Check({"100,001 components", {}, {{Kind::TooManyComponents, 0, ""}}, {}}, tooMany);
  EXPECT_EQ(tooMany.problems[0].limit, 100'000u);
  // Two events fewer, the calendar and a good event: just within.
  const std::string fewer = many.substr(0, many.size() - 2 * old.size());
  Check({"100,000 components", {}, {}, {"06/01/2026 Buono"}},
        ImportCalendarBytes("BEGIN:VCALENDAR\r\n" + fewer + good + "END:VCALENDAR\r\n", "prova.ics",
                            range));
}

TEST(ImportCalendarBytes, ListsAFewProblemsPerFileAndCountsTheRest) {
  std::string body;
  for (int i = 0; i < 30; ++i) body += "riga senza senso\r\n";
  const ImportResult result = ImportCalendarBytes(
      Calendar(body), "prova.ics", {Day(2026, 1, 1), Day(2026, 12, 31), "Europe/Rome"});
  ASSERT_EQ(result.problems.size(), 21u);
  EXPECT_EQ(result.problems[19].line, 22);
  EXPECT_EQ(result.problems[20].kind, Kind::MoreProblems);
  EXPECT_EQ(result.problems[20].limit, 10u);
}

TEST(ImportCalendarBytes, StopsAtTheBoundOfDates) {
  ImportLimits limits;
  limits.maxDates = 10;
  const ImportResult result = ImportCalendarBytes(
      Calendar(Event("UID:a\r\nDTSTART;VALUE=DATE:20260101\r\nRRULE:FREQ=DAILY\r\n"
                     "SUMMARY:Ogni giorno\r\n")),
      "prova.ics", {Day(2026, 1, 1), Day(2026, 12, 31), "Europe/Rome"}, limits);
  EXPECT_EQ(result.dates.size(), 10u);
  ASSERT_EQ(result.problems.size(), 1u);
  EXPECT_EQ(result.problems[0].kind, Kind::TooManyDates);
  EXPECT_EQ(result.problems[0].limit, 10u);
}

TEST(ImportCalendarBytes, AnUnknownLocalZoneIsReportedAndUtcServes) {
  const ImportResult result = ImportCalendarFiles(
      {DataPath("new_year_utc.ics")}, {Day(2026, 12, 31), Day(2027, 1, 1), "Nowhere/Atlantis"});
  EXPECT_EQ(Lines(result), std::vector<std::string>{"31/12/2026 Brindisi in videochiamata"});
  ASSERT_EQ(result.problems.size(), 1u);
  EXPECT_EQ(result.problems[0].kind, Kind::UnknownTimeZone);
  EXPECT_EQ(result.problems[0].file, "");
  EXPECT_EQ(result.problems[0].detail, "Nowhere/Atlantis");
}

}  // namespace
