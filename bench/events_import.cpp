// Reading a generated iCalendar file like a large family calendar: a
// VTIMEZONE, birthdays since 1950, one-off and multi-day events, weekly
// series with overrides and EXDATEs, monthly rules, UTC times.
//
// Targets: a 10,000-event file expanded for one year in under 200 ms of the
// process's time (the best of five runs; the wall time is printed too, but
// on a shared machine it measures the neighbours); memory linear in the
// file: the peak of 1,000-, 10,000- and 80,000-event files (the largest
// under the bound of 100,000 components), each read in a child process of
// its own, grows by the same bytes per file byte within a factor of 2.
//   bench_events_import
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>

#include "events/events_import.h"

using namespace orsalimbra::events;

namespace {

constexpr double kTargetMilliseconds = 200;

const char* const kZone =
    "BEGIN:VTIMEZONE\r\nTZID:Europe/Rome\r\nBEGIN:DAYLIGHT\r\nTZOFFSETFROM:+0100\r\n"
    "TZOFFSETTO:+0200\r\nTZNAME:CEST\r\nDTSTART:19700329T020000\r\n"
    "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\r\nEND:DAYLIGHT\r\nBEGIN:STANDARD\r\n"
    "TZOFFSETFROM:+0200\r\nTZOFFSETTO:+0100\r\nTZNAME:CET\r\nDTSTART:19701025T030000\r\n"
    "RRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n";

template <typename... Args>
std::string Text(const char* format, Args... args) {
  char buffer[256];
  std::snprintf(buffer, sizeof buffer, format, args...);
  return buffer;
}

// Event `i` of the generated file, one of ten kinds.
std::string GeneratedEvent(int i) {
  const int month = i % 12 + 1, day = i % 28 + 1, hour = 8 + i % 12;
  std::string e = Text(
      "BEGIN:VEVENT\r\nUID:evento-%d@bench.example\r\nDTSTAMP:20251201T100000Z\r\n"
      "DESCRIPTION:Evento numero %d\\, generato\r\nLOCATION:\r\n",
      i, i);
  switch (i % 10) {
    case 0:
    case 1:
    case 2:
    case 3:  // a birthday
      e += Text(
          "DTSTART;VALUE=DATE:%04d%02d%02d\r\nRRULE:FREQ=YEARLY\r\n"
          "SUMMARY:Compleanno di Persona %d\r\n",
          1950 + i % 60, month, day, i);
      break;
    case 4:
    case 5:  // a one-off appointment
      e += Text(
          "DTSTART;TZID=Europe/Rome:2026%02d%02dT%02d0000\r\n"
          "DTEND;TZID=Europe/Rome:2026%02d%02dT%02d3000\r\nSUMMARY:Appuntamento %d\r\n",
          month, day, hour, month, day, hour, i);
      break;
    case 6:  // a weekly course until summer from a Monday of January, one Monday left out
      e += Text(
          "DTSTART;TZID=Europe/Rome:202601%02dT%02d0000\r\n"
          "DTEND;TZID=Europe/Rome:202601%02dT%02d3000\r\n"
          "RRULE:FREQ=WEEKLY;UNTIL=20260630T220000Z;BYDAY=MO,TH\r\n"
          "EXDATE;TZID=Europe/Rome:202602%02dT%02d0000\r\nSUMMARY:Corso %d\r\n",
          5 + day % 3 * 7, hour, 5 + day % 3 * 7, hour, 9 + day % 2 * 7, hour, i);
      break;
    case 7:  // a monthly payment, and its last Friday variant
      e += i % 20 == 7 ? Text(
                             "DTSTART;VALUE=DATE:20260115\r\nRRULE:FREQ=MONTHLY;BYMONTHDAY=15\r\n"
                             "SUMMARY:Rata %d\r\n",
                             i)
                       : Text(
                             "DTSTART;VALUE=DATE:20260130\r\n"
                             "RRULE:FREQ=MONTHLY;COUNT=6;BYDAY=-1FR\r\nSUMMARY:Riunione %d\r\n",
                             i);
      break;
    case 8:  // holidays of a few days
      e += Text(
          "DTSTART;VALUE=DATE:2026%02d%02d\r\nDTEND;VALUE=DATE:2026%02d%02d\r\n"
          "SUMMARY:Vacanza %d\r\n",
          month, day, month, day + 3, i);
      break;
    default:  // a call at a UTC time
      e += Text("DTSTART:2026%02d%02dT%02d3000Z\r\nSUMMARY:Chiamata %d\r\n", month, day,
                (hour + 12) % 24, i);
      break;
  }
  e += "END:VEVENT\r\n";
  if (i % 10 == 6) {  // one Monday of each course moved to the Tuesday
    e += Text(
        "BEGIN:VEVENT\r\nUID:evento-%d@bench.example\r\nDTSTAMP:20251201T100000Z\r\n"
        "RECURRENCE-ID;TZID=Europe/Rome:202603%02dT%02d0000\r\n"
        "DTSTART;TZID=Europe/Rome:202603%02dT%02d0000\r\nSUMMARY:Corso %d (spostato)\r\n"
        "END:VEVENT\r\n",
        i, 2 + day % 4 * 7, hour, 3 + day % 4 * 7, hour, i);
  }
  return e;
}

std::string GeneratedFile(int events) {
  std::string f = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Bench//IT\r\n";
  f += kZone;
  for (int i = 0; i < events; ++i) f += GeneratedEvent(i);
  return f + "END:VCALENDAR\r\n";
}

std::string WriteFile(int events) {
  const std::string path = Text("/tmp/orsalimbra_bench_events_%d_%d.ics", events, getpid());
  std::ofstream(path, std::ios::binary) << GeneratedFile(events);
  return path;
}

ImportRange Year() {
  return {std::chrono::year{2026} / 1 / 1, std::chrono::year{2026} / 12 / 31, "Europe/Rome"};
}

double CpuMilliseconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) * 1e-6;
}

// The peak resident memory of this process image: unlike getrusage's, it
// starts again at exec, so the parent's memory does not count.
long PeakKilobytes() {
  std::ifstream status("/proc/self/status");
  std::string word;
  long kilobytes = -1;
  while (status >> word) {
    if (word == "VmHWM:") status >> kilobytes;
  }
  return kilobytes;
}

// The child: reads the file once, for January, and prints its peak memory.
// One month keeps the dates of every file under their bound.
int Measure(const char* path) {
  const ImportResult r = ImportCalendarFiles(
      {path}, {std::chrono::year{2026} / 1 / 1, std::chrono::year{2026} / 1 / 31, "Europe/Rome"});
  std::printf("%ld %zu %zu\n", PeakKilobytes(), r.dates.size(), r.problems.size());
  return 0;
}

struct Peak {
  long kilobytes = -1;
  std::size_t dates = 0, problems = 0;
};

Peak PeakOfChild(const char* self, const std::string& path) {
  int out[2];
  if (pipe(out) != 0) return {};
  const pid_t child = fork();
  if (child == 0) {
    dup2(out[1], STDOUT_FILENO);
    execl(self, self, "--measure", path.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(out[1]);
  char buffer[128] = {};
  const ssize_t n = read(out[0], buffer, sizeof buffer - 1);
  close(out[0]);
  int status = 0;
  waitpid(child, &status, 0);
  Peak p;
  if (n > 0) std::sscanf(buffer, "%ld %zu %zu", &p.kilobytes, &p.dates, &p.problems);
  return p;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--measure") return Measure(argv[2]);

  // Speed: the best of five reads of the 10,000-event file.
  const std::string ten = WriteFile(10'000);
  double cpu = 1e300, wall = 1e300;
  ImportResult result;
  for (int run = 0; run < 5; ++run) {
    const double cpuStart = CpuMilliseconds();
    const auto start = std::chrono::steady_clock::now();
    result = ImportCalendarFiles({ten}, Year());
    const std::chrono::duration<double, std::milli> ms = std::chrono::steady_clock::now() - start;
    cpu = std::min(cpu, CpuMilliseconds() - cpuStart);
    wall = std::min(wall, ms.count());
  }
  const bool fast = cpu < kTargetMilliseconds && result.problems.empty();
  std::printf(
      "10,000 events, one year: %.1f ms of the process (target < %.0f ms: %s), %.1f ms wall; "
      "%zu dates, %zu problems\n",
      cpu, kTargetMilliseconds, fast ? "met" : "MISSED", wall, result.dates.size(),
      result.problems.size());

  // Memory: the peak of a child per file, against the file's size.
  const int sizes[] = {1'000, 10'000, 80'000};
  long bytes[3] = {}, peak[3] = {};
  bool read = true;
  for (int k = 0; k < 3; ++k) {
    const std::string path = k == 1 ? ten : WriteFile(sizes[k]);
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    bytes[k] = static_cast<long>(in.tellg());
    const Peak p = PeakOfChild(argv[0], path);
    peak[k] = p.kilobytes;
    read = read && p.kilobytes > 0 && p.problems == 0;
    std::printf("%6d events, %5.1f MB file, one month: peak %6.1f MB, %zu dates, %zu problems\n",
                sizes[k], static_cast<double>(bytes[k]) / 1048576.0,
                static_cast<double>(p.kilobytes) / 1024.0, p.dates, p.problems);
    if (k != 1) std::remove(path.c_str());
  }
  std::remove(ten.c_str());
  // Bytes of memory per byte of file, from the smallest file to each larger.
  const double small =
      1024.0 * static_cast<double>(peak[1] - peak[0]) / static_cast<double>(bytes[1] - bytes[0]);
  const double large =
      1024.0 * static_cast<double>(peak[2] - peak[0]) / static_cast<double>(bytes[2] - bytes[0]);
  const bool linear = read && small > 0 && large / small < 2 && small / large < 2;
  std::printf("memory per file byte: %.1f from 1k to 10k events, %.1f from 1k to 80k: %s\n", small,
              large, linear ? "linear" : "NOT LINEAR");
  const bool pass = fast && linear;
  std::printf("%s\n", pass ? "PASS" : "FAIL");
  return pass ? 0 : 1;
}
