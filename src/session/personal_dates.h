// The user's calendar files (.ics) as the settings keep them, and the
// personal dates read from them for a year.
#pragma once

#include <QString>

#include <string>
#include <vector>

#include "core/personal_date.h"
#include "events/import_problem.h"
#include "render/colour.h"
#include "session/settings_store.h"

namespace orsalimbra::session {

// More files than this are not kept: nobody picks them one by one.
inline constexpr int kMaxPersonalDateFiles = 50;

struct PersonalDateFile {
  QString path;
  bool enabled = true;  // a file can be set aside without losing its place
};

struct PersonalDateSettings {
  std::vector<PersonalDateFile> files;
  render::Colour colour = render::kDarkBlue;

  // The paths of the enabled files, in their order.
  std::vector<std::string> enabledPaths() const;
};

// The stored files and colour. Settings of a version without these keys
// read as no files and the usual colour; an empty path, a count that is no
// number or a colour that is no colour is skipped the same way.
PersonalDateSettings ReadPersonalDateSettings(const SettingsStore& store);
// Stores them in one rewrite, emptying the keys of files removed since the
// last write. True when the file holds them afterwards.
bool WritePersonalDateSettings(SettingsStore& store, const PersonalDateSettings& settings);

struct PersonalDatesLoad {
  std::vector<core::PersonalDate> dates;
  std::vector<events::ImportProblem> problems;
};

// The dates of the files at `paths` for a calendar of `year`
// (core::PersonalDateRange), times moved to the zone named `timeZone`. A
// file that cannot be read is a problem, and the others are still read.
PersonalDatesLoad LoadPersonalDates(const std::vector<std::string>& paths, int year,
                                    const std::string& timeZone);

// The IANA name of the computer's time zone ("Europe/Rome").
std::string LocalTimeZoneName();

// The problems in Italian, one a line, for a message of the window; the
// first `shown`, then how many more there are. Empty without problems.
QString ItalianProblemsText(const std::vector<events::ImportProblem>& problems, int shown = 8);

}  // namespace orsalimbra::session
