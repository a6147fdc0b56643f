#include "cli/personal_dates_option.h"

#include <cstdio>

#include "events/import_problem.h"
#include "session/personal_dates.h"

namespace orsalimbra::cli {

std::vector<core::PersonalDate> ReadPersonalDates(const std::string& command,
                                                  const std::vector<std::string>& paths, int year) {
  session::PersonalDatesLoad load =
      session::LoadPersonalDates(paths, year, session::LocalTimeZoneName());
  for (const events::ImportProblem& problem : load.problems) {
    std::fprintf(stderr, "orsalimbra-cli %s: %s\n", command.c_str(),
                 events::EnglishProblemText(problem).c_str());
  }
  return std::move(load.dates);
}

}  // namespace orsalimbra::cli
