// The recurrence rules calendar programs write for birthdays, anniversaries,
// courses, payments and daily routines, expanded by date arithmetic.
// libical's iterator (built on ICU in Debian) costs microseconds for every
// occurrence and tens of them for every rule: too slow for files of
// thousands of events, and these rules need none of its generality.
#pragma once

#include <libical/ical.h>

#include <chrono>
#include <functional>

#include "events/recurrence.h"

namespace orsalimbra::events {

// Whether `rule` from `dtstart` is one of those: DAILY, WEEKLY, MONTHLY or
// YEARLY, with any INTERVAL, COUNT, UNTIL and WKST, no calendar scale, and no
// other part than
//   WEEKLY:  BYDAY of weekdays without a position, that of DTSTART among them;
//   MONTHLY: BYMONTHDAY naming the day of DTSTART, a day up to the 28th, or
//            BYDAY naming the first to fourth or the last weekday of a month,
//            that of DTSTART;
//   YEARLY:  BYMONTH naming the month of DTSTART, with or without a
//            BYMONTHDAY naming its day.
bool IsSimpleRule(const icalrecurrencetype& rule, const icaltimetype& dtstart);

// ExpandRule for a simple rule, with its results. A yearly rule on
// 29 February falls on 28 February in common years, and COUNT counts those
// years too (as RFC 7529's SKIP=BACKWARD does).
RuleOutcome ExpandSimpleRule(const icalrecurrencetype& rule, const icaltimetype& dtstart,
                             std::chrono::sys_days from, std::chrono::sys_days to,
                             ExpansionBudget& budget,
                             const std::function<void(const icaltimetype&)>& visit);

}  // namespace orsalimbra::events
