#include "session/personal_dates.h"

#include <QTimeZone>

#include <algorithm>

#include "events/events_import.h"
#include "session/settings_codec.h"
#include "session/settings_keys.h"

namespace orsalimbra::session {

namespace {

QString Key(const char* key) { return QString::fromLatin1(key); }

}  // namespace

std::vector<std::string> PersonalDateSettings::enabledPaths() const {
  std::vector<std::string> paths;
  for (const PersonalDateFile& file : files) {
    if (file.enabled) paths.push_back(file.path.toStdString());
  }
  return paths;
}

PersonalDateSettings ReadPersonalDateSettings(const SettingsStore& store) {
  PersonalDateSettings settings;
  const int count =
      std::clamp(ParseInt(store.read(Key(keys::DatePersonali), QStringLiteral("0"))).value_or(0), 0,
                 kMaxPersonalDateFiles);
  for (int n = 1; n <= count; ++n) {
    const std::optional<QString> path =
        ParseText(store.read(keys::PersonalDateFileKey(n), QString()), kMaxPathLength);
    if (!path || path->isEmpty()) continue;
    const bool used =
        ParseBool(store.read(keys::PersonalDateUsedKey(n), QStringLiteral("True"))).value_or(true);
    settings.files.push_back({*path, used});
  }
  if (const auto colour = ParseColour(
          store.read(Key(keys::ColoreDatePersonali), FormatColour(render::kDarkBlue)))) {
    settings.colour = *colour;
  }
  return settings;
}

bool WritePersonalDateSettings(SettingsStore& store, const PersonalDateSettings& settings) {
  const int before =
      std::clamp(ParseInt(store.read(Key(keys::DatePersonali), QStringLiteral("0"))).value_or(0), 0,
                 kMaxPersonalDateFiles);
  const int count = std::min(static_cast<int>(settings.files.size()), kMaxPersonalDateFiles);
  std::vector<SettingsWrite> writes;
  writes.push_back({Key(keys::DatePersonali), FormatInt(count)});
  for (int n = 1; n <= std::max(count, before); ++n) {
    const bool kept = n <= count;
    const PersonalDateFile* file =
        kept ? &settings.files[static_cast<std::size_t>(n - 1)] : nullptr;
    writes.push_back({keys::PersonalDateFileKey(n), kept ? file->path : QString()});
    writes.push_back({keys::PersonalDateUsedKey(n), FormatBool(kept && file->enabled)});
  }
  writes.push_back({Key(keys::ColoreDatePersonali), FormatColour(settings.colour)});
  return store.write(writes);
}

PersonalDatesLoad LoadPersonalDates(const std::vector<std::string>& paths, int year,
                                    const std::string& timeZone) {
  if (paths.empty()) return {};
  const core::DayRange range = core::PersonalDateRange(year);
  events::ImportResult result =
      events::ImportCalendarFiles(paths, {range.first, range.last, timeZone});
  return {std::move(result.dates), std::move(result.problems)};
}

std::string LocalTimeZoneName() { return QTimeZone::systemTimeZoneId().toStdString(); }

QString ItalianProblemsText(const std::vector<events::ImportProblem>& problems, int shown) {
  QStringList lines;
  const int count = static_cast<int>(problems.size());
  for (int i = 0; i < count && i < shown; ++i) {
    lines << QString::fromStdString(
        events::ItalianProblemText(problems[static_cast<std::size_t>(i)]));
  }
  if (count > shown) lines << QStringLiteral("... e altri %1 problemi.").arg(count - shown);
  return lines.join(QLatin1Char('\n'));
}

}  // namespace orsalimbra::session
