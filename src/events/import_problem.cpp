#include "events/import_problem.h"

namespace orsalimbra::events {

namespace {

using Kind = ImportProblem::Kind;

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// A byte bound as people say it: whole megabytes where it is one.
std::string Size(std::size_t bytes) {
  constexpr std::size_t kMegabyte = std::size_t{1} << 20;
  if (bytes >= kMegabyte && bytes % kMegabyte == 0)
    return std::to_string(bytes / kMegabyte) + " MB";
  return std::to_string(bytes) + " byte";
}

std::string ItalianLine(const ImportProblem& p) {
  return p.line > 0 ? std::string(" alla riga ").append(std::to_string(p.line)) : std::string();
}

}  // namespace

std::string ItalianProblemText(const ImportProblem& p) {
  const std::string file = Quoted(p.file);
  switch (p.kind) {
    case Kind::Missing:
      return "Il file " + file + " non esiste.";
    case Kind::NotRegularFile:
      return file + " non è un file di calendario: è una cartella o un dispositivo.";
    case Kind::Unreadable:
      return "Non si può leggere il file " + file + ".";
    case Kind::TooLarge:
      return "Il file " + file + " supera i " + Size(p.limit) + " e non è stato letto.";
    case Kind::TooManyComponents:
      return "Il file " + file + " contiene più di " + std::to_string(p.limit) +
             " elementi e non è stato letto.";
    case Kind::TooManyValues:
      return "Il file " + file + " contiene più di " + std::to_string(p.limit) +
             " date e proprietà da leggere e non è stato letto.";
    case Kind::NotCalendar:
      return "Il file " + file + " non è un calendario iCalendar (.ics).";
    case Kind::Malformed:
      return "Il file " + file + " ha un errore" + ItalianLine(p) +
             (p.line > 0 ? ", che è stata saltata: " : ", saltato: ") + p.detail;
    case Kind::Truncated:
      return "Il file " + file + " è incompleto: manca " + Quoted(p.detail) +
             " per l'elemento aperto" + ItalianLine(p) + ". Si usano le date lette.";
    case Kind::BadDate:
      return "Nel file " + file + " l'evento" + ItalianLine(p) + " ha una data non valida (" +
             p.detail + ") ed è stato saltato.";
    case Kind::UnknownTimeZone:
      if (p.file.empty()) {
        return "Il fuso orario del computer " + Quoted(p.detail) +
               " è sconosciuto: gli orari sono presi come ora di Greenwich (UTC).";
      }
      return "Nel file " + file + " il fuso orario " + Quoted(p.detail) + ItalianLine(p) +
             " è sconosciuto: i suoi orari sono presi come ora locale.";
    case Kind::UnsupportedRecurrence:
      return "Nel file " + file + " la ripetizione dell'evento" + ItalianLine(p) +
             " non si può calcolare (" + p.detail + "): è riportata solo la sua prima data.";
    case Kind::RecurrenceCut:
      return "Nel file " + file + " l'evento" + ItalianLine(p) +
             " si ripete troppe volte: le sue date sono riportate solo in parte.";
    case Kind::TooManyDates:
      return "Le date personali sono più di " + std::to_string(p.limit) + ": quelle del file " +
             file + " e dei file seguenti sono riportate solo in parte.";
    case Kind::MoreProblems:
      return "Il file " + file + " ha ancora " + std::to_string(p.limit) + " errori.";
  }
  return "Il file " + file + " ha un errore.";
}

std::string EnglishProblemText(const ImportProblem& p) {
  std::string where = p.file;
  if (p.line > 0) where.append(":").append(std::to_string(p.line));
  where.append(": ");
  switch (p.kind) {
    case Kind::Missing:
      return where + "no such file";
    case Kind::NotRegularFile:
      return where + "not a regular file";
    case Kind::Unreadable:
      return where + "cannot be read" + (p.detail.empty() ? "" : " (" + p.detail + ")");
    case Kind::TooLarge:
      return where + "larger than " + std::to_string(p.limit) + " bytes, not read";
    case Kind::TooManyComponents:
      return where + "more than " + std::to_string(p.limit) + " components, not read";
    case Kind::TooManyValues:
      return where + "more than " + std::to_string(p.limit) + " property values, not read";
    case Kind::NotCalendar:
      return where + "not an iCalendar file";
    case Kind::Malformed:
      return where + "cannot be read, skipped: " + p.detail;
    case Kind::Truncated:
      return where + "the file ends before " + p.detail + "; the dates read are used";
    case Kind::BadDate:
      return where + "event skipped: invalid date " + p.detail;
    case Kind::UnknownTimeZone:
      if (p.file.empty()) return "unknown local time zone \"" + p.detail + "\": using UTC";
      return where + "unknown time zone \"" + p.detail + "\": its times are taken as local times";
    case Kind::UnsupportedRecurrence:
      return where + "recurrence not supported (" + p.detail + "): only its first date is shown";
    case Kind::RecurrenceCut:
      return where + "the event repeats too often: only part of its dates are shown";
    case Kind::TooManyDates:
      return where + "more than " + std::to_string(p.limit) +
             " personal dates in all: the rest of this file and the next ones are left out";
    case Kind::MoreProblems:
      return where + std::to_string(p.limit) + " more problems";
  }
  return where + "problem";
}

}  // namespace orsalimbra::events
