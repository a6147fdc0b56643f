// The choices of the image and note window while it is open: one picture path
// and one note per page (0 the cover, whose note is printed on the back cover;
// 1..12 the months). They are private copies; only a confirmation hands them
// back to the year model and the settings.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <string>
#include <vector>

#include "session/settings_keys.h"
#include "session/settings_store.h"

namespace orsalimbra::ui {

class PhotoSelection {
 public:
  static constexpr int kSlots = session::keys::kPageCount;
  // Shown in a note box for an empty note; typing replaces it.
  static inline const QString kNoNote = QStringLiteral("(nessuna nota)");

  // The text a note box shows for a note, and the note a box text stands for.
  static QString BoxText(const QString& note);
  static QString NoteOf(const QString& boxText);

  // Takes slot `slot` from the shared arrays (UTF-8).
  void Load(int slot, const std::string& path, const std::string& note);

  const QString& PendingPhoto(int slot) const { return pendingPhotos_[slot]; }
  const QString& PendingNote(int slot) const { return pendingNotes_[slot]; }
  void SetPhoto(int slot, const QString& path) { pendingPhotos_[slot] = path; }
  // A note box was left holding `boxText`; returns what the box shows now.
  QString LeaveNote(int slot, const QString& boxText);
  // Every slot without picture and without note.
  void Reset();

  // Hands the choices back: fills the shared arrays and returns the 26
  // settings writes, pictures and notes of slots 0..12, every one of them.
  std::vector<session::SettingsWrite> Confirm(std::array<std::string, kSlots>& photoPaths,
                                              std::array<std::string, kSlots>& photoNotes) const;

 private:
  // Notes keep the placeholder for an empty note, as the boxes show them.
  std::array<QString, kSlots> pendingPhotos_;
  std::array<QString, kSlots> pendingNotes_;
};

// The open-file dialog's filter list from the "description|patterns|..."
// form, as Qt wants it: "description (patterns)" entries joined by ";;".
// A description already ending in its pattern list is kept as it is; "*.*"
// means every file.
QStringList ToQtFileFilters(const QString& pairs);

}  // namespace orsalimbra::ui
