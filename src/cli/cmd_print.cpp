// orsalimbra-cli print OUT.pdf: prints a calendar to a PDF file without a
// window, running the window's print jobs. The choices not given as options
// are the user's, read from the settings store as the window reads them at
// start-up; nothing is ever written to the store.
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/personal_dates_option.h"
#include "core/moon_phases.h"
#include "core/time_base.h"
#include "core/year_model.h"
#include "render_qt/qt_pdf_export.h"
#include "session/choices.h"
#include "session/personal_dates.h"
#include "session/program_folder.h"
#include "session/settings_keys.h"
#include "session/settings_store.h"
#include "session/stored_choices.h"
#include "session/system_time_zone.h"
#include "session/year_entry.h"
#include "session/year_inputs.h"

namespace orsalimbra::cli {

namespace {

constexpr const char* kName = "print";
constexpr const char* kUsage =
    "OUT.pdf (--all | --month N | --half N | --cover) [--year Y] [--entry N] [--layout L] "
    "[--cover-style C] [--cover-fit fill|fit|stretch] [--page-style classic|boxed] "
    "[--week-numbers | --no-week-numbers] [--moon-style M] "
    "[--reverse | --no-reverse] [--local-time | --gmt] [--utc-offset H] [--folder DIR] "
    "[--data FILE] [--section NAME] [--paper A4|A3|A5|Letter|Legal] "
    "[--events FILE.ics]...";

// The main program's file name: its settings section is the one to read.
constexpr const char* kMainProgram = "orsalimbra";

struct Options {
  std::string output;
  std::optional<render::PrintRequest> request;
  std::optional<std::string> year;
  std::optional<int> entry, layout, coverStyle, moonStyle, utcOffset;
  std::optional<bool> reverse, localTime, weekNumbers;
  std::optional<render::CoverFit> coverFit;
  std::optional<render::PageStyle> pageStyle;
  std::optional<std::string> folder, data, section;
  // Empty: the calendar files stored for the window.
  std::vector<std::string> events;
  QPageSize paper = QPageSize(QPageSize::A4);
};

std::string Lower(const std::string& text) {
  std::string key;
  for (char c : text) key += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return key;
}

std::optional<QPageSize> Paper(const std::string& name) {
  // A5 takes the daily pages of one month; the job refuses the layouts whose
  // pages do not fit it.
  static const std::map<std::string, QPageSize::PageSizeId> papers{
      {"a3", QPageSize::A3},         {"a4", QPageSize::A4},       {"a5", QPageSize::A5},
      {"letter", QPageSize::Letter}, {"legal", QPageSize::Legal},
  };
  const auto it = papers.find(Lower(name));
  if (it == papers.end()) return std::nullopt;
  return QPageSize(it->second);
}

std::optional<render::CoverFit> CoverFitNamed(const std::string& name) {
  static const std::map<std::string, render::CoverFit> fits{
      {"fill", render::CoverFit::Fill},
      {"fit", render::CoverFit::Whole},
      {"stretch", render::CoverFit::Stretch},
  };
  const auto it = fits.find(Lower(name));
  if (it == fits.end()) return std::nullopt;
  return it->second;
}

std::optional<render::PageStyle> PageStyleNamed(const std::string& name) {
  static const std::map<std::string, render::PageStyle> styles{
      {"classic", render::PageStyle::Classic},
      {"boxed", render::PageStyle::Boxed},
  };
  const auto it = styles.find(Lower(name));
  if (it == styles.end()) return std::nullopt;
  return it->second;
}

// Parses the arguments; a message for the usage error otherwise.
std::optional<std::string> Parse(const std::vector<std::string>& args, Options& o) {
  const auto setCommand = [&](const render::PrintRequest& request,
                              const std::string& arg) -> std::optional<std::string> {
    if (o.request) return "give only one of --all, --month, --half and --cover (" + arg + ")";
    o.request = request;
    return std::nullopt;
  };
  const auto setFlag = [](std::optional<bool>& flag, bool value,
                          const std::string& arg) -> std::optional<std::string> {
    if (flag && *flag != value) return arg + " contradicts an earlier option";
    flag = value;
    return std::nullopt;
  };
  // Options with a whole-number value, with their range.
  struct Ranged {
    std::optional<int>* field;
    int low, high;
  };
  const std::map<std::string, Ranged> ranged{
      {"--entry", {&o.entry, 0, 9999}},
      {"--layout", {&o.layout, 0, 2}},
      {"--cover-style", {&o.coverStyle, 0, 4}},
      {"--moon-style", {&o.moonStyle, 0, 8}},
      {"--utc-offset", {&o.utcOffset, -core::kMaxUtcOffsetHours, core::kMaxUtcOffsetHours}},
  };

  bool outputSeen = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const auto value = [&]() -> const std::string* {
      return i + 1 < args.size() ? &args[++i] : nullptr;
    };
    std::optional<std::string> error;
    if (arg == "--all") {
      error = setCommand(render::PrintRequest::All(), arg);
    } else if (arg == "--cover") {
      error = setCommand(render::PrintRequest::Half(render::HalfYear::CoverOnly), arg);
    } else if (arg == "--month" || arg == "--half") {
      const std::string* v = value();
      const int n = v ? WholeNumberArgument(*v).value_or(0) : 0;
      if (arg == "--month") {
        if (n < 1 || n > 12) return std::string("--month needs a month from 1 to 12");
        error = setCommand(render::PrintRequest::Month(n - 1), arg);
      } else {
        if (n < 1 || n > 2) return std::string("--half needs 1 or 2");
        error = setCommand(render::PrintRequest::Half(static_cast<render::HalfYear>(n)), arg);
      }
    } else if (arg == "--reverse" || arg == "--no-reverse") {
      error = setFlag(o.reverse, arg == "--reverse", arg);
    } else if (arg == "--week-numbers" || arg == "--no-week-numbers") {
      error = setFlag(o.weekNumbers, arg == "--week-numbers", arg);
    } else if (arg == "--local-time" || arg == "--gmt") {
      error = setFlag(o.localTime, arg == "--local-time", arg);
    } else if (const auto it = ranged.find(arg); it != ranged.end()) {
      const std::string* v = value();
      const std::optional<int> n = v ? WholeNumberArgument(*v) : std::nullopt;
      const Ranged& r = it->second;
      if (!n || *n < r.low || *n > r.high) {
        return arg + " needs a whole number from " + std::to_string(r.low) + " to " +
               std::to_string(r.high) + (v ? ", not '" + *v + "'" : "");
      }
      *r.field = *n;
    } else if (arg == "--cover-fit") {
      const std::string* v = value();
      const std::optional<render::CoverFit> fit = v ? CoverFitNamed(*v) : std::nullopt;
      if (!fit) {
        return "--cover-fit needs fill, fit or stretch" + (v ? ", not '" + *v + "'" : "");
      }
      o.coverFit = fit;
    } else if (arg == "--page-style") {
      const std::string* v = value();
      const std::optional<render::PageStyle> style = v ? PageStyleNamed(*v) : std::nullopt;
      if (!style) return "--page-style needs classic or boxed" + (v ? ", not '" + *v + "'" : "");
      o.pageStyle = style;
    } else if (arg == "--year" || arg == "--folder" || arg == "--data" || arg == "--section" ||
               arg == "--paper" || arg == "--events") {
      const std::string* v = value();
      if (v == nullptr) return arg + " needs a value";
      if (arg == "--events") {
        if (v->empty()) return std::string("--events needs a file name");
        o.events.push_back(*v);
      } else if (arg == "--year") {
        if (!core::YearOfText(*v)) return "--year needs a year from 100 to 9999, not '" + *v + "'";
        o.year = *v;
      } else if (arg == "--folder") {
        o.folder = *v;
      } else if (arg == "--data") {
        if (v->empty()) return "--data needs a file name";
        o.data = *v;
      } else if (arg == "--section") {
        if (v->empty()) return "--section needs a name";
        o.section = *v;
      } else if (const auto paper = Paper(*v)) {
        o.paper = *paper;
      } else {
        return "unknown paper '" + *v + "'";
      }
    } else if (arg.size() > 1 && arg[0] == '-') {
      return "unknown option '" + arg + "'";
    } else if (outputSeen) {
      return "more than one output file";
    } else {
      o.output = arg;
      outputSeen = true;
    }
    if (error) return error;
  }
  if (!outputSeen || o.output.empty()) return std::string("the output file OUT.pdf is missing");
  if (!o.request) return std::string("say what to print: --all, --month N, --half N or --cover");
  return std::nullopt;
}

// The choices the window would start with. A section the window would
// discard at start-up (no format version, or an old one) gives the defaults,
// without being discarded here. `old` tells of a section stamped with an old
// or unreadable version; a section without a stamp is one the window never
// ran with.
session::StoredChoices ReadChoices(const QString& section, bool& old,
                                   session::PersonalDateSettings& personal) {
  const session::SettingsStore store(section);
  const QString stamp = store.read(QString::fromLatin1(session::keys::Versione), QString());
  const bool kept = session::SettingsStore::KeepsVersion(stamp);
  old = !stamp.isEmpty() && !kept;
  if (kept) personal = session::ReadPersonalDateSettings(store);
  return kept ? session::ReadStoredChoices(store) : session::DefaultChoices();
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "orsalimbra-cli %s: %s\n", kName, message.c_str());
  return kExitFailure;
}

int Export(const Options& o) {
  const QString folder = o.folder ? QDir(QString::fromStdString(*o.folder)).absolutePath()
                                  : QCoreApplication::applicationDirPath();
  const session::ProgramFiles files = session::ProgramFiles::In(folder, session::UserDataFolder());
  // The window's data file, the user's copy when there is one, unless a file
  // is named.
  session::DataFileInUse data = session::DataFileInForce(files);
  if (o.data) {
    data.place.dataFile = QFileInfo(QString::fromStdString(*o.data)).absoluteFilePath();
    data.userCopy = false;
  }

  const QString section = o.section ? QString::fromStdString(*o.section)
                                    : session::SettingsStore::SectionFromProgramFile(kMainProgram);
  bool old = false;
  session::PersonalDateSettings personal;
  const session::StoredChoices stored = ReadChoices(section, old, personal);
  if (old) {
    std::fprintf(stderr,
                 "orsalimbra-cli %s: the settings in section \"%s\" are from an older "
                 "version: printing with the default choices\n",
                 kName, section.toStdString().c_str());
  }

  session::Choices choices = session::ChoicesFrom(stored);
  if (o.entry) choices.LanguageIndex = *o.entry;
  if (o.layout) choices.LayoutType = static_cast<core::LayoutCode>(*o.layout);
  if (o.coverStyle) choices.CoverStyle = static_cast<render::CoverCode>(*o.coverStyle);
  if (o.coverFit) choices.coverFit = *o.coverFit;
  if (o.pageStyle) choices.pageStyle = *o.pageStyle;
  if (o.weekNumbers) choices.weekNumbers = *o.weekNumbers;
  if (o.moonStyle) choices.MoonStyle = static_cast<render::MoonCode>(*o.moonStyle);
  if (o.reverse) choices.OrdInv = *o.reverse;
  if (o.localTime) choices.UseLocalTime = *o.localTime;
  choices.personalDateColour = personal.colour;
  const core::LayoutCode layout = choices.LayoutType.value_or(core::LayoutCode::Invalid);

  const QString yearText = o.year ? QString::fromStdString(*o.year)
                                  : QString::number(session::ProposedYear(QDate::currentDate()));
  session::DataFileStatus dataFile;
  core::YearInputs yearInputs =
      session::ReadYearInputs(data.place.dataFile, files.folder, files.userFolder, yearText, layout,
                              choices.UserPhotosSet, &dataFile);
  // The window opens without its data file; a calendar without names and
  // holidays, though, is no export anybody asked for.
  if (!yearInputs.fileBytes) {
    return Fail(session::DataFileProblemText(data.place.dataFile, dataFile) +
                (data.userCopy ? " (your own copy, read instead of the program folder's; "
                                 "--data FILE names another)"
                               : ""));
  }
  // A calendar file that cannot be read is told; the calendar still prints.
  if (const std::optional<int> y = core::YearOfText(yearInputs.yearText)) {
    yearInputs.personalDates =
        ReadPersonalDates(kName, o.events.empty() ? personal.enabledPaths() : o.events, *y);
  }
  // The data file's picture rows are taken into the model only: a batch
  // export leaves the user's settings alone.
  render::PrintInputs inputs;
  inputs.year = core::LoadYearData(session::StartingYearModel(choices), yearInputs).model;
  inputs.yearText = yearInputs.yearText;
  if (o.entry && *o.entry >= inputs.year.EntryCount) {
    return UsageError(kName, "--entry " + std::to_string(*o.entry) + ": the data file lists " +
                                 std::to_string(inputs.year.EntryCount) + " entries");
  }
  // The metrics are measured on the PDF page by the export.
  inputs.choices = session::PrintChoicesFor(
      choices, inputs.year, o.utcOffset.value_or(core::UtcOffsetFromBias(session::TimeZoneBias())),
      render::PageMetrics{}, files.folder.toStdString());
  const render::PrintChoices& c = inputs.choices;

  render::PdfTarget target;
  target.path = QString::fromStdString(o.output);
  target.pageSize = o.paper;
  const render::PrintResult result = render::ExportPdf(target, inputs, *o.request);
  switch (result.status) {
    case render::PrintStatus::Printed:
      std::printf("%s: %d page%s\n", o.output.c_str(), result.pages, result.pages == 1 ? "" : "s");
      return kExitOk;
    case render::PrintStatus::NothingToPrint:
      return Fail("nothing to print: layout " + std::to_string(static_cast<int>(c.LayoutType)) +
                  ", cover style " + std::to_string(static_cast<int>(c.CoverStyle)) +
                  " (the month commands need layout 1 or 2; the cover needs one of them and a "
                  "cover style above 0)");
    default: {
      const std::string reason = result.failure.Text();
      return Fail(reason.empty() ? "the PDF could not be written" : reason);
    }
  }
}

int Run(const std::vector<std::string>& args) {
  Options options;
  if (const std::optional<std::string> error = Parse(args, options)) {
    return UsageError(kName, *error);
  }
  // No window is ever shown: without a platform chosen by the user, draw
  // offscreen, which needs no display (and fails on none that is stale).
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int argc = 1;
  char program[] = "orsalimbra-cli";
  char* argv[] = {program, nullptr};
  QGuiApplication app(argc, argv);
  return Export(options);
}

[[maybe_unused]] const bool registered = RegisterCommand({kName, kUsage, Run});

}  // namespace

}  // namespace orsalimbra::cli
