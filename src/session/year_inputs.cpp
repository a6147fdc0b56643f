#include "session/year_inputs.h"

#include <QFile>
#include <QFileInfo>

namespace orsalimbra::session {

namespace {

// The data file is a few kilobytes; anything far larger is not one, and is
// not read into memory whole.
constexpr qint64 kMaxDataFileBytes = 64 * 1024 * 1024;

std::optional<std::string> ReadDataFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  if (file.size() > kMaxDataFileBytes) return std::nullopt;
  const QByteArray bytes = file.readAll();
  // A read error part-way would hand the reader a cut file as if whole.
  if (file.error() != QFileDevice::NoError) return std::nullopt;
  return bytes.toStdString();
}

}  // namespace

bool PictureFileExists(const std::string& path) {
  if (path.empty()) return false;
  const QFileInfo info(QString::fromStdString(path));
  return info.exists() && info.isFile();
}

core::YearInputs ReadYearInputs(const QString& dataFile, const QString& programFolder,
                                const QString& yearText, core::LayoutCode layoutType,
                                bool userPhotosSet) {
  core::YearInputs inputs;
  inputs.fileBytes = ReadDataFile(dataFile);
  inputs.yearText = yearText.toStdString();
  inputs.layoutType = layoutType;
  inputs.userPhotosSet = userPhotosSet;
  inputs.programFolder = programFolder.toStdString();
  inputs.fileExists = &PictureFileExists;
  return inputs;
}

}  // namespace orsalimbra::session
