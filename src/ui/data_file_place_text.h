// What the windows tell the user about where the data file is: the program
// folder's, shipped with the program, or the user's own copy.
#pragma once

#include <QString>

#include "session/program_folder.h"

namespace orsalimbra::ui {

// One line above the editor's text: the file shown and, when the save goes
// elsewhere or the file is the user's copy, where the other one is.
QString DataFileLocationText(const session::ProgramFiles& files,
                             const session::DataFileInUse& inForce,
                             const session::DataFileInUse& savePlace);

// After the save that created the user's copy: where it went and why.
QString UserCopyCreatedText(const session::ProgramFiles& files, const session::DataFilePlace& user);

// The question before the user's copy is set aside for the shipped file;
// `rollBackReachesIt`: the editor's roll-back will show the copy afterwards
// (the saves go on into the user's folder).
QString ResetQuestionText(const session::ProgramFiles& files, const session::DataFilePlace& user,
                          bool rollBackReachesIt);

}  // namespace orsalimbra::ui
