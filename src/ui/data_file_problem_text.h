// What the windows tell the user when the data file exists but cannot be
// read.
#pragma once

#include <QString>

#include "session/program_folder.h"
#include "session/year_inputs.h"

namespace orsalimbra::ui {

// Title of the message box.
inline constexpr char kDataFileProblemTitle[] = "File dei dati non letto";

// The message, in Italian, naming the file and the reason; empty when there
// is no problem. The system's words stay out of it.
QString DataFileProblemText(const QString& path, const session::DataFileStatus& status);

// The same for the data file in force; for the user's copy it adds that the
// shipped file is not read in its place, and the way back to it.
QString DataFileProblemText(const session::DataFileInUse& data,
                            const session::DataFileStatus& status);

}  // namespace orsalimbra::ui
