#include "session/program_folder.h"

#include <QCoreApplication>
#include <QDir>

namespace orsalimbra::session {

ProgramFiles ProgramFiles::In(const QString& folder) {
  const QString base = QDir::cleanPath(folder);
  return ProgramFiles{base, base + "/Orsalimbra.ini", base + "/Orsalimbra.bak",
                      base + "/Orsalimbra.htm"};
}

ProgramFiles ProgramFiles::OfApplication() { return In(QCoreApplication::applicationDirPath()); }

}  // namespace orsalimbra::session
