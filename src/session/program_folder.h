// Where the program keeps its files: the folder of the executable.
#pragma once

#include <QString>

namespace orsalimbra::session {

struct ProgramFiles {
  QString folder;      // the program folder, without a trailing separator
  QString dataFile;    // folder + "/Orsalimbra.ini"
  QString backupFile;  // folder + "/Orsalimbra.bak"
  QString helpFile;    // folder + "/Orsalimbra.htm"

  static ProgramFiles In(const QString& folder);
  // The folder of the running executable.
  static ProgramFiles OfApplication();
};

}  // namespace orsalimbra::session
