#include "events/file_problems.h"

#include <utility>

#include "events/event_text.h"

namespace orsalimbra::events {

namespace {

// Enough of a line for the reader to find it in the file.
constexpr std::size_t kDetailCharacters = 80;

}  // namespace

FileProblems::FileProblems(std::string file, std::size_t maxListed)
    : file_(std::move(file)), maxListed_(maxListed) {}

void FileProblems::add(ImportProblem::Kind kind, int line, std::string_view detail,
                       std::size_t limit) {
  if (listed_.size() >= maxListed_) {
    ++unlisted_;
    return;
  }
  listed_.push_back({file_, line, kind, PageText(detail, kDetailCharacters), limit});
}

void FileProblems::clear() {
  listed_.clear();
  unlisted_ = 0;
}

std::vector<ImportProblem> FileProblems::take() {
  if (unlisted_ > 0) {
    listed_.push_back({file_, 0, ImportProblem::Kind::MoreProblems, {}, unlisted_});
  }
  unlisted_ = 0;
  return std::exchange(listed_, {});
}

}  // namespace orsalimbra::events
