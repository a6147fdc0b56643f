#include "events/calendar_parse.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>

#include "events/content_lines.h"

namespace orsalimbra::events {

namespace {

using Kind = ImportProblem::Kind;

// Added to every component right after its BEGIN line.
constexpr char kLineProperty[] = "X-ORSALIMBRA-LINE";

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// The parts of a content line as the parser splits them: the name ends at
// the first ';' or ':' outside double quotes, the value starts after the
// first such ':'. No name when there is neither.
struct LineParts {
  std::string_view name;
  std::string_view value;
  bool hasName = false;
};

LineParts Split(std::string_view line) {
  LineParts parts;
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '"') quoted = !quoted;
    if (quoted || (c != ';' && c != ':')) continue;
    if (!parts.hasName) {
      parts.name = line.substr(0, i);
      parts.hasName = true;
    }
    if (c == ':') {
      parts.value = line.substr(i + 1);
      break;
    }
  }
  return parts;
}

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

bool IsBlank(std::string_view line) { return Trimmed(line).empty(); }

// A property the parser rejects only because it does not know it (RFC 5545
// lets other standards add names) or only because its value is empty: the
// line carries nothing this program uses, so it is no problem to report.
bool Harmless(const LineParts& parts) {
  if (!parts.hasName) return false;
  if (Trimmed(parts.value).empty()) return true;
  if (parts.name.empty()) return false;
  for (const char c : parts.name) {
    const bool token =
        (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
    if (!token) return false;
  }
  const std::string name(parts.name);
  return icalproperty_string_to_kind(name.c_str()) == ICAL_NO_PROPERTY;
}

// Enough of a line to find it in the file, without copying a huge one.
std::string Excerpt(const std::string& line) { return line.substr(0, 400); }

struct OpenComponent {
  std::string name;
  int line;
};

// The parser reads the line and keeps no part of it; its C interface wants
// a mutable buffer.
icalcomponent* AddLine(icalparser* parser, std::string& line) {
  return icalparser_add_line(parser, line.data());
}

// Parameters the parser could not read leave an X-LIC-ERROR behind but no
// error state: they are found afterwards, on the component that holds them.
void ReportParameterErrors(icalcomponent* component, FileProblems& problems) {
  for (icalproperty* p = icalcomponent_get_first_property(component, ICAL_XLICERROR_PROPERTY);
       p != nullptr; p = icalcomponent_get_next_property(component, ICAL_XLICERROR_PROPERTY)) {
    icalparameter* type = icalproperty_get_first_parameter(p, ICAL_XLICERRORTYPE_PARAMETER);
    if (type == nullptr) continue;
    const icalparameter_xlicerrortype t = icalparameter_get_xlicerrortype(type);
    if (t != ICAL_XLICERRORTYPE_PARAMETERNAMEPARSEERROR &&
        t != ICAL_XLICERRORTYPE_PARAMETERVALUEPARSEERROR) {
      continue;
    }
    const char* text = icalproperty_get_xlicerror(p);
    problems.add(Kind::Malformed, LineOf(component), text != nullptr ? text : "");
  }
  for (icalcomponent* c = icalcomponent_get_first_component(component, ICAL_ANY_COMPONENT);
       c != nullptr; c = icalcomponent_get_next_component(component, ICAL_ANY_COMPONENT)) {
    ReportParameterErrors(c, problems);
  }
}

}  // namespace

int LineOf(icalcomponent* component) {
  for (icalproperty* p = icalcomponent_get_first_property(component, ICAL_X_PROPERTY); p != nullptr;
       p = icalcomponent_get_next_property(component, ICAL_X_PROPERTY)) {
    const char* name = icalproperty_get_x_name(p);
    if (name == nullptr || std::strcmp(name, kLineProperty) != 0) continue;
    const char* value = icalproperty_get_x(p);
    return value != nullptr ? std::atoi(value) : 0;
  }
  return 0;
}

ParsedCalendar ParseCalendar(std::string_view bytes, std::size_t maxComponents,
                             FileProblems& problems) {
  ParsedCalendar result;
  const ParserPtr parser(icalparser_new());
  if (!parser) return result;
  // As libical's own whole-text parse does: bad data is reported, not fatal.
  const icalerrorstate saved = icalerror_get_error_state(ICAL_MALFORMEDDATA_ERROR);
  icalerror_set_error_state(ICAL_MALFORMEDDATA_ERROR, ICAL_ERROR_NONFATAL);

  ContentLines lines(bytes);
  std::string line, tag;
  int number = 0;
  std::size_t components = 0;
  std::vector<OpenComponent> open;
  bool refused = false;
  while (lines.Next(line, number)) {
    if (IsBlank(line)) continue;
    const LineParts parts = Split(line);
    const bool begin = parts.hasName && EqualsIgnoringCase(parts.name, "BEGIN");
    const bool end = parts.hasName && EqualsIgnoringCase(parts.name, "END");
    const std::string what(Trimmed(parts.value));
    if (begin && ++components > maxComponents) {
      refused = true;
      break;
    }
    if (end && !open.empty()) {
      if (!EqualsIgnoringCase(what, open.back().name)) {
        problems.add(Kind::Malformed, number, Excerpt(line));
      }
      open.pop_back();
    }
    const std::string detail = Excerpt(line);
    icalcomponent* done = AddLine(parser.get(), line);
    if (icalparser_get_state(parser.get()) == ICALPARSER_ERROR && !Harmless(parts)) {
      problems.add(Kind::Malformed, number, detail);
    }
    if (begin) {
      open.push_back({what, number});
      tag = std::string(kLineProperty) + ":" + std::to_string(number);
      AddLine(parser.get(), tag);
    }
    if (done != nullptr) result.roots.emplace_back(done);
  }
  if (refused) {
    // What was built is freed with the parser.
    result.roots.clear();
    problems.clear();
    problems.add(Kind::TooManyComponents, 0, {}, maxComponents);
  } else if (!open.empty()) {
    problems.add(Kind::Truncated, open.back().line, "END:" + open.back().name);
    // Closing what is open, innermost first, hands over the complete part;
    // icalparser_clean would leave the parser owning what it returns.
    while (!open.empty()) {
      result.unclosed.insert(open.back().line);
      tag = "END:" + open.back().name;
      open.pop_back();
      if (icalcomponent* done = AddLine(parser.get(), tag)) result.roots.emplace_back(done);
    }
  }
  icalerror_set_error_state(ICAL_MALFORMEDDATA_ERROR, saved);

  for (const ComponentPtr& root : result.roots) ReportParameterErrors(root.get(), problems);
  if (result.roots.empty() && !refused) {
    problems.clear();
    problems.add(Kind::NotCalendar, 0);
  }
  return result;
}

}  // namespace orsalimbra::events
