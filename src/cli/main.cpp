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

bool IsHelp(const std::string& arg) { return arg == "--help" || arg == "-h" || arg == "help"; }

// The list of commands, on `out`.
void PrintUsage(std::FILE* out) {
  std::fprintf(out, "usage: orsalimbra-cli COMMAND [ARGUMENTS]\ncommands:\n");
  for (const auto& [name, command] : Registry()) {
    std::fprintf(out, "  orsalimbra-cli %s %s\n", name.c_str(), command.usage);
  }
}

// A command's result stands only if what it printed reached standard output
// (a full disk or a closed pipe must not pass for success).
int Finished(const char* command, int status) {
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    std::fprintf(stderr, "orsalimbra-cli %s: cannot write to standard output\n", command);
    return status == kExitOk ? kExitFailure : status;
  }
  return status;
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
  if (argc < 2) {
    PrintUsage(stderr);
    return kExitUsage;
  }
  const std::string name = argv[1];
  if (IsHelp(name)) {
    PrintUsage(stdout);
    return Finished("help", kExitOk);
  }
  auto it = Registry().find(name);
  if (it == Registry().end()) {
    std::fprintf(stderr, "orsalimbra-cli: unknown command '%s'\n", argv[1]);
    PrintUsage(stderr);
    return kExitUsage;
  }
  const std::vector<std::string> args(argv + 2, argv + argc);
  if (args.size() == 1 && IsHelp(args[0])) {
    std::printf("usage: orsalimbra-cli %s %s\n", it->second.name, it->second.usage);
    return Finished(it->second.name, kExitOk);
  }
  return Finished(it->second.name, it->second.run(args));
}
