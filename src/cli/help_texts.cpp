#include "cli/help_texts.h"

#include <array>
#include <vector>

namespace orsalimbra::cli {

namespace {

// Every body is preformatted for an 80-column terminal.

constexpr std::string_view kEaster = R"(
Prints the date of Easter Sunday of YEAR moved by OFFSET days, as dd/mm/yyyy:
the date that a holiday rule [+n] or [-n] of the data file gives for that year.
Easter is computed by the Gregorian computus after 1582 and by the Julian one up
to 1582. Numbers are read as the data file's rules read them: "05" is 5, "+1"
is 1. The rules are meant for dates from 1 January to 31 July; an offset that
leaves them gives a text that is no valid date.

Arguments:
  YEAR      the year
  OFFSET    days after (positive) or before (negative) Easter Sunday

Examples:
  orsalimbra-cli easter 2027 0       Easter Sunday: 28/03/2027
  orsalimbra-cli easter 2027 1       Easter Monday: 29/03/2027
  orsalimbra-cli easter 2027 -47     Shrove Tuesday: 09/02/2027

Exit status:
  0  the date was printed
  1  YEAR or OFFSET is beyond the 16-bit arithmetic of the rule (a message on
     standard error)
  2  bad arguments
)";

constexpr std::string_view kNth = R"(
Prints the date of the NT-th weekday DD of month MM of year YY, as dd/mm/yyyy:
the date that a holiday rule [NT°DD/MM] of the data file gives for that year.
Weekdays run from 1 (Monday) to 7 (Sunday); 0 counts as Sunday. NT above 5
means 5, the last such weekday of the month. Numbers are read as the data
file's rules read them: "05" is 5.

Arguments:
  NT        which one: 1 the first ... 5 the last
  DD        the weekday, 1 Monday ... 7 Sunday
  MM        the month, 1 ... 12
  YY        the year

Examples:
  orsalimbra-cli nth 2 7 05 2027     second Sunday of May: 09/05/2027
  orsalimbra-cli nth 5 1 05 2027     last Monday of May: 31/05/2027
  orsalimbra-cli nth 4 4 11 2027     fourth Thursday of November: 25/11/2027

Exit status:
  0  the date was printed
  1  the rule gives no date (NT below 1, MM not a month, YY beyond -32767 to
     32767); "FAIL" is printed instead
  2  bad arguments
)";

constexpr std::string_view kModel = R"(
Reads the data file FILE as the window program reads it and prints the year
model that results, as one JSON object: the month and weekday names, the list
of languages or countries, the titles, the holidays with their dates for the
year, and the photos and notes of the data file's <FOTO> section, together
with the settings writes the window would make for them. Useful to check a
data file after editing it. A file that cannot be read gives the model of a
first run without data; a year text that is no year gives a model without
dates.

Options:
  --year TEXT       the year, as typed in the window's year box: a whole number
                    from 100 to 9999, spaces around it allowed (required)
  --entry N         the language or country, by its position in the file's list
                    from 0 (default 0)
  --layout L        the layout code, 0 half-year, 1 weekly, 2 daily (default
                    1); in layout 0 the holidays of January and December are
                    also dated in the year after and the year before
  --user-photos     leave the <FOTO> rows out, as the setting RegFoto=True does
  --folder DIR      the program folder, where picture names without a folder
                    are looked up (default: the folder of FILE)
  --events FILE.ics a calendar file (iCalendar) whose events are listed as
                    "PersonalDates", [date, text, file] from December of the
                    year before to January of the year after, times in the
                    computer's time zone; may be given more than once. A file
                    that cannot be read is told on standard error and the
                    others are still read

Examples:
  orsalimbra-cli model Orsalimbra.ini --year 2027
  orsalimbra-cli model Orsalimbra.ini --year 2027 --entry 1 --layout 0
  orsalimbra-cli model Orsalimbra.ini --year 2027 --events compleanni.ics

Exit status:
  0  the model was printed
  1  the output could not be written
  2  bad arguments
)";

constexpr std::string_view kMoon = R"(
Prints the instants of the moon's four principal phases around month MONTH of
YEAR, computed by Meeus's method: sixteen lines, four lunations of new moons,
then first quarters, full moons and last quarters, each as dd/mm/yyyy hh:nn
(minutes cut, not rounded), or an empty line for an empty slot. The lunations
cover every phase of the month and some of the months around it. The times are
GMT unless --local moves them.

Arguments and options:
  MONTH              the month, 1 ... 12
  YEAR               the year, 1 ... 9999
  --local OFFSET_HOURS
                     local standard time, OFFSET_HOURS whole hours east of
                     Greenwich, -24 to 24 (for Italy 1; default: GMT)

Examples:
  orsalimbra-cli moon 1 2027
  orsalimbra-cli moon 1 2027 --local 1

Exit status:
  0  the phases were printed
  1  the output could not be written
  2  bad arguments
)";

constexpr std::string_view kPrint = R"(
Prints a calendar to the PDF file OUT.pdf without a window, by the same print
jobs as the print buttons of the window program. Every choice not given as an
option is the user's own, read from the settings file as the window reads it
at start-up; the settings are never changed. No display is needed. The file
appears only once the whole PDF has been written.

What to print (exactly one):
  --all              the whole calendar: in layouts 1 and 2 the cover and the
                     back cover (only when a cover photo exists and the cover
                     style is not 0), then the twelve months; in layout 0 the
                     two half-year pages, never a cover
  --month N          month N (1 to 12); with two months per page the sheet
                     that holds it (1 and 2 both print January with February);
                     nothing in layout 0
  --half N           half-year N: 1 January to June, 2 July to December (with
                     --reverse, December down to July)
  --cover            the cover and the back cover alone; needs layout 1 or 2
                     and a cover style above 0 (without a cover photo the
                     cover carries the title alone)

Options (the default is the stored choice, named in quotes, or the value given
for a first run):
  --year Y           the calendar year, 100 to 9999 (default: this year, or the
                     next one from July on)
  --entry N          the language or country, by its position in the data
                     file's list from 0 ("Lingua", 0)
  --layout L         the layout code 0, 1 or 2, see Layouts ("Tipo", 1)
  --cover-style C    0 to 4, see Cover styles ("Copertina", 1)
  --cover-fit HOW    how the cover photo meets the page: fill (cropped evenly
                     around the centre), fit (the whole photo on white) or
                     stretch (the photo's shape lost) ("AdattaCopertina", fill)
  --page-style STYLE the weekly month pages (layout 1): classic (open rows of
                     day numbers) or boxed (a box for each day with room to
                     write, the holidays inside it, small calendars of the
                     months before and after in empty boxes) ("StilePagina",
                     classic)
  --week-numbers, --no-week-numbers
                     the ISO week numbers beside the rows of the boxed pages
                     ("NumeriSettimana", shown)
  --moon-style M     0 to 8, see Moon styles ("Luna", 1)
  --reverse, --no-reverse
                     the reversed page order of a calendar bound from folded
                     sheets: January, December, February, November and so on
                     ("OrdInv", not reversed)
  --local-time, --gmt
                     the moon phase times in local standard time or in GMT
                     ("LocalTime", local time)
  --utc-offset H     the local standard time, H whole hours east of Greenwich,
                     -24 to 24 (default: the computer's time zone without
                     daylight saving, rounded to whole hours)
  --folder DIR       the program folder, with the shipped data file
                     Orsalimbra.ini, the half-year backgrounds (Sfondo1,
                     Sfondo2 or Sfondo, .bmp or .jpg) and the pictures named
                     without a folder (default: the folder of orsalimbra-cli
                     itself)
  --data FILE        the data file to read (default: the window's, that is
                     the user's own copy when there is one, see Files, else
                     Orsalimbra.ini in the program folder)
  --section NAME     the section of the settings file to read the choices from
                     (default: Orsalimbra, the window program's)
  --paper NAME       A4, A3, A5, Letter or Legal, portrait (default: A4); A5 is
                     too small for the half-year pages and two months a page
  --events FILE.ics  a calendar file (iCalendar, as calendar programs export
                     it) whose events print after the holiday names of their
                     days, in their own colour; may be given more than once
                     (default: the files ticked in the window's "Date
                     personali", "DatePersonali"). A file that cannot be read
                     is told on standard error; the calendar still prints
The colour, font and shadow of the titles and the colour of the personal dates
("ColoreDatePersonali", dark blue) are always the stored ones.

Layouts:
  The five page layouts are the layout code combined with whether month photos
  exist, that is whether the photo of at least one month names an existing
  file:
    0  half-year pages: one half-year per page, framed by the month before and
       the month after with grey headings; month photos play no part
    1  weekly grid: with month photos one month per page, its photo and note
       on top; without, two months per page, the odd month above the even one
    2  daily list in three columns: likewise one month per page with its photo,
       or two months per page without photos

Cover styles:
    0  no cover
    1  the cover photo with the title near the top
    2  the cover photo with the title in the middle
    3  the cover photo with the title near the bottom
    4  the cover photo alone, without a title (it becomes 0 without a photo)
  The title is the calendar title of the language or country with the year.
  The back cover, after the cover, carries the cover's note: a "\" splits it
  into two lines, and a note that starts with "-" leaves the back cover out.

Moon styles:
    0  no moon phases
    1  ochre outline, yellow fill, all four phases
    2  crimson outline, yellow fill, all four phases
    3  ochre outline, no fill, all four phases
    4  crimson outline, no fill, all four phases
    5, 6, 7, 8  as 1, 2, 3, 4 with new and full moons only

Photos and notes:
  The photo and note of the cover (page 0) and of each month (1 to 12) are
  those chosen in the window's image window ("Foto00" to "Foto12", "Nota00" to
  "Nota12"). The <FOTO> section of the data file, when there is one, replaces
  them for the pages it lists, unless the settings file holds RegFoto=True;
  this command takes those rows for the calendar it prints and stores nothing.
  A picture file name without a folder is looked up in the program folder,
  then in the user's data folder (see Files). A picture whose file is missing
  is left out.

Files:
  ~/.local/share/Nerb/Orsalimbra/Orsalimbra.ini
                     the user's own copy of the data file, made by the window's
                     editor when the program folder cannot be written (after a
                     package install); read instead of the program folder's
                     whenever it exists, even when it cannot be read (then
                     nothing is printed) ($XDG_DATA_HOME/Nerb/Orsalimbra when
                     that is set)
  ~/.config/Nerb/Nerb.ini  the stored choices, one section per program
                     ($XDG_CONFIG_HOME/Nerb/Nerb.ini when that is set); a
                     section written by an older version is not read: the
                     calendar is printed with the first-run choices and a
                     warning

Examples:
  orsalimbra-cli print calendar.pdf --all
      the whole calendar of the proposed year, with the stored choices
  orsalimbra-cli print 2027.pdf --all --year 2027 --layout 1 --cover-style 2
      a weekly calendar for 2027 with the title in the middle of the cover
  orsalimbra-cli print june.pdf --month 6 --layout 2 --paper letter --gmt
  orsalimbra-cli print boxes.pdf --all --layout 1 --page-style boxed
      a weekly calendar with a box for each day, to write in
  orsalimbra-cli print half.pdf --half 1 --layout 0 --year 2027 --moon-style 5
  orsalimbra-cli print family.pdf --all --events birthdays.ics --events s.ics
      with the birthdays and the school holidays of two calendar files

Exit status:
  0  the PDF was written; "OUT.pdf: N pages" on standard output
  1  failed, with a message on standard error and no file left: the data file
     cannot be read (the user's own copy included), the choices print nothing
     (a month or the cover in layout 0, the cover with cover style 0), or the
     PDF cannot be written
  2  bad arguments, an --entry beyond the data file's list included
)";

constexpr std::array<CommandHelp, 5> kCommands{{
    {"easter", "the date of Easter Sunday moved by a number of days", kEaster},
    {"nth", "the n-th weekday of a month", kNth},
    {"model", "the year model that a data file gives, as JSON", kModel},
    {"moon", "the moon phase instants around a month", kMoon},
    {"print", "a calendar as a PDF file, made by the window's print jobs", kPrint},
}};

// The spaces at which a usage may break: those outside brackets.
std::vector<std::string_view> UsageGroups(std::string_view usage) {
  std::vector<std::string_view> groups;
  int depth = 0;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= usage.size(); ++i) {
    const char c = i < usage.size() ? usage[i] : ' ';
    if (c == '[' || c == '(') ++depth;
    if ((c == ']' || c == ')') && depth > 0) --depth;
    if (c == ' ' && (depth == 0 || i == usage.size())) {
      if (i > start) groups.push_back(usage.substr(start, i - start));
      start = i + 1;
    }
  }
  return groups;
}

}  // namespace

const std::string_view kProgramAbout = R"(
orsalimbra-cli is the command-line companion of Orsalimbra, the wall calendar
generator. It checks holiday rules and data files, lists moon phases and prints
calendars to PDF files without a window. It reads the same data file and stored
choices as the window program, orsalimbra, and never changes them.

Commands:
)";

const std::string_view kProgramClosing = R"(
Options:
  -h, --help         show this help; after a command, that command's help
  --version          show the version

Exit status:
  0  done
  1  failed, with a message on standard error
  2  bad arguments, with the usage on standard error

"orsalimbra-cli COMMAND --help" (or "orsalimbra-cli help COMMAND") explains a
command; the manual page is orsalimbra-cli(1).
)";

const CommandHelp* FindCommandHelp(std::string_view name) {
  for (const CommandHelp& help : kCommands) {
    if (help.name == name) return &help;
  }
  return nullptr;
}

std::string FoldedUsage(std::string_view head, std::string_view usage, std::size_t width) {
  std::string text(head);
  const std::string indent(text.size() + 1, ' ');
  std::size_t lineStart = 0;
  for (const std::string_view group : UsageGroups(usage)) {
    if (text.size() - lineStart + 1 + group.size() > width &&
        text.size() > lineStart + indent.size()) {
      text += '\n';
      lineStart = text.size();
      text += indent;
    } else {
      text += ' ';
    }
    text += group;
  }
  return text + '\n';
}

}  // namespace orsalimbra::cli
