#include "ui/window_environment.h"

#include "session/personal_dates.h"
#include "session/settings_store.h"
#include "session/system_time_zone.h"

namespace orsalimbra::ui {

WindowEnvironment WindowEnvironment::ForRunningProgram() {
  WindowEnvironment env;
  env.files = session::ProgramFiles::OfApplication();
  env.settingsSection = session::SettingsStore::ForRunningProgram().section();
  env.today = QDate::currentDate();
  env.timeZoneBias = session::TimeZoneBias();
  env.timeZoneName = session::LocalTimeZoneName();
  return env;
}

}  // namespace orsalimbra::ui
