// orsalimbra-cli moon MONTH YEAR [--local OFFSET_HOURS]: the moon phase table
// of a month, one slot a line (new moons, first quarters, full moons, last
// quarters, four slots each; an empty line for an empty slot). GMT unless a
// local offset is given.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/command.h"
#include "core/moon_phases.h"

namespace orsalimbra::cli {

namespace {

constexpr const char* kName = "moon";

int Run(const std::vector<std::string>& args) {
  std::vector<std::string> positional;
  std::optional<int> offset;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--local") {
      if (offset) return UsageError(kName, "--local given twice");
      if (i + 1 >= args.size()) return UsageError(kName, "--local needs an offset in hours");
      offset = WholeNumberArgument(args[++i]);
      if (!offset || *offset < -core::kMaxUtcOffsetHours || *offset > core::kMaxUtcOffsetHours)
        return UsageError(kName,
                          "the offset must be whole hours from -24 to 24, not '" + args[i] + "'");
    } else if (args[i].size() > 1 && args[i][0] == '-' && !WholeNumberArgument(args[i])) {
      return UsageError(kName, "unknown option '" + args[i] + "'");
    } else {
      positional.push_back(args[i]);
    }
  }
  if (positional.size() != 2) return UsageError(kName, "expected MONTH and YEAR");
  const auto month = WholeNumberArgument(positional[0]);
  if (!month || *month < 1 || *month > 12)
    return UsageError(kName, "MONTH must be 1 to 12, not '" + positional[0] + "'");
  const auto year = WholeNumberArgument(positional[1]);
  if (!year || *year < core::kMinMoonYear || *year > core::kMaxMoonYear)
    return UsageError(kName, "YEAR must be 1 to 9999, not '" + positional[1] + "'");

  const core::MoonPhaseTable table =
      core::MoonPhases(*month, *year, offset.has_value(), offset.value_or(0));
  for (const auto* slots :
       {&table.NewMoons, &table.FirstQuarters, &table.FullMoons, &table.LastQuarters}) {
    for (const std::string& slot : *slots) std::printf("%s\n", slot.c_str());
  }
  return kExitOk;
}

const bool kRegistered = RegisterCommand({kName, "MONTH YEAR [--local OFFSET_HOURS]", Run});

}  // namespace

}  // namespace orsalimbra::cli
