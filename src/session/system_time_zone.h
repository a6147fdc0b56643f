// The computer's time zone, as far as the moon phase times need it: its
// standard (non-daylight) bias.
#pragma once

#include <QDateTime>
#include <QTimeZone>

namespace orsalimbra::session {

// The standard bias of `zone` in minutes at `when`, with GMT = local time +
// bias (so a zone one hour east of GMT has -60). Daylight saving time is never
// included. A zone Qt does not know counts as GMT (bias 0).
int StandardBiasMinutes(const QTimeZone& zone, const QDateTime& when);

// The standard bias of the computer's time zone now.
int TimeZoneBias();

}  // namespace orsalimbra::session
