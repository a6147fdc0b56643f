#include "app/command_line.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "version/version.h"

namespace orsalimbra::app {

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

constexpr std::string_view kHelp = R"(usage: orsalimbra [--help | --version] [QT OPTIONS]

Opens the window of Orsalimbra, the wall calendar generator: pick a year, a
language or country, one of five page layouts, the colour, font and shadow of
the titles, a moon phase style and a cover style, put a photo and a note on the
cover and on each month, and print the calendar, one month, one half-year or
the cover alone, to a printer or a PDF file. The window is in Italian; its Help
button opens a guide to every control and to the data file. Every choice is
stored the moment it is made (the reversed page order when the program is left
with its "Fine" button).

Options:
  -h, --help        show this help and exit
  --version         show the version and exit
Qt's own options are taken too, for example -platform offscreen, -style Fusion
or -reverse.

Files:
  Orsalimbra.ini    the data file shipped with the program: languages or
                    countries, titles, month and weekday names, holidays,
                    photo rows; in the program folder (the folder of the
                    executable, /usr/lib/orsalimbra after a package install),
                    edited with "Configurazione Avanzata"
  ~/.local/share/Nerb/Orsalimbra/Orsalimbra.ini
                    the user's own copy of the data file, read instead of the
                    shipped one whenever it exists; the editor's first save
                    creates it when the program folder cannot be written, and
                    "Ripristina il file originale" goes back to the shipped
                    file ($XDG_DATA_HOME/Nerb/Orsalimbra when that is set);
                    photo names without a folder are looked up in the program
                    folder, then here
  Orsalimbra.bak    the data file as it was before the editor's last save,
                    beside the data file the editor saves
  Orsalimbra.htm    the help page, in the program folder
  ~/.config/Nerb/Nerb.ini
                    the stored choices, section [Orsalimbra]
                    ($XDG_CONFIG_HOME/Nerb/Nerb.ini when that is set)

Examples:
  orsalimbra
  orsalimbra -style Fusion

Exit status:
  0  the window was closed
  1  there is no display to show the window on
  2  bad arguments

orsalimbra-cli prints calendars to PDF files without a window; see
orsalimbra-cli --help and the manual pages orsalimbra(1) and orsalimbra-cli(1).
)";

bool IsSet(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0';
}

// Whether Qt can find a screen: a platform chosen by the user, or an
// X11 or Wayland display. Without one Qt would abort with a terse message of
// its own.
bool HasDisplay(int argc, char** argv) {
  if (IsSet("QT_QPA_PLATFORM") || IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY")) return true;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "-platform" || arg == "--platform") return true;
  }
  return false;
}

}  // namespace

std::optional<int> AnswerBeforeStart(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::fwrite(kHelp.data(), 1, kHelp.size(), stdout);
      return std::fflush(stdout) == 0 ? 0 : kExitFailure;
    }
  }
  for (int i = 1; i < argc; ++i) {
    if (std::string_view(argv[i]) == "--version") {
      std::printf("orsalimbra (Orsalimbra) %s\n", kVersion);
      return std::fflush(stdout) == 0 ? 0 : kExitFailure;
    }
  }
  if (!HasDisplay(argc, argv)) {
    std::fprintf(stderr,
                 "orsalimbra: no display to show the window on (neither DISPLAY nor "
                 "WAYLAND_DISPLAY is set);\norsalimbra-cli prints calendars without one\n");
    return kExitFailure;
  }
  return std::nullopt;
}

std::optional<int> RefuseLeftovers(int argc, char** argv) {
  if (argc < 2) return std::nullopt;
  const std::string_view arg = argv[1];
  const bool option = arg.size() > 1 && arg[0] == '-';
  std::fprintf(stderr, "orsalimbra: %s '%s'\nTry 'orsalimbra --help' for more information.\n",
               option ? "unknown option" : "unexpected argument", argv[1]);
  return kExitUsage;
}

}  // namespace orsalimbra::app
