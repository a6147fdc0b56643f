// The occurrences of a recurrence rule (RRULE), by libical's iterator, with
// bounds on the work: a rule may ask for a date every second until the year
// 9999, and libical may search centuries for a date that never comes.
#pragma once

#include <libical/ical.h>

#include <chrono>
#include <cstddef>
#include <functional>
#include <string>

namespace orsalimbra::events {

// The number of values in one of the BY... lists of a libical rule: they
// end at ICAL_RECURRENCE_ARRAY_MAX unless full.
template <std::size_t N>
std::size_t ValueCount(const short (&values)[N]) {
  std::size_t n = 0;
  while (n < N && values[n] != ICAL_RECURRENCE_ARRAY_MAX) ++n;
  return n;
}

// The work left for the rules of one file.
struct ExpansionBudget {
  // Steps of the iterator for one rule.
  std::size_t stepsPerRule = 0;
  // Steps for all the rules of the file.
  std::size_t stepsLeft = 0;
  std::chrono::steady_clock::time_point deadline;
};

enum class RuleOutcome {
  Complete,     // every start in the range was visited
  Unsupported,  // not a rule this program expands; nothing was visited
  Cut,          // the budget ran out: later starts are missing
};

// Visits, in order, the starts `rule` gives from `dtstart` whose date as
// written (in the zone of `dtstart`) lies in [from, to]. `dtstart` itself is
// visited only where the rule gives it. Rules more often than daily, with
// values outside their ranges, or with parts RFC 5545 forbids for their
// frequency are Unsupported; `why` is then the rule as text. A yearly rule
// on 29 February without a calendar scale of its own falls on 28 February in
// common years.
RuleOutcome ExpandRule(icalrecurrencetype rule, const icaltimetype& dtstart,
                       std::chrono::sys_days from, std::chrono::sys_days to,
                       ExpansionBudget& budget,
                       const std::function<void(const icaltimetype&)>& visit, std::string& why);

}  // namespace orsalimbra::events
