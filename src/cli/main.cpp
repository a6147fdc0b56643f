// orsalimbra-cli: the command-line companion of the calendar generator.
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "cli/command.h"

namespace orsalimbra::cli {

namespace {
std::map<std::string, Command>& Registry() {
  static std::map<std::string, Command> commands;
  return commands;
}

int PrintUsage() {
  std::fprintf(stderr, "usage: orsalimbra-cli COMMAND [ARGUMENTS]\ncommands:\n");
  for (const auto& [name, command] : Registry()) {
    std::fprintf(stderr, "  orsalimbra-cli %s %s\n", name.c_str(), command.usage);
  }
  return kExitUsage;
}
}  // namespace

bool RegisterCommand(const Command& command) {
  Registry()[command.name] = command;
  return true;
}

int UsageError(const std::string& command, const std::string& message) {
  auto it = Registry().find(command);
  std::fprintf(stderr, "orsalimbra-cli %s: %s\n", command.c_str(), message.c_str());
  if (it != Registry().end()) {
    std::fprintf(stderr, "usage: orsalimbra-cli %s %s\n", command.c_str(), it->second.usage);
  }
  return kExitUsage;
}

}  // namespace orsalimbra::cli

int main(int argc, char** argv) {
  using namespace orsalimbra::cli;
  if (argc < 2) return PrintUsage();
  auto it = Registry().find(argv[1]);
  if (it == Registry().end()) {
    std::fprintf(stderr, "orsalimbra-cli: unknown command '%s'\n", argv[1]);
    return PrintUsage();
  }
  std::vector<std::string> args(argv + 2, argv + argc);
  return it->second.run(args);
}
