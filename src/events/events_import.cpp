#include "events/events_import.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>

#include "events/calendar_file.h"
#include "events/calendar_parse.h"
#include "events/event_expansion.h"
#include "events/file_problems.h"
#include "events/time_zones.h"

namespace orsalimbra::events {

namespace {

using Kind = ImportProblem::Kind;
using std::chrono::sys_days;

// A date before it is sorted: small, as files may give many of them.
struct Entry {
  sys_days day;
  std::uint32_t file;
  std::uint32_t text;  // into the texts of the import
  Seconds start;
};

class Importer {
 public:
  Importer(const ImportRange& range, const ImportLimits& limits)
      : limits_(limits), clock_(LocalZone(range.timeZone)) {
    if (range.first.ok() && range.last.ok() && range.first <= range.last) {
      days_.emplace(sys_days{range.first}, sys_days{range.last});
    }
  }

  // False once the dates reached their bound: later files are not read.
  bool Add(std::string_view bytes, const std::string& file) {
    const auto index = static_cast<std::uint32_t>(files_.size());
    files_.push_back(file);
    FileProblems problems(file, limits_.maxProblemsPerFile);
    const bool more = Expand(bytes, index, problems);
    if (!more) problems.add(Kind::TooManyDates, 0, {}, limits_.maxDates);
    for (ImportProblem& p : problems.take()) result_.problems.push_back(std::move(p));
    return more;
  }

  void Refused(ImportProblem problem) {
    files_.push_back(problem.file);
    result_.problems.push_back(std::move(problem));
  }

  ImportResult Finish() {
    std::stable_sort(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) {
      if (a.day != b.day) return a.day < b.day;
      if (a.file != b.file) return a.file < b.file;
      return a.start < b.start;
    });
    result_.dates.reserve(entries_.size());
    for (const Entry& e : entries_) {
      result_.dates.push_back({std::chrono::year_month_day{e.day}, texts_[e.text], files_[e.file]});
    }
    entries_.clear();
    return std::move(result_);
  }

 private:
  icaltimezone* LocalZone(const std::string& name) {
    if (icaltimezone* zone = SystemZone(name)) return zone;
    result_.problems.push_back({{}, 0, Kind::UnknownTimeZone, name, 0});
    return icaltimezone_get_utc_timezone();
  }

  bool Expand(std::string_view bytes, std::uint32_t file, FileProblems& problems) {
    const std::vector<ParsedCalendar> calendars =
        ParseCalendars(bytes, {limits_.maxComponents, limits_.maxValues}, problems);
    if (!days_) return true;
    ExpansionBudget budget{limits_.maxStepsPerRule, limits_.maxStepsPerFile,
                           std::chrono::steady_clock::now() + limits_.maxExpansionTime};
    std::size_t zoneChanges = limits_.maxZoneChanges;
    ExpansionContext context{clock_,   days_->first, days_->second,
                             budget,   zoneChanges,  limits_.maxTextCharacters,
                             problems, texts_};
    const EmitDay emit = [&](sys_days day, Seconds start, std::size_t text) {
      if (entries_.size() >= limits_.maxDates) return false;
      entries_.push_back({day, file, static_cast<std::uint32_t>(text), start});
      return true;
    };
    for (const ParsedCalendar& calendar : calendars) {
      if (!ExpandEvents(calendar, context, emit)) return false;
    }
    return true;
  }

  const ImportLimits& limits_;
  ImportResult result_;
  LocalClock clock_;
  std::optional<std::pair<sys_days, sys_days>> days_;
  std::vector<Entry> entries_;
  std::vector<std::string> files_;
  std::vector<std::string> texts_;
};

}  // namespace

ImportResult ImportCalendarFiles(const std::vector<std::string>& paths, const ImportRange& range,
                                 const ImportLimits& limits) {
  Importer importer(range, limits);
  for (const std::string& path : paths) {
    FileBytes file = ReadCalendarFile(path, limits.maxFileBytes);
    if (file.problem) {
      importer.Refused(std::move(*file.problem));
    } else if (!importer.Add(file.bytes, path)) {
      break;
    }
  }
  return importer.Finish();
}

ImportResult ImportCalendarBytes(std::string_view bytes, const std::string& file,
                                 const ImportRange& range, const ImportLimits& limits) {
  Importer importer(range, limits);
  if (bytes.size() > limits.maxFileBytes) {
    importer.Refused({file, 0, Kind::TooLarge, {}, limits.maxFileBytes});
  } else {
    importer.Add(bytes, file);
  }
  return importer.Finish();
}

}  // namespace orsalimbra::events
