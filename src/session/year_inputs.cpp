#include "session/year_inputs.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>

namespace orsalimbra::session {

namespace {

QString SystemWords(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

std::optional<std::string> Refuse(DataFileStatus* status, DataFileProblem problem,
                                  QString detail = {}) {
  if (status != nullptr) *status = {problem, std::move(detail)};
  return std::nullopt;
}

// Closes the descriptor whatever way the read ends.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

std::optional<std::string> ReadDataFile(const QString& path, DataFileStatus* status) {
  if (status != nullptr) *status = {};
  // Without blocking: opening a FIFO would otherwise wait for a writer.
  const Descriptor file(
      ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (file.get() < 0) {
    const int error = errno;
    if (error == ENOENT || error == ENOTDIR) return Refuse(status, DataFileProblem::Missing);
    return Refuse(status, DataFileProblem::Unreadable, SystemWords(error));
  }
  struct stat info {};
  if (::fstat(file.get(), &info) != 0) {
    return Refuse(status, DataFileProblem::Unreadable, SystemWords(errno));
  }
  if (!S_ISREG(info.st_mode)) return Refuse(status, DataFileProblem::NotRegularFile);
  if (info.st_size > kMaxDataFileBytes) return Refuse(status, DataFileProblem::TooLarge);

  // The file may grow while it is read: one byte beyond the cap tells.
  std::string bytes(static_cast<std::size_t>(info.st_size) + 1, '\0');
  std::size_t length = 0;
  for (;;) {
    if (length == bytes.size()) {
      if (bytes.size() > static_cast<std::size_t>(kMaxDataFileBytes)) {
        return Refuse(status, DataFileProblem::TooLarge);
      }
      bytes.resize(std::min<std::size_t>(bytes.size() * 2, kMaxDataFileBytes + 1));
    }
    const ssize_t got = ::read(file.get(), bytes.data() + length, bytes.size() - length);
    if (got == 0) break;
    if (got < 0) {
      if (errno == EINTR) continue;
      // A read error part-way would hand the reader a cut file as if whole.
      return Refuse(status, DataFileProblem::Unreadable, SystemWords(errno));
    }
    length += static_cast<std::size_t>(got);
  }
  bytes.resize(length);
  return bytes;
}

std::string DataFileProblemText(const QString& path, const DataFileStatus& status) {
  std::string reason;
  switch (status.problem) {
    case DataFileProblem::None:
      return {};
    case DataFileProblem::Missing:
      reason = "it does not exist";
      break;
    case DataFileProblem::NotRegularFile:
      reason = "it is not a regular file (a folder, a device or a FIFO)";
      break;
    case DataFileProblem::Unreadable:
      reason =
          status.detail.isEmpty() ? "the system failed to read it" : status.detail.toStdString();
      break;
    case DataFileProblem::TooLarge:
      reason = "it is larger than " + std::to_string(kMaxDataFileBytes / (1024 * 1024)) +
               " MB, so it is no data file";
      break;
  }
  return "cannot read the data file \"" + QDir::toNativeSeparators(path).toStdString() +
         "\": " + reason;
}

bool PictureFileExists(const std::string& path) {
  if (path.empty()) return false;
  const QFileInfo info(QString::fromStdString(path));
  return info.exists() && info.isFile();
}

core::YearInputs ReadYearInputs(const QString& dataFile, const QString& programFolder,
                                const QString& userFolder, const QString& yearText,
                                core::LayoutCode layoutType, bool userPhotosSet,
                                DataFileStatus* status) {
  core::YearInputs inputs;
  inputs.fileBytes = ReadDataFile(dataFile, status);
  inputs.yearText = yearText.toStdString();
  inputs.layoutType = layoutType;
  inputs.userPhotosSet = userPhotosSet;
  inputs.programFolder = programFolder.toStdString();
  inputs.userFolder = userFolder.toStdString();
  inputs.fileExists = &PictureFileExists;
  return inputs;
}

}  // namespace orsalimbra::session
