#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "event_test_support.h"
#include "events/civil_time.h"
#include "events/ical_handles.h"
#include "events/recurrence.h"
#include "events/simple_rule.h"

using namespace orsalimbra::events;
using namespace orsalimbra::events::test;
using std::chrono::sys_days;

namespace {

struct RuleCase {
  const char* rule;
  const char* dtstart;
  std::chrono::year_month_day from, to;
  // The zone of DTSTART; floating when empty.
  const char* zone = "";
};

icaltimetype Start(const RuleCase& c) {
  icaltimetype t = icaltime_from_string(c.dtstart);
  if (*c.zone != '\0') t.zone = icaltimezone_get_builtin_timezone(c.zone);
  return t;
}

std::string Text(const icaltimetype& t) {
  char* text = icaltime_as_ical_string_r(t);
  std::string s = text;
  icalmemory_free_buffer(text);
  return s;
}

ExpansionBudget Plenty() {
  return {1'000'000, 10'000'000, std::chrono::steady_clock::now() + std::chrono::minutes(1)};
}

// libical's own answer, from DTSTART on. A yearly rule on 29 February is
// given RFC 7529's SKIP=BACKWARD, the choice of this program.
std::vector<std::string> ByLibical(const RuleCase& c) {
  std::string rule = c.rule;
  const icaltimetype start = Start(c);
  if (start.month == 2 && start.day == 29 && rule.find("YEARLY") != std::string::npos) {
    rule += ";RSCALE=GREGORIAN;SKIP=BACKWARD";
  }
  icalrecurrencetype r = icalrecurrencetype_from_string(rule.c_str());
  RecurIteratorPtr it(icalrecur_iterator_new(r, start));
  icalmemory_free_buffer(r.rscale);
  std::vector<std::string> starts;
  for (int steps = 0; it && steps < 1'000'000; ++steps) {
    icaltimetype t = icalrecur_iterator_next(it.get());
    if (icaltime_is_null_time(t) || CivilDay(t) > sys_days{c.to}) break;
    t.zone = start.zone;
    if (CivilDay(t) >= sys_days{c.from}) starts.push_back(Text(t));
  }
  return starts;
}

std::vector<std::string> BySimpleRule(const RuleCase& c) {
  icalrecurrencetype r = icalrecurrencetype_from_string(c.rule);
  ExpansionBudget budget = Plenty();
  std::vector<std::string> starts;
  const RuleOutcome outcome =
      ExpandSimpleRule(r, Start(c), sys_days{c.from}, sys_days{c.to}, budget,
                       [&](const icaltimetype& t) { starts.push_back(Text(t)); });
  icalmemory_free_buffer(r.rscale);
  EXPECT_EQ(outcome, RuleOutcome::Complete) << c.rule;
  return starts;
}

// The date arithmetic gives what libical gives, rule by rule.
TEST(SimpleRule, AgreesWithLibical) {
  const RuleCase cases[] = {
      {"FREQ=YEARLY", "19500312", Day(2025, 1, 1), Day(2027, 12, 31)},
      {"FREQ=YEARLY;INTERVAL=4;COUNT=10", "19520229", Day(1952, 1, 1), Day(2000, 12, 31)},
      {"FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=29", "19800229", Day(2020, 1, 1), Day(2030, 12, 31)},
      {"FREQ=YEARLY;UNTIL=20270101", "20000229T090000", Day(2023, 1, 1), Day(2028, 12, 31)},
      {"FREQ=YEARLY;BYMONTH=12", "19991231T233000", Day(2025, 1, 1), Day(2026, 12, 31)},
      {"FREQ=MONTHLY;BYMONTHDAY=15;COUNT=20", "20250115", Day(2026, 1, 1), Day(2026, 12, 31)},
      {"FREQ=MONTHLY;INTERVAL=5", "20200128", Day(2026, 1, 1), Day(2027, 12, 31)},
      {"FREQ=MONTHLY;BYDAY=-1FR;COUNT=6", "20260130", Day(2026, 1, 1), Day(2026, 12, 31)},
      {"FREQ=MONTHLY;BYDAY=2TU", "20250114T200000", Day(2026, 1, 1), Day(2026, 12, 31)},
      {"FREQ=MONTHLY;INTERVAL=2;BYDAY=4SU;UNTIL=20261231", "20250126", Day(2026, 1, 1),
       Day(2026, 12, 31)},
      {"FREQ=WEEKLY", "20260105T190000", Day(2026, 2, 1), Day(2026, 3, 31)},
      {"FREQ=WEEKLY;INTERVAL=2;BYDAY=MO,TH;WKST=SU", "20250102", Day(2026, 1, 1),
       Day(2026, 12, 31)},
      {"FREQ=WEEKLY;INTERVAL=3;BYDAY=SU,WE;COUNT=30", "20251203", Day(2026, 1, 1),
       Day(2026, 12, 31)},
      {"FREQ=WEEKLY;INTERVAL=2;BYDAY=SA,SU,MO;WKST=SA", "20251227T100000", Day(2026, 1, 1),
       Day(2026, 3, 31)},
      {"FREQ=WEEKLY;BYDAY=MO,TU,WE,TH,FR;UNTIL=20260315T235959", "20260101T080000", Day(2026, 1, 1),
       Day(2026, 4, 30)},
      {"FREQ=DAILY;INTERVAL=3;COUNT=100", "20251201", Day(2026, 1, 1), Day(2026, 12, 31)},
      {"FREQ=DAILY;INTERVAL=7", "18000101", Day(2026, 2, 1), Day(2026, 2, 28)},
      {"FREQ=WEEKLY;UNTIL=20260331T170000Z;BYDAY=TU", "20260106T190000", Day(2026, 3, 1),
       Day(2026, 4, 30), "Europe/Rome"},
      {"FREQ=WEEKLY;UNTIL=20260331T165959Z;BYDAY=TU", "20260106T190000", Day(2026, 3, 1),
       Day(2026, 4, 30), "Europe/Rome"},
  };
  for (const RuleCase& c : cases) {
    icalrecurrencetype r = icalrecurrencetype_from_string(c.rule);
    EXPECT_TRUE(IsSimpleRule(r, Start(c))) << c.rule;
    icalmemory_free_buffer(r.rscale);
    const std::vector<std::string> expected = ByLibical(c);
    EXPECT_FALSE(expected.empty()) << c.rule;
    EXPECT_EQ(BySimpleRule(c), expected) << c.rule << " from " << c.dtstart;
  }
}

TEST(SimpleRule, LeavesTheOthersToLibical) {
  const RuleCase cases[] = {
      {"FREQ=MONTHLY;BYDAY=FR;BYSETPOS=-1", "20260130", {}, {}},
      {"FREQ=WEEKLY;BYDAY=MO,TH", "20260107", {}, {}},  // starts on a Wednesday
      {"FREQ=MONTHLY", "20260131", {}, {}},             // months without a 31st
      {"FREQ=MONTHLY;BYDAY=5FR", "20260130", {}, {}},   // not every month has one
      {"FREQ=MONTHLY;BYDAY=-1FR", "20260123", {}, {}},  // not the last Friday
      {"FREQ=WEEKLY;BYMONTH=6", "20260601", {}, {}},
      {"FREQ=YEARLY;RSCALE=HEBREW", "20260101", {}, {}},
      {"FREQ=DAILY;BYHOUR=9,18", "20260101T090000", {}, {}},
      {"FREQ=YEARLY;BYMONTH=3", "20260101", {}, {}},      // not the month of DTSTART
      {"FREQ=YEARLY;BYMONTHDAY=12", "19500312", {}, {}},  // the 12th of every month
      {"FREQ=HOURLY", "20260101T090000", {}, {}},
  };
  for (const RuleCase& c : cases) {
    icalrecurrencetype r = icalrecurrencetype_from_string(c.rule);
    EXPECT_FALSE(IsSimpleRule(r, Start(c))) << c.rule;
    icalmemory_free_buffer(r.rscale);
  }
}

struct BoundCase {
  const char* name;
  const char* rule;
  const char* dtstart;
  ExpansionBudget budget;
  RuleOutcome expected;
  std::size_t visited;
};

// Rules that would run long stop at the budget, at once when it is spent.
TEST(ExpandRule, StopsAtItsBudget) {
  const auto later = std::chrono::steady_clock::now() + std::chrono::minutes(1);
  const auto past = std::chrono::steady_clock::time_point{};
  const BoundCase cases[] = {
      {"libical: a rule's steps",
       "FREQ=DAILY;BYMONTH=1,2,3,4,5,6,7,8,9,10,11,12",
       "20260101",
       {10, 1000, later},
       RuleOutcome::Cut,
       10},
      {"libical: the file's steps",
       "FREQ=DAILY;BYMONTH=1,2,3,4,5,6,7,8,9,10,11,12",
       "20260101",
       {1000, 5, later},
       RuleOutcome::Cut,
       5},
      {"libical: the time",
       "FREQ=DAILY;BYMONTH=1,2,3,4,5,6,7,8,9,10,11,12",
       "20260101",
       {1000, 1000, past},
       RuleOutcome::Cut,
       0},
      {"arithmetic: the file's steps",
       "FREQ=DAILY",
       "20260101",
       {1000, 5, later},
       RuleOutcome::Cut,
       5},
      {"arithmetic: the time", "FREQ=DAILY", "20260101", {1000, 1000, past}, RuleOutcome::Cut, 0},
      {"a month with no such day: nothing, at once",
       "FREQ=DAILY;BYMONTH=2;BYMONTHDAY=30",
       "20260101",
       {10, 10, later},
       RuleOutcome::Complete,
       0},
      {"more often than daily",
       "FREQ=MINUTELY",
       "20260101T000000",
       {10, 10, later},
       RuleOutcome::Unsupported,
       0},
      {"the 41st Friday of a month: libical would search for centuries",
       "FREQ=MONTHLY;BYDAY=41FR",
       "20260102",
       {10, 10, later},
       RuleOutcome::Unsupported,
       0},
      {"the 8th day of a set within a week",
       "FREQ=WEEKLY;BYDAY=MO,TU;BYSETPOS=8",
       "20260105",
       {10, 10, later},
       RuleOutcome::Unsupported,
       0},
      {"a count beyond every budget, by arithmetic",
       "FREQ=DAILY;COUNT=1000000000",
       "18000101",
       {10, 400, later},
       RuleOutcome::Complete,
       31},
  };
  for (const BoundCase& c : cases) {
    icalrecurrencetype r = icalrecurrencetype_from_string(c.rule);
    ExpansionBudget budget = c.budget;
    std::size_t visited = 0;
    std::string why;
    const RuleOutcome outcome = ExpandRule(
        r, icaltime_from_string(c.dtstart), sys_days{Day(2026, 1, 1)}, sys_days{Day(2026, 1, 31)},
        budget, [&](const icaltimetype&) { ++visited; }, why);
    icalmemory_free_buffer(r.rscale);
    EXPECT_EQ(outcome, c.expected) << c.name;
    EXPECT_EQ(visited, c.visited) << c.name;
  }
}

}  // namespace
