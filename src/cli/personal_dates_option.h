// The calendar files of --events: their dates for a year, with the problems
// of each file told on stderr while the others are still read.
#pragma once

#include <string>
#include <vector>

#include "core/personal_date.h"

namespace orsalimbra::cli {

// The dates of the files at `paths` for a calendar of `year`, in the
// computer's time zone; each problem is a line "orsalimbra-cli COMMAND:
// FILE:LINE: what" on stderr.
std::vector<core::PersonalDate> ReadPersonalDates(const std::string& command,
                                                  const std::vector<std::string>& paths, int year);

}  // namespace orsalimbra::cli
