#include "session/system_time_zone.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDate>
#include <QTime>

#include <ctime>

#include "core/time_base.h"

using namespace orsalimbra::session;

namespace {

QDateTime Utc(int year, int month, int day) {
  return QDateTime(QDate(year, month, day), QTime(12, 0), QTimeZone::utc());
}

}  // namespace

// The standard bias ignores daylight saving time: in July Rome's clocks are
// two hours ahead of GMT, yet its bias stays -60.
TEST(StandardBiasMinutes, IsTheNonDaylightBiasInMinutes) {
  struct Case {
    const char* zone;
    int month;
    int bias;
  };
  const Case cases[] = {
      {"Europe/Rome", 1, -60},       {"Europe/Rome", 7, -60},         {"America/New_York", 7, 300},
      {"Asia/Kolkata", 7, -330},     {"America/St_Johns", 7, 210},    {"Asia/Kathmandu", 1, -345},
      {"Australia/Sydney", 1, -600}, {"Pacific/Kiritimati", 1, -840}, {"UTC", 7, 0},
  };
  for (const Case& c : cases) {
    const QTimeZone zone(c.zone);
    ASSERT_TRUE(zone.isValid()) << c.zone;
    EXPECT_EQ(StandardBiasMinutes(zone, Utc(2025, c.month, 15)), c.bias) << c.zone;
  }
  EXPECT_EQ(StandardBiasMinutes(QTimeZone("No/Such_Zone"), Utc(2025, 7, 15)), 0);
}

// The whole chain from the zone to the hours added to the moon phase times.
TEST(StandardBiasMinutes, GivesTheMoonPhaseOffset) {
  using orsalimbra::core::UtcOffsetFromBias;
  const QDateTime summer = Utc(2025, 7, 15);
  EXPECT_EQ(UtcOffsetFromBias(StandardBiasMinutes(QTimeZone("Europe/Rome"), summer)), 1);
  EXPECT_EQ(UtcOffsetFromBias(StandardBiasMinutes(QTimeZone("Asia/Kolkata"), summer)), 6);
  EXPECT_EQ(UtcOffsetFromBias(StandardBiasMinutes(QTimeZone("America/St_Johns"), summer)), -4);
}

// The computer's zone is the one the environment names. Whatever the date,
// daylight saving time is in force in the north or in Sydney, so this also
// shows that it is left out.
TEST(TimeZoneBias, FollowsTheComputersZone) {
  const QByteArray saved = qgetenv("TZ");
  const bool hadTz = qEnvironmentVariableIsSet("TZ");
  struct Case {
    const char* tz;
    int bias;
  };
  for (const Case& c : {Case{"Europe/Rome", -60}, Case{"America/New_York", 300},
                        Case{"Asia/Kolkata", -330}, Case{"Australia/Sydney", -600}}) {
    qputenv("TZ", c.tz);
    tzset();
    EXPECT_EQ(TimeZoneBias(), c.bias) << c.tz;
  }
  if (hadTz) {
    qputenv("TZ", saved);
  } else {
    qunsetenv("TZ");
  }
  tzset();
}
