// A small writer of JSON text: objects, arrays, strings and integers, with
// the members of the outermost object one per line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orsalimbra::cli {

class JsonWriter {
 public:
  JsonWriter& BeginObject();
  JsonWriter& EndObject();
  JsonWriter& BeginArray();
  JsonWriter& EndArray();
  // The name of the next member of the current object.
  JsonWriter& Key(std::string_view name);
  // A string value; each malformed UTF-8 sequence is written as one U+FFFD.
  JsonWriter& String(std::string_view value);
  JsonWriter& Number(long long value);
  JsonWriter& Bool(bool value);

  // The text written so far.
  const std::string& Text() const { return text_; }

 private:
  void BeforeValue();
  void Quoted(std::string_view value);

  struct Level {
    bool object;
    bool empty = true;
  };
  std::string text_;
  std::vector<Level> levels_;
  bool afterKey_ = false;
};

}  // namespace orsalimbra::cli
