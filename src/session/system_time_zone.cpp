#include "session/system_time_zone.h"

namespace orsalimbra::session {

int StandardBiasMinutes(const QTimeZone& zone, const QDateTime& when) {
  if (!zone.isValid()) return 0;
  // Seconds east of GMT; the bias counts minutes the other way.
  const int offsetSeconds = zone.standardTimeOffset(when);
  return -offsetSeconds / 60;
}

int TimeZoneBias() {
  return StandardBiasMinutes(QTimeZone::systemTimeZone(), QDateTime::currentDateTime());
}

}  // namespace orsalimbra::session
