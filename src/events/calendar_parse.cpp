#include "events/calendar_parse.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>

#include "events/content_lines.h"

namespace orsalimbra::events {

namespace {

using Kind = ImportProblem::Kind;

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

// The properties of events this program reads. The others (descriptions,
// attendees, alarms...) are not given to the parser: that spares its time
// and memory, and their errors cannot matter here. Time zones are read whole.
enum EventProperty {
  kDtstart,
  kDtend,
  kDuration,
  kRecurrenceId,
  kUid,
  kStatus,
  kSummary,
  // Those above are read once: later ones are skipped.
  kRrule,
  kRdate,
  kExdate,
  kNotRead
};
constexpr std::array<std::string_view, kNotRead> kEventProperties = {
    "DTSTART", "DTEND",   "DURATION", "RECURRENCE-ID", "UID",
    "STATUS",  "SUMMARY", "RRULE",    "RDATE",         "EXDATE"};

EventProperty EventPropertyOf(std::string_view name) {
  for (std::size_t i = 0; i < kEventProperties.size(); ++i) {
    if (EqualsIgnoringCase(name, kEventProperties[i])) return static_cast<EventProperty>(i);
  }
  return kNotRead;
}

// Components nest no deeper in real files (VCALENDAR, VTIMEZONE, STANDARD;
// VCALENDAR, VEVENT, VALARM); libical frees and copies them recursively.
constexpr std::size_t kMaxDepth = 8;

// Enough of a line to find it in the file, without copying a huge one.
std::string Excerpt(const std::string& line) { return line.substr(0, 400); }

// Parameters the parser could not read leave an X-LIC-ERROR behind but no
// error state: they are found on the component that holds them.
void ReportParameterErrors(icalcomponent* component, int line, FileProblems& problems) {
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
    problems.add(Kind::Malformed, line, text != nullptr ? text : "");
  }
  for (icalcomponent* c = icalcomponent_get_first_component(component, ICAL_ANY_COMPONENT);
       c != nullptr; c = icalcomponent_get_next_component(component, ICAL_ANY_COMPONENT)) {
    ReportParameterErrors(c, line, problems);
  }
}

// Routes the lines of a file to libical parsers: one for the properties of
// each VCALENDAR, one for each of its components.
class Feeder {
 public:
  enum class Outcome { Read, TooManyComponents, TooManyValues };

  Feeder(const ParseLimits& limits, FileProblems& problems)
      : limits_(limits), problems_(problems) {}

  Outcome Line(std::string& line, int number);
  std::vector<ParsedCalendar> Finish();

 private:
  struct Open {
    std::string name;
    int line;
  };

  // Whether a property line inside a component of the calendar goes to the
  // parser; RRULEs are kept aside.
  bool TakesEventProperty(const LineParts& parts, std::string_view name, int number,
                          const std::string& line);
  // The parser reads the line and keeps no part of it; its C interface
  // wants a mutable buffer.
  icalcomponent* Feed(icalparser* parser, std::string& line, const LineParts& parts, int number);
  void StartPart(int number);
  void Take(icalparser* parser, icalcomponent* done);

  const ParseLimits& limits_;
  FileProblems& problems_;
  std::vector<ParsedCalendar> calendars_;
  ParserPtr calendar_;  // the VCALENDAR being read
  ParserPtr part_;      // the component being read
  int partLine_ = 0;
  // The depth of the open components at which the part's own lines are.
  std::size_t partDepth_ = 0;
  std::vector<RuleText> rules_;  // of the part
  unsigned readOnce_ = 0;        // bits of the EventProperty values the part had
  std::vector<Open> open_;
  int zones_ = 0;  // VTIMEZONEs among the open components
  std::size_t components_ = 0;
  std::size_t values_ = 0;
  // Open components nested too deep, whose lines are skipped.
  std::size_t skipped_ = 0;
};

bool Feeder::TakesEventProperty(const LineParts& parts, std::string_view name, int number,
                                const std::string& line) {
  if (open_.size() != partDepth_) return false;  // a property of an alarm or the like
  const EventProperty property = EventPropertyOf(name);
  if (property == kNotRead) return false;
  if (property < kRrule) {
    const unsigned bit = 1u << property;
    if ((readOnce_ & bit) != 0) return false;
    readOnce_ |= bit;
  }
  if (property != kRrule) return true;
  const std::string text(Trimmed(parts.value));
  icalrecurrencetype rule = icalrecurrencetype_from_string(text.c_str());
  if (rule.freq == ICAL_NO_RECURRENCE) {
    problems_.add(Kind::Malformed, number, Excerpt(line));
  } else {
    rules_.push_back({text, number});
  }
  icalmemory_free_buffer(rule.rscale);
  return false;
}

icalcomponent* Feeder::Feed(icalparser* parser, std::string& line, const LineParts& parts,
                            int number) {
  icalcomponent* done = icalparser_add_line(parser, line.data());
  if (icalparser_get_state(parser) == ICALPARSER_ERROR && !Harmless(parts)) {
    problems_.add(Kind::Malformed, number, Excerpt(line));
  }
  return done;
}

void Feeder::StartPart(int number) {
  part_.reset(icalparser_new());
  partLine_ = number;
  partDepth_ = open_.size() + 1;
  rules_.clear();
  readOnce_ = 0;
}

void Feeder::Take(icalparser* parser, icalcomponent* done) {
  if (parser == part_.get()) {
    ReportParameterErrors(done, partLine_, problems_);
    calendars_.back().parts.push_back({ComponentPtr(done), partLine_, std::move(rules_)});
    rules_.clear();
    part_.reset();
  } else {
    ReportParameterErrors(done, 0, problems_);
    calendars_.back().calendar.reset(done);
    calendar_.reset();
  }
}

Feeder::Outcome Feeder::Line(std::string& line, int number) {
  if (Trimmed(line).empty()) return Outcome::Read;
  const LineParts parts = Split(line);
  const std::string_view name = Trimmed(parts.name);
  const bool begin = parts.hasName && EqualsIgnoringCase(name, "BEGIN");
  const bool end = parts.hasName && EqualsIgnoringCase(name, "END");
  const std::string what = begin || end ? std::string(Trimmed(parts.value)) : std::string();
  if (begin && ++components_ > limits_.maxComponents) return Outcome::TooManyComponents;
  if (skipped_ > 0) {
    if (begin) ++skipped_;
    if (end) --skipped_;
    return Outcome::Read;
  }
  if (begin && open_.size() >= kMaxDepth) {
    problems_.add(Kind::Malformed, number, Excerpt(line));
    skipped_ = 1;
    return Outcome::Read;
  }
  if (!begin && !end) {
    if (part_ && zones_ == 0 && parts.hasName && !TakesEventProperty(parts, name, number, line)) {
      return Outcome::Read;
    }
    // Each value of a list is a property of its own in libical.
    const bool list = EqualsIgnoringCase(name, "EXDATE") || EqualsIgnoringCase(name, "RDATE");
    values_ +=
        1 + (list
                 ? static_cast<std::size_t>(std::count(parts.value.begin(), parts.value.end(), ','))
                 : 0);
    if (values_ > limits_.maxValues) return Outcome::TooManyValues;
  }

  icalparser* parser = nullptr;
  if (begin && open_.empty()) {
    calendars_.emplace_back();
    if (EqualsIgnoringCase(what, "VCALENDAR")) {
      calendar_.reset(icalparser_new());
    } else {
      StartPart(number);
    }
  } else if (begin && !part_) {
    StartPart(number);
  }
  if (part_) {
    parser = part_.get();
  } else if (calendar_ && (begin || !open_.empty())) {
    parser = calendar_.get();
  } else {
    // Outside any component: nothing can hold it.
    problems_.add(Kind::Malformed, number, Excerpt(line));
    return Outcome::Read;
  }

  if (end && !open_.empty()) {
    if (!EqualsIgnoringCase(what, open_.back().name)) {
      problems_.add(Kind::Malformed, number, Excerpt(line));
    }
    if (EqualsIgnoringCase(open_.back().name, "VTIMEZONE")) --zones_;
    open_.pop_back();
  }
  if (begin) {
    if (EqualsIgnoringCase(what, "VTIMEZONE")) ++zones_;
    open_.push_back({what, number});
  }
  if (icalcomponent* done = Feed(parser, line, parts, number)) Take(parser, done);
  return Outcome::Read;
}

std::vector<ParsedCalendar> Feeder::Finish() {
  if (!open_.empty()) {
    problems_.add(Kind::Truncated, open_.back().line, "END:" + open_.back().name);
    // The component being read may have lost lines: it goes with its
    // parser. The calendar keeps its complete components.
    part_.reset();
    if (calendar_) {
      std::string close = "END:" + open_.front().name;
      if (icalcomponent* done = icalparser_add_line(calendar_.get(), close.data())) {
        Take(calendar_.get(), done);
      }
    }
  }
  const bool none = std::all_of(calendars_.begin(), calendars_.end(), [](const ParsedCalendar& c) {
    return !c.calendar && c.parts.empty();
  });
  if (none) {
    problems_.clear();
    problems_.add(Kind::NotCalendar, 0);
    calendars_.clear();
  }
  return std::move(calendars_);
}

}  // namespace

std::vector<ParsedCalendar> ParseCalendars(std::string_view bytes, const ParseLimits& limits,
                                           FileProblems& problems) {
  // As libical's own whole-text parse does: bad data is reported, not fatal.
  const icalerrorstate saved = icalerror_get_error_state(ICAL_MALFORMEDDATA_ERROR);
  icalerror_set_error_state(ICAL_MALFORMEDDATA_ERROR, ICAL_ERROR_NONFATAL);
  std::vector<ParsedCalendar> result;
  {
    Feeder feeder(limits, problems);
    ContentLines lines(bytes);
    std::string line;
    int number = 0;
    Feeder::Outcome outcome = Feeder::Outcome::Read;
    while (outcome == Feeder::Outcome::Read && lines.Next(line, number)) {
      outcome = feeder.Line(line, number);
    }
    if (outcome == Feeder::Outcome::Read) {
      result = feeder.Finish();
    } else {
      // What was built is freed with the parsers.
      problems.clear();
      const bool components = outcome == Feeder::Outcome::TooManyComponents;
      problems.add(components ? Kind::TooManyComponents : Kind::TooManyValues, 0, {},
                   components ? limits.maxComponents : limits.maxValues);
    }
  }
  icalerror_set_error_state(ICAL_MALFORMEDDATA_ERROR, saved);
  return result;
}

}  // namespace orsalimbra::events
