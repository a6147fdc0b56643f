#include "core/data_reader.h"

#include <climits>

#include "core/win1252.h"

namespace orsalimbra::core {

namespace {

// Strips the space character (code 32) at both ends; a tab is ordinary text.
std::string_view StripSpaces(std::string_view s) {
  std::size_t first = 0, end = s.size();
  while (first < end && s[first] == ' ') ++first;
  while (end > first && s[end - 1] == ' ') --end;
  return s.substr(first, end - first);
}

}  // namespace

TokenKind KindOf(std::string_view token) {
  if (token.empty()) return TokenKind::Item;
  if (token.front() == '<') return TokenKind::Section;
  if (token.front() == '[') return TokenKind::Key;
  return TokenKind::Item;
}

std::string SectionNameOf(std::string_view token) {
  std::string name(token.substr(token.empty() ? 0 : 1));
  for (char& c : name) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return name;
}

std::string_view KeyOf(std::string_view token) { return token.substr(token.empty() ? 0 : 1); }

DataSection DataSectionOf(std::string_view name) {
  if (name == "LINGUA" || name == "LINGUE") return DataSection::Languages;
  if (name == "PAESE" || name == "PAESI") return DataSection::Countries;
  if (name == "TITOLO" || name == "TITOLI") return DataSection::Titles;
  if (name == "MESI") return DataSection::Months;
  if (name == "GIORNI") return DataSection::Weekdays;
  if (name == "FESTE") return DataSection::Holidays;
  if (name == "SOSTITUTIVO" || name == "SOSTITUTIVI") return DataSection::SubstituteMarkers;
  if (name == "FOTO") return DataSection::Pictures;
  return DataSection::Other;
}

DataReader::DataReader(std::string_view fileBytes) : text_(DecodeWin1252(fileBytes)) {}

bool DataReader::NextLine(std::string_view& line) {
  if (next_ >= text_.size()) return false;
  const std::string_view text(text_);
  std::size_t end = next_;
  while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
  line = text.substr(next_, end - next_);
  next_ = end;
  if (lineNumber_ < INT_MAX) ++lineNumber_;
  if (next_ < text.size()) {
    next_ += (text[next_] == '\r' && next_ + 1 < text.size() && text[next_ + 1] == '\n') ? 2 : 1;
  }
  return true;
}

bool DataReader::ReadDataLine() {
  token_ = {};
  std::string_view line;
  while (line_.empty() && NextLine(line)) line_ = StripSpaces(line);
  if (line_.empty()) return false;

  // The rest is split before its terminator; the token keeps a leading "<"
  // or "[" but loses both quotes. Without a terminator the token is the
  // whole rest (without an opening quote) and the line is used up.
  const std::string_view rest = line_;
  char terminator = ' ';
  std::size_t tokenStart = 0;
  switch (rest.front()) {
    case '<':
      terminator = '>';
      break;
    case '[':
      terminator = ']';
      break;
    case '"':
      terminator = '"';
      tokenStart = 1;
      break;
    default:
      break;
  }
  const std::size_t end = rest.find(terminator, tokenStart);
  if (end == std::string_view::npos) {
    token_ = rest.substr(tokenStart);
    line_ = {};
  } else {
    token_ = rest.substr(tokenStart, end - tokenStart);
    line_ = StripSpaces(rest.substr(end + 1));
  }
  return true;
}

}  // namespace orsalimbra::core
