#include "events/calendar_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace orsalimbra::events {

namespace {

using Kind = ImportProblem::Kind;

FileBytes Refused(const std::string& path, Kind kind, std::string detail = {},
                  std::size_t limit = 0) {
  return {{}, ImportProblem{path, 0, kind, std::move(detail), limit}};
}

FileBytes SystemFailure(const std::string& path, int error) {
  const Kind kind = error == ENOENT || error == ENOTDIR ? Kind::Missing : Kind::Unreadable;
  return Refused(path, kind, std::strerror(error));
}

// Closes the descriptor on every way out.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

FileBytes ReadCalendarFile(const std::string& path, std::size_t maxBytes) {
  // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer
  // before fstat could tell what it is.
  const Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (fd.get() < 0) return SystemFailure(path, errno);
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0) return SystemFailure(path, errno);
  if (!S_ISREG(info.st_mode)) return Refused(path, Kind::NotRegularFile);
  if (info.st_size < 0 || static_cast<std::size_t>(info.st_size) > maxBytes) {
    return Refused(path, Kind::TooLarge, {}, maxBytes);
  }

  // The size is only a hint: the file may grow or shrink while it is read.
  // One byte more than the bound tells a file that grew past it.
  FileBytes result;
  result.bytes.resize(static_cast<std::size_t>(info.st_size) + 1);
  std::size_t filled = 0;
  for (;;) {
    if (filled == result.bytes.size()) {
      if (filled > maxBytes) return Refused(path, Kind::TooLarge, {}, maxBytes);
      result.bytes.resize(std::min(maxBytes + 1, filled * 2 + 4096));
    }
    const ssize_t got =
        ::read(fd.get(), result.bytes.data() + filled, result.bytes.size() - filled);
    if (got < 0) {
      if (errno == EINTR) continue;
      return SystemFailure(path, errno);
    }
    if (got == 0) break;
    filled += static_cast<std::size_t>(got);
  }
  if (filled > maxBytes) return Refused(path, Kind::TooLarge, {}, maxBytes);
  result.bytes.resize(filled);
  return result;
}

}  // namespace orsalimbra::events
