#include "ui/photo_selection.h"

#include "session/settings_keys.h"

namespace orsalimbra::ui {

QString PhotoSelection::BoxText(const QString& note) { return note.isEmpty() ? kNoNote : note; }

QString PhotoSelection::NoteOf(const QString& boxText) {
  return boxText == kNoNote ? QString() : boxText;
}

void PhotoSelection::Load(int slot, const std::string& path, const std::string& note) {
  pendingPhotos_[slot] = QString::fromStdString(path);
  pendingNotes_[slot] = BoxText(QString::fromStdString(note));
}

QString PhotoSelection::LeaveNote(int slot, const QString& boxText) {
  pendingNotes_[slot] = BoxText(boxText);
  return pendingNotes_[slot];
}

void PhotoSelection::Reset() {
  for (int slot = 0; slot < kSlots; ++slot) {
    pendingPhotos_[slot].clear();
    pendingNotes_[slot] = kNoNote;
  }
}

std::vector<session::SettingsWrite> PhotoSelection::Confirm(
    std::array<std::string, kSlots>& photoPaths,
    std::array<std::string, kSlots>& photoNotes) const {
  std::vector<session::SettingsWrite> writes;
  writes.reserve(2 * kSlots);
  for (int slot = 0; slot < kSlots; ++slot) {
    const QString note = NoteOf(pendingNotes_[slot]);
    photoNotes[slot] = note.toStdString();
    photoPaths[slot] = pendingPhotos_[slot].toStdString();
    writes.push_back({session::keys::PhotoKey(slot), pendingPhotos_[slot]});
    writes.push_back({session::keys::NoteKey(slot), note});
  }
  return writes;
}

QStringList ToQtFileFilters(const QString& pairs) {
  const QStringList parts = pairs.split(u'|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString& description = parts[i];
    QStringList patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts);
    for (QString& pattern : patterns) {
      pattern = pattern.trimmed();
      if (pattern == QStringLiteral("*.*")) pattern = QStringLiteral("*");
    }
    const QString list = patterns.join(u' ');
    // "Immagini JPEG (*.jpg)" already says what it matches.
    if (description.endsWith(QStringLiteral("(%1)").arg(list))) {
      filters.append(description);
    } else {
      filters.append(QStringLiteral("%1 (%2)").arg(description, list));
    }
  }
  return filters;
}

}  // namespace orsalimbra::ui
