#include "session/program_folder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace orsalimbra::session {

namespace {

// Anything bearing the name, a link that points nowhere included.
bool NameTaken(const QString& path) {
  struct stat info {};
  return ::lstat(QFile::encodeName(path).constData(), &info) == 0;
}

}  // namespace

DataFilePlace DataFilePlace::In(const QString& folder) {
  const QString base = QDir::cleanPath(folder);
  return DataFilePlace{base, base + "/Orsalimbra.ini", base + "/Orsalimbra.bak"};
}

ProgramFiles ProgramFiles::In(const QString& folder, const QString& userFolder) {
  ProgramFiles files{DataFilePlace::In(folder), {}, {}};
  files.helpFile = files.folder + "/Orsalimbra.htm";
  if (!userFolder.isEmpty()) files.userFolder = QDir::cleanPath(userFolder);
  return files;
}

ProgramFiles ProgramFiles::OfApplication() {
  return In(QCoreApplication::applicationDirPath(), UserDataFolder());
}

QString UserDataFolder() {
  // Not AppDataLocation itself: that follows the names the running program
  // gives itself, and the window program and orsalimbra-cli must agree.
  const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  return data.isEmpty() ? QString() : data + "/Nerb/Orsalimbra";
}

DataFileInUse DataFileInForce(const ProgramFiles& files) {
  if (!files.userFolder.isEmpty()) {
    DataFilePlace user = DataFilePlace::In(files.userFolder);
    if (NameTaken(user.dataFile)) return {std::move(user), true};
  }
  return {files, false};
}

DataFileInUse DataFileSavePlace(const ProgramFiles& files) {
  DataFileInUse inForce = DataFileInForce(files);
  if (inForce.userCopy || files.userFolder.isEmpty() || FolderWritable(files.folder)) {
    return inForce;
  }
  return {DataFilePlace::In(files.userFolder), true};
}

bool FolderWritable(const QString& folder) {
  // AT_EACCESS: the identity the file operations use, not the real one.
  return ::faccessat(AT_FDCWD, QFile::encodeName(folder).constData(), W_OK | X_OK, AT_EACCESS) == 0;
}

}  // namespace orsalimbra::session
