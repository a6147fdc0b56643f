#include "session/settings_store.h"

#include <QCoreApplication>
#include <QSettings>
#include <QStringList>
#include <QVariant>

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "session/settings_codec.h"
#include "session/settings_keys.h"

namespace orsalimbra::session {
namespace {

// A fresh QSettings per operation: its status() reports the first error it
// met and never clears, so a long-lived object would go on reporting one old
// failure after the cause is gone. Opening also picks up changes another
// running copy made to the file; Qt caches the parsed file per process, so
// this costs a file status check, not a parse.
QSettings OpenStore() {
  return QSettings(QSettings::IniFormat, QSettings::UserScope,
                   QString::fromLatin1(SettingsStore::kApplication),
                   QString::fromLatin1(SettingsStore::kApplication));
}

// The text stored under `key` in the open group, or nothing when the key is
// missing or holds no text.
std::optional<QString> StoredText(const QSettings& settings, const QString& key) {
  const QVariant value = settings.value(key);
  if (!value.isValid()) return std::nullopt;
  // Everything this program writes is a QString. A value edited by hand may
  // hold an unquoted comma, which the INI reader turns into a list.
  if (value.typeId() == QMetaType::QStringList)
    return value.toStringList().join(QStringLiteral(", "));
  if (!value.canConvert<QString>()) return std::nullopt;
  return value.toString();
}

}  // namespace

QString SettingsStore::SectionFromProgramFile(const QString& programFile) {
  const qsizetype slash = std::max(programFile.lastIndexOf(QLatin1Char('/')),
                                   programFile.lastIndexOf(QLatin1Char('\\')));
  QString name = programFile.mid(slash + 1);
  // A leading dot starts a hidden name, not an extension.
  const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
  if (dot > 0) name.truncate(dot);
  name = name.toLower();
  if (name.isEmpty()) return QString::fromLatin1(kFallbackSection);
  // The first character, which may be a surrogate pair.
  const qsizetype first = name.front().isHighSurrogate() && name.size() > 1 ? 2 : 1;
  return name.left(first).toUpper() + name.mid(first);
}

SettingsStore::SettingsStore(QString section) : section_(std::move(section)) {
  if (section_.isEmpty()) section_ = QString::fromLatin1(kFallbackSection);
}

SettingsStore SettingsStore::ForRunningProgram() {
  return SettingsStore(SectionFromProgramFile(QCoreApplication::applicationFilePath()));
}

QString SettingsStore::FilePath() { return OpenStore().fileName(); }

QString SettingsStore::read(const QString& key, const QString& fallback) const {
  QSettings settings = OpenStore();
  settings.beginGroup(section_);
  return StoredText(settings, key).value_or(fallback);
}

bool SettingsStore::write(const QString& key, const QString& text) {
  const SettingsWrite one{key, text};
  return write(std::span(&one, 1));
}

bool SettingsStore::write(std::span<const SettingsWrite> writes) {
  QSettings settings = OpenStore();
  settings.beginGroup(section_);
  bool changed = false;
  for (const SettingsWrite& w : writes) {
    if (StoredText(settings, w.key) == w.value) continue;
    settings.setValue(w.key, w.value);
    changed = true;
  }
  if (!changed) return true;
  settings.sync();
  // A FormatError (the file was malformed when read) counts as a failure as
  // well: success is claimed only when nothing went wrong.
  const bool ok = settings.status() == QSettings::NoError;
  if (!ok) failures_ += static_cast<int>(writes.size());
  return ok;
}

bool SettingsStore::deleteSection() {
  QSettings settings = OpenStore();
  settings.remove(section_);
  settings.sync();
  const bool ok = settings.status() == QSettings::NoError;
  if (!ok) ++failures_;
  return ok;
}

bool SettingsStore::KeepsVersion(const QString& storedVersion) {
  bool isNumber = false;
  const double version = storedVersion.trimmed().toDouble(&isNumber);
  return isNumber && std::isfinite(version) && version >= keys::kOldestKeptVersion;
}

SettingsStore::VersionOutcome SettingsStore::applyVersion() {
  VersionOutcome outcome;
  outcome.storedVersion = read(keys::Versione, QStringLiteral("0"));
  bool ok = true;
  if (!KeepsVersion(outcome.storedVersion)) {
    outcome.sectionDiscarded = true;
    ok = deleteSection();
  }
  ok = write(keys::Versione, FormatInt(keys::kCurrentVersion)) && ok;
  outcome.stamped = ok;
  return outcome;
}

}  // namespace orsalimbra::session
