// The per-user settings store: one section of the application "Nerb",
// named after the program file, holding text values under keys.
//
// Physically an INI file in the user's configuration folder
// (on Linux $XDG_CONFIG_HOME/Nerb/Nerb.ini, by default ~/.config/Nerb/Nerb.ini),
// one INI section per program name. Several running copies of the program
// share the file: every operation opens the store afresh, so a read sees
// what another copy wrote, and a write merges into the file key by key
// (the last write of a key wins).
//
// Every write that changes the file costs a rewrite of it, flushed to the
// disk (milliseconds each). The window rewrites keys with the values they
// already hold at every rebuild and confirmation, so a write that would not
// change the stored text leaves the file alone, and several keys written
// together reach the file in one rewrite.
//
// Failures are never fatal and never shown: a read that fails gives the
// default, and a failing write or delete is reported through its return
// value (and failureCount()), leaving the caller's in-memory choice in force.
#pragma once

#include <QString>

#include <span>

namespace orsalimbra::session {

// One key and the text to store under it.
struct SettingsWrite {
  QString key;
  QString value;
};

class SettingsStore {
 public:
  static constexpr char kApplication[] = "Nerb";
  // The section used when the program file name gives none (an empty name).
  // An empty section would address the whole file, and deleting it would
  // wipe the sections of every other program.
  static constexpr char kFallbackSection[] = "Orsalimbra";

  // The section of the program file at `programFile` (a path or a bare
  // name, with "/" or "\" as folder separators): the file name without
  // folder and without its last extension, in lower case with the first
  // character in upper case. "C:\Prog\MYCAL.EXE" and "mycal.exe" give
  // "Mycal"; on Linux the program "orsalimbra" gives "Orsalimbra".
  static QString SectionFromProgramFile(const QString& programFile);

  // A store on `section`; an empty section is replaced by kFallbackSection.
  explicit SettingsStore(QString section);
  // The store of the running program, named after its executable (with
  // symbolic links resolved, as QCoreApplication reports it).
  static SettingsStore ForRunningProgram();

  const QString& section() const { return section_; }
  // The file backing the store.
  static QString FilePath();

  // The stored text of `key`, or `fallback` when the key is missing or the
  // store cannot be read. A hand-edited value the INI format splits into a
  // list ("a, b") comes back as the whole text.
  QString read(const QString& key, const QString& fallback) const;
  // Stores `text` under `key`, creating the section when missing. True when
  // the file holds the value afterwards.
  bool write(const QString& key, const QString& text);
  // Stores every value, in order, in one rewrite of the file. True when the
  // file holds them all afterwards.
  bool write(std::span<const SettingsWrite> writes);
  // Removes the section with all its keys. True when the file no longer
  // holds the section, which includes a section that never existed; false
  // when the file could not be read or written.
  bool deleteSection();

  // Number of keys written and sections deleted so far that did not reach
  // the file.
  int failureCount() const { return failures_; }

  struct VersionOutcome {
    QString storedVersion;          // "Versione" as read, before the stamp
    bool sectionDiscarded = false;  // the section was from an old or unknown format
    bool stamped = false;           // the delete (if any) and the new stamp reached the file
  };
  // Run once at start-up before any other key is read: a section whose
  // "Versione" is below 2 or not a number (including a first run, where the
  // key is missing) is discarded; then the section is stamped "3".
  VersionOutcome applyVersion();
  // Whether a section stamped `storedVersion` is of a format the program
  // keeps: any decimal number from 2 up ("2.5" included). A missing stamp,
  // text that is no number, or an older number means it is discarded.
  static bool KeepsVersion(const QString& storedVersion);

 private:
  QString section_;
  int failures_ = 0;
};

}  // namespace orsalimbra::session
