#include <gtest/gtest.h>

#include "session/program_folder.h"

using orsalimbra::session::ProgramFiles;

TEST(ProgramFiles, NamesTheDataFileBackupAndHelpPageInTheFolder) {
  const ProgramFiles files = ProgramFiles::In("/opt/orsalimbra/");
  EXPECT_EQ(files.folder, "/opt/orsalimbra");
  EXPECT_EQ(files.dataFile, "/opt/orsalimbra/Orsalimbra.ini");
  EXPECT_EQ(files.backupFile, "/opt/orsalimbra/Orsalimbra.bak");
  EXPECT_EQ(files.helpFile, "/opt/orsalimbra/Orsalimbra.htm");
}
