// orsalimbra-cli: the command-line companion of the calendar generator.
#include <cstdio>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command.h"
#include "cli/help_texts.h"
#include "version/version.h"

namespace orsalimbra::cli {

namespace {
std::map<std::string, Command>& Registry() {
  static std::map<std::string, Command> commands;
  return commands;
}

bool IsHelp(const std::string& arg) { return arg == "--help" || arg == "-h" || arg == "help"; }

void Print(std::FILE* out, std::string_view text) { std::fwrite(text.data(), 1, text.size(), out); }

// The usage lines, and with `full` what the program is and every command with
// its summary; without, a pointer to the full help.
void PrintUsage(std::FILE* out, bool full) {
  Print(out,
        "usage: orsalimbra-cli COMMAND [ARGUMENTS]\n"
        "       orsalimbra-cli COMMAND --help\n"
        "       orsalimbra-cli --help | --version\n");
  if (!full) {
    Print(out, "commands:");
    for (const auto& [name, command] : Registry()) std::fprintf(out, " %s", name.c_str());
    Print(out, "\nTry 'orsalimbra-cli --help' for more information.\n");
    return;
  }
  Print(out, kProgramAbout);
  for (const auto& [name, command] : Registry()) {
    Print(out, FoldedUsage("  " + name, command.usage));
    if (const CommandHelp* help = FindCommandHelp(name)) {
      std::fprintf(out, "      %.*s\n", static_cast<int>(help->summary.size()),
                   help->summary.data());
    }
  }
  Print(out, kProgramClosing);
}

std::string UsageHead(const std::string& command) { return "usage: orsalimbra-cli " + command; }

void PrintCommandHelp(const Command& command) {
  Print(stdout, FoldedUsage(UsageHead(command.name), command.usage));
  if (const CommandHelp* help = FindCommandHelp(command.name)) Print(stdout, help->body);
}

void PrintVersion() { std::printf("orsalimbra-cli (Orsalimbra) %s\n", kVersion); }

// A command's result stands only if what it printed reached standard output
// (a full disk or a closed pipe must not pass for success).
int Finished(const char* command, int status) {
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    std::fprintf(stderr, "orsalimbra-cli %s: cannot write to standard output\n", command);
    return status == kExitOk ? kExitFailure : status;
  }
  return status;
}

// Asks for help anywhere among a command's arguments, or for the version as
// its only argument (the way "help" alone is taken).
bool AsksForHelp(const std::vector<std::string>& args) {
  if (args.size() == 1 && IsHelp(args[0])) return true;
  for (const std::string& arg : args) {
    if (arg == "--help") return true;
  }
  return false;
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
    Print(stderr, FoldedUsage(UsageHead(command), it->second.usage));
  }
  std::fprintf(stderr, "Try 'orsalimbra-cli %s --help' for more information.\n", command.c_str());
  return kExitUsage;
}

}  // namespace orsalimbra::cli

int main(int argc, char** argv) {
  using namespace orsalimbra::cli;
  if (argc < 2) {
    PrintUsage(stderr, false);
    return kExitUsage;
  }
  const std::string name = argv[1];
  const std::vector<std::string> args(argv + 2, argv + argc);
  if (name == "--version") {
    PrintVersion();
    return Finished("--version", kExitOk);
  }
  if (IsHelp(name) && args.empty()) {
    PrintUsage(stdout, true);
    return Finished("help", kExitOk);
  }
  // "help COMMAND" is "COMMAND --help".
  if (IsHelp(name) && args.size() > 1) {
    std::fprintf(stderr, "orsalimbra-cli: %s takes one COMMAND\n", name.c_str());
    PrintUsage(stderr, false);
    return kExitUsage;
  }
  const std::string& commandName = IsHelp(name) ? args[0] : name;
  auto it = Registry().find(commandName);
  if (it == Registry().end()) {
    const bool option = commandName.size() > 1 && commandName[0] == '-';
    std::fprintf(stderr, "orsalimbra-cli: unknown %s '%s'\n", option ? "option" : "command",
                 commandName.c_str());
    PrintUsage(stderr, false);
    return kExitUsage;
  }
  const Command& command = it->second;
  if (commandName != name || AsksForHelp(args)) {
    PrintCommandHelp(command);
    return Finished(command.name, kExitOk);
  }
  if (args.size() == 1 && args[0] == "--version") {
    PrintVersion();
    return Finished(command.name, kExitOk);
  }
  return Finished(command.name, command.run(args));
}
