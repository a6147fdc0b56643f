// Replaces the data file with new bytes while keeping exactly one backup, in an
// order that never loses a version: the new bytes are first written in full
// to a temporary file beside the data file; only then does the old backup
// step aside, the data file become the backup and the new file take the data
// file's name. A step that fails undoes the steps before it, so the data file
// and the backup are left as they were.
#pragma once

#include <QByteArray>
#include <QString>

#include "session/program_folder.h"

namespace orsalimbra::ui {

// The file operations a save performs. Each reports failure with a reason
// the user can read. Tests replace single operations to make a step fail.
class SaveFileSystem {
 public:
  virtual ~SaveFileSystem() = default;
  virtual bool Exists(const QString& path);
  // Creates a new file in `folder` holding `bytes`, written through to the
  // disk and closed; on failure nothing is left behind.
  virtual bool WriteNewFile(const QString& folder, const QByteArray& bytes, QString* path,
                            QString* error);
  // Never replaces an existing `to`.
  virtual bool Rename(const QString& from, const QString& to, QString* error);
  virtual bool Remove(const QString& path, QString* error);
};

struct SaveOutcome {
  bool saved = false;
  // For a failed save: what failed and in which state the files are, in
  // Italian, for the user.
  QString failure;
};

// Writes `bytes` as the data file of `files`, turning the current data file
// into the backup. Without a current data file the old backup stays, since it
// is then the only earlier version left.
SaveOutcome SaveDataFile(const session::ProgramFiles& files, const QByteArray& bytes,
                         SaveFileSystem& fs);

}  // namespace orsalimbra::ui
