#include "ui/data_file_saver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryFile>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace orsalimbra::ui {

namespace {

QString Native(const QString& path) { return QDir::toNativeSeparators(path); }

// A name in the program folder that no file has, for the old backup while
// the save is under way.
QString UnusedAsideName(const session::ProgramFiles& files, SaveFileSystem& fs) {
  for (;;) {
    const QString name = QStringLiteral("%1/Orsalimbra-%2.bak")
                             .arg(files.folder)
                             .arg(QRandomGenerator::global()->generate(), 8, 16, QChar(u'0'));
    if (!fs.Exists(name)) return name;
  }
}

const QString kUnchanged =
    QStringLiteral("Il file dei dati e la copia di sicurezza sono rimasti come prima.");

QString Failure(const QString& what, const QString& reason, const QString& state) {
  return QStringLiteral("Le modifiche non sono state salvate.\n\n%1\n(%2)\n\n%3")
      .arg(what, reason, state);
}

}  // namespace

bool SaveFileSystem::Exists(const QString& path) { return QFileInfo::exists(path); }

bool SaveFileSystem::WriteNewFile(const QString& folder, const QByteArray& bytes, QString* path,
                                  QString* error) {
  QTemporaryFile file(folder + QStringLiteral("/Orsalimbra-XXXXXX.tmp"));
  if (!file.open()) {
    *error = file.errorString();
    return false;
  }
  if (file.write(bytes) != bytes.size() || !file.flush()) {
    *error = file.errorString();
    return false;
  }
#ifdef Q_OS_UNIX
  // A full disk may only show when the data reach the disk.
  if (::fsync(file.handle()) != 0) {
    *error = QStringLiteral("scrittura su disco non riuscita");
    return false;
  }
#endif
  file.close();
  if (file.error() != QFileDevice::NoError) {
    *error = file.errorString();
    return false;
  }
  file.setAutoRemove(false);
  *path = file.fileName();
  return true;
}

bool SaveFileSystem::Rename(const QString& from, const QString& to, QString* error) {
  QFile file(from);
  if (QFileInfo::exists(to)) {
    *error = QStringLiteral("esiste già un file di nome %1").arg(Native(to));
    return false;
  }
  if (file.rename(to)) return true;
  *error = file.errorString();
  return false;
}

bool SaveFileSystem::Remove(const QString& path, QString* error) {
  QFile file(path);
  if (file.remove()) return true;
  *error = file.errorString();
  return false;
}

SaveOutcome SaveDataFile(const session::ProgramFiles& files, const QByteArray& bytes,
                         SaveFileSystem& fs) {
  QString error;
  QString fresh;
  if (!fs.WriteNewFile(files.folder, bytes, &fresh, &error)) {
    return {false, Failure(QStringLiteral("Non è stato possibile scrivere il nuovo file nella "
                                          "cartella del programma %1.")
                               .arg(Native(files.folder)),
                           error, kUnchanged)};
  }
  QString ignored;
  const bool hadData = fs.Exists(files.dataFile);
  QString aside;
  if (hadData && fs.Exists(files.backupFile)) {
    aside = UnusedAsideName(files, fs);
    if (!fs.Rename(files.backupFile, aside, &error)) {
      fs.Remove(fresh, &ignored);
      return {false, Failure(QStringLiteral("Non è stato possibile spostare la copia di "
                                            "sicurezza %1.")
                                 .arg(Native(files.backupFile)),
                             error, kUnchanged)};
    }
  }
  // Puts the old backup back; on failure tells the user where it is.
  auto restoreBackup = [&]() -> QString {
    if (aside.isEmpty() || fs.Rename(aside, files.backupFile, &ignored)) return {};
    return QStringLiteral(" La copia di sicurezza precedente si trova in %1.").arg(Native(aside));
  };
  if (hadData && !fs.Rename(files.dataFile, files.backupFile, &error)) {
    fs.Remove(fresh, &ignored);
    const QString lost = restoreBackup();
    return {false, Failure(QStringLiteral("Non è stato possibile trasformare il file dei dati %1 "
                                          "nella copia di sicurezza.")
                               .arg(Native(files.dataFile)),
                           error, lost.isEmpty() ? kUnchanged : lost.trimmed())};
  }
  if (!fs.Rename(fresh, files.dataFile, &error)) {
    QString state;
    if (hadData && !fs.Rename(files.backupFile, files.dataFile, &ignored)) {
      // The previous data file is intact under the backup name; the new text
      // stays in the window and in the temporary file.
      state = QStringLiteral("Il file dei dati precedente si trova in %1; il nuovo testo in %2.")
                  .arg(Native(files.backupFile), Native(fresh));
      if (!aside.isEmpty()) {
        state +=
            QStringLiteral(" La copia di sicurezza precedente si trova in %1.").arg(Native(aside));
      }
    } else {
      fs.Remove(fresh, &ignored);
      state = restoreBackup();
      state = state.isEmpty() ? kUnchanged
                              : QStringLiteral("Il file dei dati è rimasto come prima.") + state;
    }
    return {false, Failure(QStringLiteral("Non è stato possibile dare al nuovo file il nome %1.")
                               .arg(Native(files.dataFile)),
                           error, state)};
  }
  // The save is complete; an old backup that cannot be removed only costs
  // a stray file.
  if (!aside.isEmpty()) fs.Remove(aside, &ignored);
  return {true, {}};
}

}  // namespace orsalimbra::ui
