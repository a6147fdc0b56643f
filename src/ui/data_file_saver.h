// Replaces the data file with new bytes while keeping exactly one backup, so
// that at every instant, whenever the program or the machine stops, the data
// file is there under its own name, holding either the old or the new text:
//
// 1. the new bytes are written in full, with the data file's permission bits
//    and owner, to a scratch file beside it, and synced;
// 2. the current data file is hard-linked under a scratch name (copied where
//    the file system has no hard links) and that name replaces the backup:
//    the data file itself is not touched;
// 3. the scratch file replaces the data file by one rename;
// 4. the folder is synced, so that both renames survive a power cut.
//
// Each replacement is a rename over the old name, never a delete followed by
// a create. A step that fails undoes the steps before it, so that the data
// file and the backup are left as they were. Scratch files of a save that was
// interrupted are removed by the next save (qt_scratch_files.h).
#pragma once

#include <QByteArray>
#include <QString>

#include "session/program_folder.h"

namespace orsalimbra::ui {

// The file operations a save performs. Each reports failure with a reason
// the user can read. Tests replace single operations to make a step fail or
// to stop the save there.
class SaveFileSystem {
 public:
  virtual ~SaveFileSystem() = default;
  virtual bool Exists(const QString& path);
  // Removes the scratch files of earlier saves that were interrupted, and
  // the temporary files that versions before this one left behind.
  virtual void RemoveLeftovers(const QString& folder);
  // A scratch name in `folder` ending in ".suffix", unused so far.
  virtual QString ScratchName(const QString& folder, const QString& suffix);
  // Creates the new file `path` holding `bytes`, with the permission bits and,
  // where this process may set it, the owner of `like` (when it exists),
  // written through to the disk and closed. On failure nothing is left behind.
  virtual bool WriteNewFile(const QString& path, const QByteArray& bytes, const QString& like,
                            QString* error);
  // Gives the file `from` the second name `to` (which must not exist): a hard
  // link, or where the file system has none, a synced copy.
  virtual bool Link(const QString& from, const QString& to, QString* error);
  // Copies the file `from` to the new file `to` (which must not exist) and
  // syncs the copy.
  virtual bool Copy(const QString& from, const QString& to, QString* error);
  // Renames `from` to `to`, replacing `to` in one step; `from` is gone
  // afterwards, even when both named the same file.
  virtual bool Replace(const QString& from, const QString& to, QString* error);
  virtual bool Remove(const QString& path, QString* error);
  // Makes the renames in `folder` durable.
  virtual void SyncFolder(const QString& folder);
};

struct SaveOutcome {
  bool saved = false;
  // For a failed save: what failed and in which state the files are, in
  // Italian, for the user.
  QString failure;
};

// Writes `bytes` as the data file of `place`, creating its folder when
// missing and turning the current data file into the backup. Without a
// current data file the old backup stays, since it is then the only earlier
// version left; where there is no backup either, a copy of `earlier` (the
// data file read until now, in another place) becomes it, when it can be
// copied: it stays where it is whatever happens.
SaveOutcome SaveDataFile(const session::DataFilePlace& place, const QByteArray& bytes,
                         SaveFileSystem& fs, const QString& earlier = {});

// Gives up the data file of `place` (the user's copy) by turning it into the
// backup in one rename, so that the data file shipped with the program is read
// again and the copy's text is one "Versione precedente" away.
SaveOutcome SetAsideDataFile(const session::DataFilePlace& place, SaveFileSystem& fs);

}  // namespace orsalimbra::ui
