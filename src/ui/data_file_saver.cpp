#include "ui/data_file_saver.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cerrno>
#include <cstring>

#include "render_qt/qt_scratch_files.h"

namespace orsalimbra::ui {

namespace {

QString Native(const QString& path) { return QDir::toNativeSeparators(path); }

QString SystemWords(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

QByteArray Encoded(const QString& path) { return QFile::encodeName(path); }

// Syncs the file or folder `path` to the disk.
bool Sync(const QString& path, int flags) {
  const int fd = ::open(Encoded(path).constData(), O_RDONLY | O_CLOEXEC | flags);
  if (fd < 0) return false;
  const bool synced = ::fsync(fd) == 0;
  ::close(fd);
  return synced;
}

// File systems without hard links say so with one of these.
bool NoHardLinks(int error) {
  return error == EPERM || error == ENOTSUP || error == EOPNOTSUPP || error == EMLINK ||
         error == ENOSYS;
}

// Writes all of `bytes` to `fd`.
bool WriteAll(int fd, const QByteArray& bytes) {
  qsizetype done = 0;
  while (done < bytes.size()) {
    const ssize_t written = ::write(fd, bytes.constData() + done, bytes.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    done += written;
  }
  return true;
}

// Gives the file open as `fd` the owner (where this process may) and the
// permission bits of the file `like`.
bool TakeOwnerAndMode(int fd, const QString& like) {
  struct stat old {};
  if (::stat(Encoded(like).constData(), &old) != 0) return true;  // a first save
  // The owner first: a change of owner clears set-id bits, the mode restores
  // them. Only root may give a file away; anyone may pass it to a group of
  // theirs. Where neither is allowed the file is the saver's own.
  if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
    if (::fchown(fd, old.st_uid, old.st_gid) != 0 &&
        ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) {
      // Kept as the saver's; its permission bits still follow the old file.
    }
  }
  return ::fchmod(fd, old.st_mode & 07777) == 0;
}

const QString kUnchanged =
    QStringLiteral("Il file dei dati e la copia di sicurezza sono rimasti come prima.");

QString Failure(const QString& what, const QString& reason, const QString& state) {
  return QStringLiteral("Le modifiche non sono state salvate.\n\n%1\n(%2)\n\n%3")
      .arg(what, reason, state);
}

}  // namespace

bool SaveFileSystem::Exists(const QString& path) {
  struct stat info {};
  return ::lstat(Encoded(path).constData(), &info) == 0;
}

void SaveFileSystem::RemoveLeftovers(const QString& folder) {
  render::RemoveStaleScratchFiles(folder);
  // The temporary file and the old backup set aside by versions before
  // this one, which stayed when a save was interrupted.
  static const QRegularExpression earlier(
      QStringLiteral(R"(^Orsalimbra-([0-9a-f]{8}\.bak|[A-Za-z0-9]{6}\.tmp)$)"));
  const QDir dir(folder);
  for (const QString& name : dir.entryList({QStringLiteral("Orsalimbra-*")}, QDir::Files)) {
    if (earlier.match(name).hasMatch()) QFile::remove(dir.filePath(name));
  }
}

QString SaveFileSystem::ScratchName(const QString& folder, const QString& suffix) {
  return render::ScratchFileName(folder, suffix);
}

bool SaveFileSystem::WriteNewFile(const QString& path, const QByteArray& bytes, const QString& like,
                                  QString* error) {
  const int fd = ::open(Encoded(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) {
    *error = SystemWords(errno);
    return false;
  }
  // A full disk may only show when the data reach the disk, or at close.
  bool written = TakeOwnerAndMode(fd, like) && WriteAll(fd, bytes) && ::fsync(fd) == 0;
  int failure = written ? 0 : errno;
  if (::close(fd) != 0 && written) {
    written = false;
    failure = errno;
  }
  if (written) return true;
  *error = SystemWords(failure);
  ::unlink(Encoded(path).constData());
  return false;
}

bool SaveFileSystem::Link(const QString& from, const QString& to, QString* error) {
  if (::link(Encoded(from).constData(), Encoded(to).constData()) == 0) return true;
  const int failure = errno;
  if (!NoHardLinks(failure)) {
    *error = SystemWords(failure);
    return false;
  }
  return Copy(from, to, error);
}

bool SaveFileSystem::Copy(const QString& from, const QString& to, QString* error) {
  QFile source(from);
  if (!source.copy(to)) {
    *error = source.errorString();
    return false;
  }
  if (!Sync(to, 0)) {
    *error = SystemWords(errno);
    QFile::remove(to);
    return false;
  }
  return true;
}

bool SaveFileSystem::Replace(const QString& from, const QString& to, QString* error) {
  const QByteArray source = Encoded(from);
  if (::rename(source.constData(), Encoded(to).constData()) != 0) {
    *error = SystemWords(errno);
    return false;
  }
  // Two names of one file (the data file and a backup linked to it by a
  // save that was interrupted) are left as they are by rename: the first
  // name must go all the same.
  struct stat info {};
  if (::lstat(source.constData(), &info) == 0) ::unlink(source.constData());
  return true;
}

bool SaveFileSystem::Remove(const QString& path, QString* error) {
  if (::unlink(Encoded(path).constData()) == 0) return true;
  *error = SystemWords(errno);
  return false;
}

void SaveFileSystem::SyncFolder(const QString& folder) {
  // A file system that cannot sync a folder keeps the renames its own way.
  Sync(folder, O_DIRECTORY);
}

SaveOutcome SaveDataFile(const session::DataFilePlace& place, const QByteArray& bytes,
                         SaveFileSystem& fs, const QString& earlier) {
  QString error;
  QString ignored;
  const auto drop = [&](const QString& path) {
    if (!path.isEmpty() && fs.Exists(path)) fs.Remove(path, &ignored);
  };
  // The user's folder is made by the first save into it.
  errno = 0;
  if (!QDir().mkpath(place.folder)) {
    const int failure = errno;
    return {false, Failure(QStringLiteral("Non è stato possibile creare la cartella %1.")
                               .arg(Native(place.folder)),
                           failure != 0 ? SystemWords(failure) : QStringLiteral("errore ignoto"),
                           kUnchanged)};
  }
  fs.RemoveLeftovers(place.folder);

  const QString fresh = fs.ScratchName(place.folder, QStringLiteral("ini"));
  if (!fs.WriteNewFile(fresh, bytes, place.dataFile, &error)) {
    return {false, Failure(QStringLiteral("Non è stato possibile scrivere il nuovo file nella "
                                          "cartella %1.")
                               .arg(Native(place.folder)),
                           error, kUnchanged)};
  }

  const bool hadData = fs.Exists(place.dataFile);
  // A second name for the old backup, to put it back if the save fails.
  QString aside;
  if (hadData) {
    if (fs.Exists(place.backupFile)) {
      aside = fs.ScratchName(place.folder, QStringLiteral("old"));
      if (!fs.Link(place.backupFile, aside, &error)) {
        drop(fresh);
        return {false, Failure(QStringLiteral("Non è stato possibile mettere da parte la copia di "
                                              "sicurezza %1.")
                                   .arg(Native(place.backupFile)),
                               error, kUnchanged)};
      }
    }
    const QString backup = fs.ScratchName(place.folder, QStringLiteral("bak"));
    if (!fs.Link(place.dataFile, backup, &error) || !fs.Replace(backup, place.backupFile, &error)) {
      drop(backup);
      drop(fresh);
      drop(aside);
      return {false, Failure(QStringLiteral("Non è stato possibile trasformare il file dei dati "
                                            "%1 nella copia di sicurezza.")
                                 .arg(Native(place.dataFile)),
                             error, kUnchanged)};
    }
  }
  // The text read until now, from another place, is the earlier version of
  // the first data file here. The save goes on without it when it cannot be
  // copied: it stays in its own place all the same.
  bool backupFromEarlier = false;
  if (!hadData && !earlier.isEmpty() && !fs.Exists(place.backupFile) && fs.Exists(earlier)) {
    const QString backup = fs.ScratchName(place.folder, QStringLiteral("bak"));
    backupFromEarlier =
        fs.Copy(earlier, backup, &error) && fs.Replace(backup, place.backupFile, &error);
    if (!backupFromEarlier) drop(backup);
  }

  if (!fs.Replace(fresh, place.dataFile, &error)) {
    drop(fresh);
    // The backup holds the data file now: the old one goes back, or none.
    QString state = kUnchanged;
    if ((hadData || backupFromEarlier) && aside.isEmpty() &&
        !fs.Remove(place.backupFile, &ignored)) {
      state = QStringLiteral(
          "Il file dei dati è rimasto come prima; la copia di sicurezza ne è "
          "ora una copia.");
    } else if (!aside.isEmpty() && !fs.Replace(aside, place.backupFile, &ignored)) {
      state = QStringLiteral(
                  "Il file dei dati è rimasto come prima. La copia di sicurezza "
                  "precedente si trova in %1.")
                  .arg(Native(aside));
    }
    return {false, Failure(QStringLiteral("Non è stato possibile dare al nuovo file il nome %1.")
                               .arg(Native(place.dataFile)),
                           error, state)};
  }
  fs.SyncFolder(place.folder);
  // The save is complete; an old backup that cannot be removed is a scratch
  // file that the next save removes.
  drop(aside);
  return {true, {}};
}

SaveOutcome SetAsideDataFile(const session::DataFilePlace& place, SaveFileSystem& fs) {
  QString error;
  if (!fs.Replace(place.dataFile, place.backupFile, &error)) {
    return {false, QStringLiteral("Il file dei dati %1 non è stato messo da parte.\n(%2)\n\n%3")
                       .arg(Native(place.dataFile), error, kUnchanged)};
  }
  fs.SyncFolder(place.folder);
  return {true, {}};
}

}  // namespace orsalimbra::ui
