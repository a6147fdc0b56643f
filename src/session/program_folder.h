// Where the program keeps its files: the folder of the executable, with the
// data file shipped with the program, and the user's own data folder, where a
// user who cannot write to the program folder keeps a copy of the data file.
#pragma once

#include <QString>

namespace orsalimbra::session {

// A folder holding a data file and its one-version backup.
struct DataFilePlace {
  QString folder;      // without a trailing separator
  QString dataFile;    // folder + "/Orsalimbra.ini"
  QString backupFile;  // folder + "/Orsalimbra.bak"

  static DataFilePlace In(const QString& folder);
};

// The program folder (its data file is the shipped one) and the help page.
struct ProgramFiles : DataFilePlace {
  QString helpFile;  // folder + "/Orsalimbra.htm"
  // The user's own data folder, without a trailing separator; empty when the
  // program has none (the program folder's data file is then the only one).
  QString userFolder;

  static ProgramFiles In(const QString& folder, const QString& userFolder = {});
  // The folder of the running executable and UserDataFolder().
  static ProgramFiles OfApplication();
};

// The user's data folder: $XDG_DATA_HOME/Nerb/Orsalimbra, by default
// ~/.local/share/Nerb/Orsalimbra (what Qt calls AppDataLocation for the
// organisation Nerb and the application Orsalimbra, whatever names the
// running program gives itself). Empty when the system names no such place.
QString UserDataFolder();

// One of the two places of the data file, and whether it is the user's.
struct DataFileInUse {
  DataFilePlace place;
  bool userCopy = false;
};

// The data file a session reads: the user's copy whenever anything bears its
// name, even a file that cannot be read (its problem is then reported, and
// the shipped file is not read in its place); else the program folder's.
DataFileInUse DataFileInForce(const ProgramFiles& files);

// Where the editor saves: the user's copy when it is in force; else the
// program folder while this process may write to it (an install under the
// user's home, a build folder); else the user's folder, where the save
// creates the user's copy.
DataFileInUse DataFileSavePlace(const ProgramFiles& files);

// Whether this process may create and rename files in `folder` (root
// included: the check follows the effective file-system identity).
bool FolderWritable(const QString& folder);

}  // namespace orsalimbra::session
