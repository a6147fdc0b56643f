#include "events/content_lines.h"

#include <cstring>

namespace orsalimbra::events {

namespace {

void AppendWithoutNul(std::string& out, std::string_view part) {
  for (std::size_t from = 0; from < part.size();) {
    const std::size_t nul = part.find('\0', from);
    const std::size_t end = nul == std::string_view::npos ? part.size() : nul;
    out.append(part.substr(from, end - from));
    from = end + 1;
  }
}

}  // namespace

ContentLines::ContentLines(std::string_view text) : text_(text) {
  if (text_.starts_with("\xEF\xBB\xBF")) next_ = 3;
}

bool ContentLines::NextPhysical(std::string_view& line) {
  if (next_ >= text_.size()) return false;
  // memchr twice: much faster than a search for either byte at once.
  const char* begin = text_.data() + next_;
  const std::size_t left = text_.size() - next_;
  const void* lf = std::memchr(begin, '\n', left);
  const std::size_t upTo = lf != nullptr ? static_cast<const char*>(lf) - begin : left;
  const void* cr = std::memchr(begin, '\r', upTo);
  const char* stop = static_cast<const char*>(cr != nullptr ? cr : lf);
  const std::size_t end = stop != nullptr ? next_ + (stop - begin) : std::string_view::npos;
  if (end == std::string_view::npos) {
    line = text_.substr(next_);
    next_ = text_.size();
  } else {
    line = text_.substr(next_, end - next_);
    next_ = end + 1;
    if (text_[end] == '\r' && next_ < text_.size() && text_[next_] == '\n') ++next_;
  }
  ++physical_;
  return true;
}

bool ContentLines::Next(std::string& line, int& number) {
  std::string_view first;
  if (hasPending_) {
    first = pending_;
    hasPending_ = false;
  } else if (!NextPhysical(first)) {
    return false;
  }
  number = physical_;
  line.clear();
  AppendWithoutNul(line, first);
  // libical folds nothing into an empty line.
  if (first.empty()) return true;
  std::string_view more;
  while (NextPhysical(more)) {
    if (more.empty() || (more[0] != ' ' && more[0] != '\t')) {
      pending_ = more;
      hasPending_ = true;
      break;
    }
    AppendWithoutNul(line, more.substr(1));
  }
  return true;
}

}  // namespace orsalimbra::events
