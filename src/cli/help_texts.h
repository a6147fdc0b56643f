// The long help texts of orsalimbra-cli and of its commands. They live apart
// from the commands so that a command file holds only its parser and its
// work; the usage line of each command stays with its registration.
#pragma once

#include <string>
#include <string_view>

namespace orsalimbra::cli {

struct CommandHelp {
  std::string_view name;
  std::string_view summary;  // one line, for the list of commands
  // What follows the usage line in `orsalimbra-cli COMMAND --help`: what the
  // command does, its options, examples and exit statuses.
  std::string_view body;
};

// The help of command `name`; null for a command that has none.
const CommandHelp* FindCommandHelp(std::string_view name);

// What `orsalimbra-cli --help` says before the list of commands, and after it.
extern const std::string_view kProgramAbout;
extern const std::string_view kProgramClosing;

// `head` and `usage` ("usage: orsalimbra-cli print" and its arguments) as
// lines of at most `width` columns, each ending in a newline. Lines break only
// at spaces outside brackets and parentheses, so an option stays with its
// value ("[--year Y]"); continuation lines are indented one column past the
// head. A single group longer than a line stays whole.
std::string FoldedUsage(std::string_view head, std::string_view usage, std::size_t width = 80);

}  // namespace orsalimbra::cli
