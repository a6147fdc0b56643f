// What the year model is built from, gathered from the files and the window.
#pragma once

#include <QString>

#include "core/year_model.h"

namespace orsalimbra::session {

// The inputs of a build: the data file's bytes (none when it cannot be
// read), the year box text, the layout code, whether the user's pictures win
// over the data file's, the program folder (picture rows join bare file
// names to it) and a test of picture files that reads the disk.
core::YearInputs ReadYearInputs(const QString& dataFile, const QString& programFolder,
                                const QString& yearText, core::LayoutCode layoutType,
                                bool userPhotosSet);

// Whether `path` names an existing file (a folder is no picture).
bool PictureFileExists(const std::string& path);

}  // namespace orsalimbra::session
