// What the window program does with its command line. It opens no file and
// takes no option of its own beyond --help and --version; Qt takes its own
// options (-platform, -style, ...) when the application object is built.
#pragma once

#include <optional>

namespace orsalimbra::app {

// Before any Qt object exists: answers --help and --version on standard
// output, and refuses to start without a display to show the window on.
// Returns the exit status when the program must end, nothing when it starts.
std::optional<int> AnswerBeforeStart(int argc, char** argv);

// After the application object has taken Qt's options out of argv: anything
// left is an argument the program does not know. Says which on standard
// error and returns the exit status, or nothing when none is left.
std::optional<int> RefuseLeftovers(int argc, char** argv);

}  // namespace orsalimbra::app
