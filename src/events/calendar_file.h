// Reading a calendar file from disk without trusting what is at the path:
// only a regular file is read, and never more than a bound.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "events/import_problem.h"

namespace orsalimbra::events {

struct FileBytes {
  std::string bytes;
  // Set when nothing was read; `bytes` is then empty.
  std::optional<ImportProblem> problem;
};

// The whole file at `path`, at most `maxBytes` long. A pipe, a device or a
// folder is refused from its type before a byte is read, so a FIFO without a
// writer or /dev/zero neither blocks nor fills memory.
FileBytes ReadCalendarFile(const std::string& path, std::size_t maxBytes);

}  // namespace orsalimbra::events
