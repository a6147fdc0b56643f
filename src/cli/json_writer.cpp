#include "cli/json_writer.h"

#include <cstdio>

namespace orsalimbra::cli {

namespace {

// Length of the valid UTF-8 sequence at the start of `s` (not empty), 0 when
// it is none (RFC 3629: no overlong forms, surrogates or code points above
// U+10FFFF).
std::size_t Utf8Length(std::string_view s) {
  const auto at = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned char lead = at(0);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (s.size() < length) return 0;
  if (at(1) < low || at(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (at(i) < 0x80 || at(i) > 0xBF) return 0;
  }
  return length;
}

}  // namespace

void JsonWriter::BeforeValue() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (!levels_.empty()) {
    if (!levels_.back().empty) text_ += ", ";
    levels_.back().empty = false;
  }
}

JsonWriter& JsonWriter::BeginObject() {
  BeforeValue();
  text_ += '{';
  levels_.push_back({true});
  return *this;
}

JsonWriter& JsonWriter::EndObject() {
  const bool outermost = levels_.size() == 1;
  const bool empty = levels_.back().empty;
  levels_.pop_back();
  text_ += outermost && !empty ? "\n}" : "}";
  return *this;
}

JsonWriter& JsonWriter::BeginArray() {
  BeforeValue();
  text_ += '[';
  levels_.push_back({false});
  return *this;
}

JsonWriter& JsonWriter::EndArray() {
  levels_.pop_back();
  text_ += ']';
  return *this;
}

JsonWriter& JsonWriter::Key(std::string_view name) {
  Level& level = levels_.back();
  if (levels_.size() == 1) {
    text_ += level.empty ? "\n  " : ",\n  ";
  } else if (!level.empty) {
    text_ += ", ";
  }
  level.empty = false;
  Quoted(name);
  text_ += ": ";
  afterKey_ = true;
  return *this;
}

JsonWriter& JsonWriter::String(std::string_view value) {
  BeforeValue();
  Quoted(value);
  return *this;
}

JsonWriter& JsonWriter::Number(long long value) {
  BeforeValue();
  text_ += std::to_string(value);
  return *this;
}

JsonWriter& JsonWriter::Bool(bool value) {
  BeforeValue();
  text_ += value ? "true" : "false";
  return *this;
}

void JsonWriter::Quoted(std::string_view value) {
  text_ += '"';
  std::size_t i = 0;
  while (i < value.size()) {
    const unsigned char c = static_cast<unsigned char>(value[i]);
    if (c >= 0x80) {
      const std::size_t length = Utf8Length(value.substr(i));
      if (length == 0) {
        text_ += "\xEF\xBF\xBD";
        ++i;
      } else {
        text_.append(value.substr(i, length));
        i += length;
      }
      continue;
    }
    switch (c) {
      case '"':
        text_ += "\\\"";
        break;
      case '\\':
        text_ += "\\\\";
        break;
      case '\n':
        text_ += "\\n";
        break;
      case '\r':
        text_ += "\\r";
        break;
      case '\t':
        text_ += "\\t";
        break;
      default:
        if (c < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
          text_ += escaped;
        } else {
          text_ += static_cast<char>(c);
        }
    }
    ++i;
  }
  text_ += '"';
}

}  // namespace orsalimbra::cli
