#include "render_qt/qt_scratch_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <csignal>

namespace orsalimbra::render {

namespace {

// Whatever follows the random part belongs to the writer: a suffix, and
// the temporary name QSaveFile may add to it.
const QRegularExpression& ScratchPattern() {
  static const QRegularExpression pattern(
      QStringLiteral(R"(^\.orsalimbra-([1-9][0-9]{0,9})-[0-9a-f]{8}(\..*)?$)"));
  return pattern;
}

}  // namespace

bool ProcessRuns(long long pid) {
  if (pid <= 0 || pid > 0x7FFFFFFF) return false;
  // A process that may not be signalled still runs.
  return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

QString ScratchFileName(const QString& folder, const QString& suffix) {
  const QDir dir(folder);
  for (;;) {
    const QString name = QStringLiteral(".orsalimbra-%1-%2.%3")
                             .arg(QCoreApplication::applicationPid())
                             .arg(QRandomGenerator::global()->generate(), 8, 16, QChar(u'0'))
                             .arg(suffix);
    const QString path = dir.filePath(name);
    // A dangling link counts as taken too.
    if (!QFileInfo(path).exists() && !QFileInfo(path).isSymLink()) return path;
  }
}

long long ScratchFileOwner(const QString& fileName) {
  const QRegularExpressionMatch match = ScratchPattern().match(fileName);
  return match.hasMatch() ? match.captured(1).toLongLong() : 0;
}

int RemoveStaleScratchFiles(const QString& folder) {
  const QDir dir(folder);
  int removed = 0;
  const QStringList names =
      dir.entryList({QStringLiteral(".orsalimbra-*")}, QDir::Files | QDir::Hidden | QDir::System);
  for (const QString& name : names) {
    const long long owner = ScratchFileOwner(name);
    if (owner == 0 || ProcessRuns(owner)) continue;
    if (QFile::remove(dir.filePath(name))) ++removed;
  }
  return removed;
}

}  // namespace orsalimbra::render
