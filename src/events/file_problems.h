// The problems met in one file, gathered in the order they were met.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "events/import_problem.h"

namespace orsalimbra::events {

class FileProblems {
 public:
  // At most `maxListed` problems are listed; a file broken on every line
  // gets a count of the others instead of one message per line.
  FileProblems(std::string file, std::size_t maxListed);

  // `detail` is cut to a short line of valid UTF-8.
  void add(ImportProblem::Kind kind, int line, std::string_view detail = {}, std::size_t limit = 0);
  // Forgets what was listed: one problem says it all.
  void clear();
  bool empty() const { return listed_.empty() && unlisted_ == 0; }

  // The problems, with a MoreProblems entry last when some were not listed.
  std::vector<ImportProblem> take();

 private:
  std::string file_;
  std::size_t maxListed_;
  std::vector<ImportProblem> listed_;
  std::size_t unlisted_ = 0;
};

}  // namespace orsalimbra::events
