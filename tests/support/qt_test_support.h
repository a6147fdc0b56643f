// Helpers shared by the window tests: a private settings location, file
// contents, pictures, and a way to make a folder read-only even for root.
#pragma once

#include <sys/fsuid.h>
#include <unistd.h>

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>

#include <ostream>

// GoogleTest shows QStrings in failure messages as text, not as bytes.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace orsalimbra::test_support {

// Points the per-user settings (and Qt's INI files of the user) at `folder`.
inline void UseSettingsFolder(const QString& folder) {
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder));
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}

// Points the per-user settings at a fresh folder for the life of the object.
class TempSettings {
 public:
  TempSettings() { UseSettingsFolder(dir_.path()); }
  const QTemporaryDir& dir() const { return dir_; }

 private:
  QTemporaryDir dir_;
};

inline QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

inline bool WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Writes a picture of one colour; `format` as Qt names it ("PNG", "JPG").
inline bool WritePicture(const QString& path, QColor colour, QSize size = QSize(64, 48),
                         const char* format = "PNG") {
  QImage image(size, QImage::Format_RGB32);
  image.fill(colour);
  return image.save(path, format);
}

inline QStringList FileNames(const QString& folder) {
  return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

// Root may write anywhere. Under another file-system user id the kernel drops
// that privilege for this thread, so a read-only folder is read-only for
// root too. Other users are left as they are. The file-system group stays
// root's: a folder is open to this identity through its group bits (root's
// group) and its bits for others.
class NotRootForFiles {
 public:
  NotRootForFiles() {
    if (geteuid() == 0) previous_ = setfsuid(kNobody);
  }
  ~NotRootForFiles() {
    if (previous_ >= 0) setfsuid(static_cast<uid_t>(previous_));
  }
  NotRootForFiles(const NotRootForFiles&) = delete;
  NotRootForFiles& operator=(const NotRootForFiles&) = delete;
  bool active() const {
    return geteuid() != 0 || setfsuid(static_cast<uid_t>(-1)) == static_cast<int>(kNobody);
  }

 private:
  static constexpr uid_t kNobody = 65534;
  int previous_ = -1;
};

// Every permission for everybody: a folder where NotRootForFiles may write.
inline const QFileDevice::Permissions kOpenToAll =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
    QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
    QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;

// Makes `folder` read-only (readable by everybody) for the life of the object.
// The group counts too: NotRootForFiles keeps root's group.
class ReadOnlyFolder {
 public:
  explicit ReadOnlyFolder(QString folder) : folder_(std::move(folder)) {
    QFile::setPermissions(folder_, QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                       QFileDevice::ReadGroup | QFileDevice::ExeGroup |
                                       QFileDevice::ReadOther | QFileDevice::ExeOther);
  }
  ~ReadOnlyFolder() {
    QFile::setPermissions(folder_,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  }
  ReadOnlyFolder(const ReadOnlyFolder&) = delete;
  ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

 private:
  QString folder_;
};

}  // namespace orsalimbra::test_support
