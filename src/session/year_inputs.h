// What the year model is built from, gathered from the files and the window.
#pragma once

#include <QString>

#include <optional>
#include <string>

#include "core/year_model.h"

namespace orsalimbra::session {

// The data file is a few kilobytes; anything far larger is not one, and is
// not read into memory whole.
inline constexpr long long kMaxDataFileBytes = 64LL * 1024 * 1024;

// Why a data file gave no bytes.
enum class DataFileProblem {
  None,
  Missing,         // no file of that name (or a link that points nowhere)
  NotRegularFile,  // a folder, a device, a FIFO or a socket
  Unreadable,      // no permission, or the system failed to read it
  TooLarge,        // more than kMaxDataFileBytes
};

struct DataFileStatus {
  DataFileProblem problem = DataFileProblem::None;
  QString detail;  // the system's words, when it gave any
};

// The bytes of the data file at `path`. Only a regular file (or a link to
// one) is read, and never more than kMaxDataFileBytes of it: a FIFO, a
// device or a folder is refused before any byte is read, so that the read
// can neither block nor run without end. Nothing, with the reason in
// `status`, when the file cannot be read whole.
std::optional<std::string> ReadDataFile(const QString& path, DataFileStatus* status = nullptr);

// The reason in an English sentence naming the file, for the command line.
std::string DataFileProblemText(const QString& path, const DataFileStatus& status);

// The inputs of a build: the data file's bytes (none when it cannot be
// read, with the reason in `status`), the year box text, the layout code,
// whether the user's pictures win over the data file's, the program folder
// and the user's folder (picture rows look bare file names up in the first,
// then in the second, which may be empty) and a test of picture files that
// reads the disk.
core::YearInputs ReadYearInputs(const QString& dataFile, const QString& programFolder,
                                const QString& userFolder, const QString& yearText,
                                core::LayoutCode layoutType, bool userPhotosSet,
                                DataFileStatus* status = nullptr);

// Whether `path` names an existing file (a folder is no picture).
bool PictureFileExists(const std::string& path);

}  // namespace orsalimbra::session
