// Time to build the year model: from the shipped data file (target under
// 1 ms) and from a generated 10 MB data file with many entries, holidays of
// all three kinds and very long lines (target under 200 ms).
//   bench_core_year_model [DATA_FILE]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "core/year_model.h"

using namespace orsalimbra::core;

namespace {

// Used when the shipped file is missing: two languages with the usual rows.
const char* const kSample =
    "<LINGUE>\r\n                    Italiano            English\r\n"
    "<TITOLI>\r\n                    \"Calendario\"        \"Calendar\"\r\n"
    "<MESI>\r\n[0] Copertina Cover\r\n[1] Gennaio January\r\n[2] Febbraio February\r\n"
    "[3] Marzo March\r\n[4] Aprile April\r\n[5] Maggio May\r\n[6] Giugno June\r\n"
    "[7] Luglio July\r\n[8] Agosto August\r\n[9] Settembre September\r\n[10] Ottobre October\r\n"
    "[11] Novembre November\r\n[12] Dicembre December\r\n"
    "<GIORNI>\r\n[1] Luned\xec Monday\r\n[2] Marted\xec Tuesday\r\n[3] Mercoled\xec Wednesday\r\n"
    "[4] Gioved\xec Thursday\r\n[5] Venerd\xec Friday\r\n[6] Sabato Saturday\r\n"
    "[7] Domenica Sunday\r\n"
    "<FESTE>\r\n[01/01] Capodanno \"New Year's Day\"\r\n[06/01] Epifania -\r\n"
    "[+0] Pasqua Easter\r\n[+1] Pasquetta \"Easter Monday\"\r\n[25/04] Liberazione -\r\n"
    "[01/05] \"Festa del lavoro\" -\r\n[2\xb0"
    "7/05] \"Festa della mamma\" \"Mother's Day\"\r\n"
    "[02/06] \"Festa della Repubblica\" -\r\n[15/08] Ferragosto -\r\n[01/11] Ognissanti -\r\n"
    "[08/12] Immacolata -\r\n[25/12] Natale Christmas\r\n[26/12] \"Santo Stefano\" \"Boxing "
    "Day\"\r\n";

std::optional<std::string> ReadFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return std::move(bytes).str();
}

// snprintf into a std::string (the keys and items of the generated file).
template <typename... Args>
std::string Text(const char* format, Args... args) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, format, args...);
  return buffer;
}

// A data file of at least `size` bytes: 60 entries, every section, holiday
// rows of all three rule kinds, and lines of several megabytes.
std::string GeneratedFile(std::size_t size) {
  constexpr int kEntries = 60;
  std::string f;
  f.reserve(size + 100000);
  const auto row = [&](const std::string& key, const char* item) {
    f.append(key);
    for (int e = 0; e < kEntries; ++e) f.append(Text(" \"%s %d\"", item, e));
    f.append("\r\n");
  };
  f.append("<LINGUE>\r\n");
  for (int e = 0; e < kEntries; ++e) f.append(Text(" Lingua%d", e));
  f.append("\r\n<TITOLI>\r\n");
  row("", "#Calend\xe0rio");
  f.append("<MESI>\r\n");
  for (int k = 0; k <= 12; ++k) row(Text("[%d]", k), "Mese");
  f.append("<GIORNI>\r\n");
  for (int k = 1; k <= 7; ++k) row(Text("[%d]", k), "Gioved\xec");
  f.append("<NOTE>\r\n").append(2'000'000, 'x').append("\r\n");
  f.append("<FOTO>\r\n[1] gen.jpg \"").append(1'000'000, 'n').append("\"\r\n");
  f.append("<FESTE>\r\n");
  // One very long line of holiday rows, then rows one per line.
  for (int i = 0; f.size() < size / 2; ++i) {
    f.append(Text("[%02d/01] -- Festa \"la festa\" ", i % 28 + 1));
  }
  f.append("\r\n");
  for (int i = 0; f.size() < size; ++i) {
    switch (i % 3) {
      case 0:
        row(Text("[%02d/%02d]", i % 28 + 1, i % 12 + 1), "Fisso");
        break;
      case 1:
        row(Text("[+%d]", i % 120), "Pasqua pi\xf9");
        break;
      default:
        row(Text("[%d\xb0%d/%s]", i % 5 + 1, i % 7 + 1, i % 2 ? "01" : "12"), "Ennesimo");
        break;
    }
  }
  return f;
}

// Milliseconds per build, the best of `rounds` rounds.
double MillisecondsPerBuild(const std::string& bytes, int layout, int rounds, int perRound,
                            YearLoad& result) {
  YearInputs inputs;
  inputs.fileBytes = bytes;
  inputs.yearText = "2026";
  inputs.layoutType = LayoutCode{layout};
  inputs.programFolder = "/tmp";
  inputs.fileExists = [](const std::string&) { return false; };
  YearModel previous;
  previous.LanguageIndex = 1;
  double best = 1e300;
  for (int r = 0; r < rounds; ++r) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < perRound; ++i) result = LoadYearData(previous, inputs);
    const std::chrono::duration<double, std::milli> elapsed =
        std::chrono::steady_clock::now() - start;
    best = std::min(best, elapsed.count() / perRound);
  }
  return best;
}

void Report(const char* what, std::size_t bytes, double ms, double target, const YearLoad& load) {
  std::printf("%-34s %9zu bytes  %9.3f ms per build  (target < %g ms: %s)  holidays %d\n", what,
              bytes, ms, target, ms < target ? "met" : "MISSED", load.model.HolidayCount);
}

}  // namespace

int main(int argc, char** argv) {
  const char* path = argc > 1 ? argv[1] : ORSALIMBRA_SOURCE_DIR "/data/Orsalimbra.ini";
  std::optional<std::string> shipped = ReadFile(path);
  const bool sample = !shipped;
  if (sample) {
    std::printf("%s cannot be read: using the built-in two-language sample\n", path);
    shipped = kSample;
  }
  bool met = true;
  YearLoad load;
  const double small =
      MillisecondsPerBuild(*shipped, static_cast<int>(LayoutCode::Semester), 5, 200, load);
  Report(sample ? "built-in sample" : "data file", shipped->size(), small, 1.0, load);
  met = met && small < 1.0;

  const std::string big = GeneratedFile(10u << 20);
  for (const int layout :
       {static_cast<int>(LayoutCode::Semester), static_cast<int>(LayoutCode::Weekly)}) {
    const double ms = MillisecondsPerBuild(big, layout, 3, 1, load);
    Report(layout == static_cast<int>(LayoutCode::Semester) ? "generated 10 MB, semester layout"
                                                            : "generated 10 MB, weekly layout",
           big.size(), ms, 200.0, load);
    met = met && ms < 200.0;
  }
  return met ? 0 : 1;
}
