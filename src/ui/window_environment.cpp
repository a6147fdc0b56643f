#include "ui/window_environment.h"

#include "ui/settings_store.h"
#include "ui/system_time_zone.h"

namespace orsalimbra::ui {

WindowEnvironment WindowEnvironment::ForRunningProgram() {
  WindowEnvironment env;
  env.files = ProgramFiles::OfApplication();
  env.settingsSection = SettingsStore::ForRunningProgram().section();
  env.today = QDate::currentDate();
  env.timeZoneBias = TimeZoneBias();
  return env;
}

}  // namespace orsalimbra::ui
