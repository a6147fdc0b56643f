// orsalimbra-cli easter / nth: the holiday date rules, for checking the rows
// of a data file.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/command.h"
#include "core/date_rules.h"

namespace orsalimbra::cli {

namespace {

// Reads each argument as a number; a message naming the first that is none.
// These commands take no options, so "--" starts no number but an option.
std::optional<std::string> ReadNumbers(const std::vector<std::string>& args,
                                       std::vector<int>& numbers) {
  for (const auto& arg : args) {
    if (arg.rfind("--", 0) == 0) return "unknown option '" + arg + "'";
    const auto n = NumberArgument(arg);
    if (!n) return "not a number: '" + arg + "'";
    numbers.push_back(*n);
  }
  return std::nullopt;
}

int RunEaster(const std::vector<std::string>& args) {
  std::vector<int> n;
  if (const auto error = ReadNumbers(args, n)) return UsageError("easter", *error);
  if (n.size() != 2) return UsageError("easter", "expected YEAR and OFFSET");
  const auto date = core::Pasqua(n[0], n[1]);
  if (!date) {
    std::fprintf(stderr, "orsalimbra-cli easter: %s %s is beyond the 16-bit arithmetic\n",
                 args[0].c_str(), args[1].c_str());
    return kExitFailure;
  }
  std::printf("%s\n", date->c_str());
  return kExitOk;
}

int RunNth(const std::vector<std::string>& args) {
  std::vector<int> n;
  if (const auto error = ReadNumbers(args, n)) return UsageError("nth", *error);
  if (n.size() != 4) return UsageError("nth", "expected NT DD MM YY");
  const auto date = core::NthDayMth(n[0], n[1], n[2], n[3], core::MonthLengthsOf(n[3]));
  std::printf("%s\n", date ? date->c_str() : "FAIL");
  return date ? kExitOk : kExitFailure;
}

[[maybe_unused]] const bool registered = RegisterCommand({"easter", "YEAR OFFSET", RunEaster}) &&
                                         RegisterCommand({"nth", "NT DD MM YY", RunNth});

}  // namespace

}  // namespace orsalimbra::cli
