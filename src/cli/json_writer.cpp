#include "cli/json_writer.h"

#include <cstdio>

#include "core/utf8.h"

namespace orsalimbra::cli {

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
      const core::Utf8Character u = core::DecodeUtf8(value.substr(i));
      text_.append(u.malformed ? std::string_view("\xEF\xBF\xBD") : value.substr(i, u.length));
      i += u.length;
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
