// What the main window takes from the computer at start-up. The program
// passes the real values; tests pass their own folder, date and zone.
#pragma once

#include <QDate>
#include <QString>

#include <string>

#include "session/program_folder.h"

namespace orsalimbra::ui {

struct WindowEnvironment {
  session::ProgramFiles files;  // the program folder and the files kept in it
  QString settingsSection;      // the section of the settings store
  QDate today;                  // the date of the start
  int timeZoneBias = 0;         // minutes, GMT = local standard time + bias
  // The zone the times of calendar files are shown in (an IANA name).
  std::string timeZoneName = "UTC";

  // The running program: the folder of its executable, the section named
  // after it, today's date and the computer's standard time-zone bias.
  static WindowEnvironment ForRunningProgram();
};

}  // namespace orsalimbra::ui
