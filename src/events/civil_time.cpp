#include "events/civil_time.h"

namespace orsalimbra::events {

namespace {

using namespace std::chrono;

Seconds FloorDiv(Seconds a, Seconds b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

year_month_day CivilDate(const icaltimetype& t) {
  return year{t.year} / month{static_cast<unsigned>(t.month)} / day{static_cast<unsigned>(t.day)};
}

}  // namespace

bool IsRealTime(const icaltimetype& t) {
  if (t.year < 1 || t.year > 9999 || t.month < 1 || t.month > 12 || t.day < 1 || t.day > 31) {
    return false;
  }
  if (!CivilDate(t).ok()) return false;
  if (t.is_date) return true;
  return t.hour >= 0 && t.hour <= 23 && t.minute >= 0 && t.minute <= 59 && t.second >= 0 &&
         t.second <= 60;
}

std::chrono::sys_days CivilDay(const icaltimetype& t) { return sys_days{CivilDate(t)}; }

Seconds CivilSeconds(const icaltimetype& t) {
  const Seconds midnight = CivilDay(t).time_since_epoch().count() * kSecondsPerDay;
  if (t.is_date) return midnight;
  const int second = t.second > 59 ? 59 : t.second;
  return midnight + t.hour * 3600 + t.minute * 60 + second;
}

std::chrono::sys_days DayOfSeconds(Seconds s) {
  return sys_days{days{FloorDiv(s, kSecondsPerDay)}};
}

icaltimetype CivilTime(Seconds s) {
  const sys_days d = DayOfSeconds(s);
  const year_month_day date{d};
  const Seconds rest = s - d.time_since_epoch().count() * kSecondsPerDay;
  icaltimetype t = icaltime_null_time();
  t.year = static_cast<int>(date.year());
  t.month = static_cast<int>(static_cast<unsigned>(date.month()));
  t.day = static_cast<int>(static_cast<unsigned>(date.day()));
  t.hour = static_cast<int>(rest / 3600);
  t.minute = static_cast<int>(rest / 60 % 60);
  t.second = static_cast<int>(rest % 60);
  return t;
}

icaltimetype AtDay(const icaltimetype& like, std::chrono::sys_days d) {
  icaltimetype t = like;
  const year_month_day date{d};
  t.year = static_cast<int>(date.year());
  t.month = static_cast<int>(static_cast<unsigned>(date.month()));
  t.day = static_cast<int>(static_cast<unsigned>(date.day()));
  t.hour = t.minute = t.second = 0;
  return t;
}

}  // namespace orsalimbra::events
