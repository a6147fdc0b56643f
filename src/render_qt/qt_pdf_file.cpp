#include "render_qt/qt_pdf_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPdfWriter>
#include <QRegularExpression>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "render_qt/qt_scratch_files.h"

namespace orsalimbra::render {

namespace {

std::string Native(const QString& path) { return QDir::toNativeSeparators(path).toStdString(); }

// The file a name stands for: the file a link points to, however many links
// lead there; a link that points nowhere gives the name it points to.
QString Resolved(const QString& target) {
  const QFileInfo info(target);
  if (!info.isSymLink()) return info.absoluteFilePath();
  return info.exists() ? info.canonicalFilePath() : info.symLinkTarget();
}

// Earlier versions wrote ".NAME.PID.part" beside the target and left it
// behind when killed. Only such names that hold a PDF, of a process that has
// ended, are taken for theirs.
void RemoveEarlierPartFiles(const QString& folder) {
  static const QRegularExpression pattern(QStringLiteral(R"(^\..+\.([1-9][0-9]{0,9})\.part$)"));
  const QDir dir(folder);
  const QStringList names = dir.entryList({QStringLiteral(".*.part")}, QDir::Files | QDir::Hidden);
  for (const QString& name : names) {
    const QRegularExpressionMatch match = pattern.match(name);
    if (!match.hasMatch()) continue;
    if (ProcessRuns(match.captured(1).toLongLong())) continue;
    QFile file(dir.filePath(name));
    if (file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-") {
      file.close();
      file.remove();
    }
  }
}

// Makes a rename in `folder` durable. File systems that cannot sync a
// folder say so with EINVAL; the rename then stands as the system keeps it.
void SyncFolder(const QString& folder) {
  const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

// QSaveFile drops every write after the first failed one and remembers the
// failure, but not the system's words for it ("Unknown error" when its write
// buffer failed): the error number of the failed write is kept here.
class PdfFile::SaveFile final : public QSaveFile {
 public:
  using QSaveFile::QSaveFile;
  const QString& firstError() const { return firstError_; }

 protected:
  qint64 writeData(const char* data, qint64 length) override {
    errno = 0;
    const qint64 written = QSaveFile::writeData(data, length);
    const int error = errno;
    if (this->error() != QFileDevice::NoError && firstError_.isEmpty()) {
      firstError_ = error != 0 ? QString::fromLocal8Bit(std::strerror(error)) : errorString();
    }
    return written;
  }

 private:
  QString firstError_;
};

PdfPage PdfPage::Sized(const QPageSize& size, QPageLayout::Orientation orientation) {
  PdfPage page;
  page.layout = QPageLayout(size, orientation, QMarginsF(10, 10, 10, 10), QPageLayout::Point);
  return page;
}

PdfFile::PdfFile(const QString& target, const PdfPage& page) : target_(target) {
  if (target.isEmpty()) {
    Fail(DeviceFailure::Kind::CannotWriteFile, QStringLiteral("no file name"));
    return;
  }
  resolved_ = Resolved(target);
  // stat itself, not QFileInfo: under another file-system user id (a
  // program run with dropped rights) QFileInfo takes a file for no file.
  struct stat status {};
  if (::stat(QFile::encodeName(resolved_).constData(), &status) == 0 && !S_ISREG(status.st_mode)) {
    Fail(DeviceFailure::Kind::OutputNotAFile);
    return;
  }
  const QString folder = QFileInfo(resolved_).absolutePath();
  RemoveStaleScratchFiles(folder);
  RemoveEarlierPartFiles(folder);

  scratch_ = ScratchFileName(folder, QStringLiteral("pdf"));
  file_ = std::make_unique<SaveFile>(scratch_);
  if (!file_->open(QIODevice::WriteOnly)) {
    Fail(DeviceFailure::Kind::CannotWriteFile, file_->errorString());
    file_.reset();
    return;
  }
  writer_ = std::make_unique<QPdfWriter>(file_.get());
  writer_->setPageLayout(page.layout);
  writer_->setResolution(page.resolution);
  writer_->setCreator(page.creator);
  writer_->setTitle(page.title);
}

PdfFile::~PdfFile() { Cancel(); }

void PdfFile::Fail(DeviceFailure::Kind kind, const QString& detail) {
  if (failure_.kind == DeviceFailure::Kind::None) {
    failure_ = {kind, Native(target_), detail.toStdString()};
  }
}

QString PdfFile::WriteError() const {
  return file_->firstError().isEmpty() ? file_->errorString() : file_->firstError();
}

bool PdfFile::WritesSucceeded() {
  if (file_ && file_->error() != QFileDevice::NoError) {
    Fail(DeviceFailure::Kind::FileWriteFailed, WriteError());
  }
  return failure_.kind == DeviceFailure::Kind::None;
}

bool PdfFile::Commit() {
  if (!file_ || !WritesSucceeded()) {
    Cancel();
    return false;
  }
  writer_.reset();
  // Flushes, syncs and checks every write; on failure nothing is left.
  if (!file_->commit()) {
    Fail(DeviceFailure::Kind::FileWriteFailed, WriteError());
    Cancel();
    return false;
  }
  file_.reset();
  // A file replaced keeps who may read it.
  const QFileInfo old(resolved_);
  if (old.exists()) QFile::setPermissions(scratch_, old.permissions());
  if (std::rename(QFile::encodeName(scratch_).constData(),
                  QFile::encodeName(resolved_).constData()) != 0) {
    Fail(DeviceFailure::Kind::CannotWriteFile, QString::fromLocal8Bit(std::strerror(errno)));
    QFile::remove(scratch_);
    scratch_.clear();
    return false;
  }
  scratch_.clear();
  SyncFolder(QFileInfo(resolved_).absolutePath());
  return true;
}

void PdfFile::Cancel() {
  writer_.reset();
  if (file_) {
    file_->cancelWriting();
    file_.reset();  // an open QSaveFile removes its temporary file
  }
  if (!scratch_.isEmpty()) {
    // Only after a commit whose rename failed does the scratch name exist.
    if (QFileInfo(scratch_).isFile()) QFile::remove(scratch_);
    scratch_.clear();
  }
}

}  // namespace orsalimbra::render
