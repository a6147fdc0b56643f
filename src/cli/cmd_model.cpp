// orsalimbra-cli model: the year model that a data file gives for a year and
// a list entry, as one JSON object, for people who write data files.
#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/json_writer.h"
#include "cli/personal_dates_option.h"
#include "core/year_model.h"
#include "session/year_inputs.h"

namespace orsalimbra::cli {

namespace {

template <typename Container>
void Strings(JsonWriter& json, const char* key, const Container& values) {
  json.Key(key).BeginArray();
  for (const auto& v : values) json.String(v);
  json.EndArray();
}

std::string ModelJson(const core::YearLoad& load) {
  const core::YearModel& m = load.model;
  JsonWriter json;
  json.BeginObject();
  json.Key("MonthStart").String(m.MonthStart ? core::DateText(*m.MonthStart) : "");
  json.Key("CalendarYear").Number(m.CalendarYear);
  json.Key("MonthDays").BeginArray();
  for (const auto days : m.MonthDays) json.Number(days);
  json.EndArray();
  Strings(json, "PageName", m.PageName);
  Strings(json, "DayNames", m.DayNames);
  Strings(json, "Entries", m.entries);
  json.Key("LabelLingua").String(m.entryLabel);
  json.Key("EntryCount").Number(m.EntryCount);
  Strings(json, "TitleList", m.TitleList);
  json.Key("CurrentTitle").String(m.CurrentTitle);
  json.Key("LanguageIndex").Number(m.LanguageIndex);
  json.Key("HolidayCount").Number(m.HolidayCount);
  // Entries beyond the stored ones exist but carry nothing.
  for (const auto& [key, list] :
       {std::pair{"HolidayDates", &m.HolidayDates}, std::pair{"HolidayNames", &m.HolidayNames}}) {
    json.Key(key).BeginArray();
    for (int k = 0; k < m.HolidayCount; ++k) {
      json.String(static_cast<std::size_t>(k) < list->size() ? (*list)[k] : std::string());
    }
    json.EndArray();
  }
  json.Key("PersonalDates").BeginArray();
  for (const core::PersonalDate& d : m.PersonalDates) {
    json.BeginArray().String(core::DateText(d.Date)).String(d.Text).String(d.File).EndArray();
  }
  json.EndArray();
  Strings(json, "PhotoPaths", m.PhotoPaths);
  Strings(json, "PhotoNotes", m.PhotoNotes);
  json.Key("SettingsWrites").BeginArray();
  for (const auto& write : load.settingsWrites) {
    json.BeginArray().String(write.key).String(write.value).EndArray();
  }
  json.EndArray();
  json.Key("NoMonthPhotos").Number(m.NoMonthPhotos ? 1 : 0);
  json.Key("HasCoverPhoto").Bool(m.HasCoverPhoto);
  json.Key("SelectedEntry").Number(m.selectedEntry);
  json.EndObject();
  return json.Text();
}

int RunModel(const std::vector<std::string>& args) {
  std::optional<std::string> file, year, folder;
  std::vector<std::string> events;
  core::YearModel start;  // the state of the program's first run
  int layout = static_cast<int>(core::LayoutCode::Weekly);
  bool userPhotosSet = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (arg == "--user-photos") {
      userPhotosSet = true;
    } else if (arg == "--year" || arg == "--entry" || arg == "--layout" || arg == "--folder" ||
               arg == "--events") {
      if (!hasValue) return UsageError("model", arg + " needs a value");
      const std::string& value = args[++i];
      if (arg == "--events") {
        events.push_back(value);
      } else if (arg == "--year") {
        year = value;
      } else if (arg == "--folder") {
        folder = value;
      } else {
        const auto number = NumberArgument(value);
        if (!number) return UsageError("model", arg + " needs a number, not '" + value + "'");
        (arg == "--entry" ? start.LanguageIndex : layout) = *number;
      }
    } else if (arg.size() > 1 && arg.rfind("--", 0) == 0) {
      return UsageError("model", "unknown option '" + arg + "'");
    } else if (file) {
      return UsageError("model", "more than one FILE");
    } else {
      file = arg;
    }
  }
  if (!file) return UsageError("model", "FILE is missing");
  if (!year) return UsageError("model", "--year is missing");

  // Read as the window reads its data file and looks for pictures.
  const QString dataFile = QString::fromStdString(*file);
  const QString programFolder = folder ? QDir(QString::fromStdString(*folder)).absolutePath()
                                       : QFileInfo(dataFile).absolutePath();
  session::DataFileStatus status;
  core::YearInputs inputs =
      session::ReadYearInputs(dataFile, programFolder, {}, QString::fromStdString(*year),
                              static_cast<core::LayoutCode>(layout), userPhotosSet, &status);
  if (!inputs.fileBytes) {
    std::fprintf(stderr, "orsalimbra-cli model: %s\n",
                 session::DataFileProblemText(dataFile, status).c_str());
    return kExitFailure;
  }
  if (const std::optional<int> y = core::YearOfText(inputs.yearText)) {
    inputs.personalDates = ReadPersonalDates("model", events, *y);
  }
  const std::string text = ModelJson(core::LoadYearData(start, inputs));
  std::printf("%s\n", text.c_str());
  return kExitOk;
}

[[maybe_unused]] const bool registered =
    RegisterCommand({"model",
                     "FILE --year TEXT [--entry N] [--layout L] [--user-photos] [--folder DIR] "
                     "[--events FILE.ics]...",
                     RunModel});

}  // namespace

}  // namespace orsalimbra::cli
