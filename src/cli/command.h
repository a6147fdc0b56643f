// Sub-commands of orsalimbra-cli. Each lives in its own file and registers
// itself; main() dispatches on the first argument.
#pragma once

#include <string>
#include <vector>

namespace orsalimbra::cli {

// Exit statuses shared by all sub-commands.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

struct Command {
  const char* name;
  const char* usage;  // the arguments after the name, for the usage message
  int (*run)(const std::vector<std::string>& args);
};

// Registers a sub-command; used by static initialisers of the command files.
bool RegisterCommand(const Command& command);

// Prints "usage: ..." for `command` on stderr and returns kExitUsage.
int UsageError(const std::string& command, const std::string& message);

}  // namespace orsalimbra::cli
