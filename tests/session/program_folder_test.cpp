#include "session/program_folder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <optional>

#include "support/qt_test_support.h"

using orsalimbra::session::ProgramFiles;

TEST(ProgramFiles, NamesTheDataFileBackupAndHelpPageInTheFolder) {
  const ProgramFiles files = ProgramFiles::In("/opt/orsalimbra/");
  EXPECT_EQ(files.folder, "/opt/orsalimbra");
  EXPECT_EQ(files.dataFile, "/opt/orsalimbra/Orsalimbra.ini");
  EXPECT_EQ(files.backupFile, "/opt/orsalimbra/Orsalimbra.bak");
  EXPECT_EQ(files.helpFile, "/opt/orsalimbra/Orsalimbra.htm");
}

namespace orsalimbra::session {
namespace {

TEST(ProgramFiles, KeepsTheUsersFolderApart) {
  const ProgramFiles files = ProgramFiles::In("/usr/lib/orsalimbra", "/home/u/.local/share/x/");
  EXPECT_EQ(files.dataFile, "/usr/lib/orsalimbra/Orsalimbra.ini");
  EXPECT_EQ(files.userFolder, "/home/u/.local/share/x");
  EXPECT_TRUE(ProgramFiles::In("/opt/o").userFolder.isEmpty());
}

TEST(ProgramFiles, TheUsersFolderFollowsXdgDataHome) {
  const QByteArray before = qgetenv("XDG_DATA_HOME");
  qputenv("XDG_DATA_HOME", "/tmp/somebody/data");
  EXPECT_EQ(UserDataFolder(), "/tmp/somebody/data/Nerb/Orsalimbra");
  EXPECT_EQ(ProgramFiles::OfApplication().userFolder, "/tmp/somebody/data/Nerb/Orsalimbra");
  if (before.isNull()) {
    qunsetenv("XDG_DATA_HOME");
  } else {
    qputenv("XDG_DATA_HOME", before);
  }
}

// Which data file is read and where the editor saves, for a program folder
// that is or is not writable and a user's copy in every state.
TEST(ProgramFiles, TheDataFileInForceAndWhereTheEditorSaves) {
  enum class UserCopy { None, File, Unreadable, Folder, DanglingLink };
  enum Where { Program, User };
  struct Case {
    const char* name;
    bool hasUserFolder;
    bool programWritable;
    UserCopy copy;
    Where read;
    Where save;
  };
  const Case cases[] = {
      {"home install, no copy", true, true, UserCopy::None, Program, Program},
      {"system install, no copy", true, false, UserCopy::None, Program, User},
      {"system install, a copy", true, false, UserCopy::File, User, User},
      {"home install, a copy", true, true, UserCopy::File, User, User},
      {"an unreadable copy", true, false, UserCopy::Unreadable, User, User},
      {"a folder bearing the name", true, false, UserCopy::Folder, User, User},
      {"a link that points nowhere", true, false, UserCopy::DanglingLink, User, User},
      {"no user folder, read-only program folder", false, false, UserCopy::None, Program, Program},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QTemporaryDir program, home;
    ASSERT_TRUE(program.isValid() && home.isValid());
    // The user's copy is found under another identity too.
    ASSERT_TRUE(QFile::setPermissions(home.path(), test_support::kOpenToAll));
    const QString userFolder = home.filePath("Nerb/Orsalimbra");
    ASSERT_TRUE(QDir().mkpath(userFolder));
    const QString copy = userFolder + "/Orsalimbra.ini";
    switch (c.copy) {
      case UserCopy::None:
        break;
      case UserCopy::File:
        ASSERT_TRUE(test_support::WriteFile(copy, "mine"));
        break;
      case UserCopy::Unreadable:
        ASSERT_TRUE(test_support::WriteFile(copy, "mine"));
        ASSERT_TRUE(QFile::setPermissions(copy, {}));
        break;
      case UserCopy::Folder:
        ASSERT_TRUE(QDir().mkdir(copy));
        break;
      case UserCopy::DanglingLink:
        ASSERT_TRUE(QFile::link(home.filePath("gone.ini"), copy));
        break;
    }
    const ProgramFiles files =
        ProgramFiles::In(program.path(), c.hasUserFolder ? userFolder : QString());
    DataFileInUse read, save;
    {
      // A read-only folder is read-only for root only under another identity.
      std::optional<test_support::ReadOnlyFolder> readOnly;
      std::optional<test_support::NotRootForFiles> notRoot;
      if (!c.programWritable) {
        readOnly.emplace(program.path());
        notRoot.emplace();
        ASSERT_TRUE(notRoot->active());
      }
      EXPECT_EQ(FolderWritable(program.path()), c.programWritable);
      read = DataFileInForce(files);
      save = DataFileSavePlace(files);
    }
    const auto expect = [&](const DataFileInUse& in, Where where) {
      EXPECT_EQ(in.userCopy, where == User);
      const QString folder = where == User ? userFolder : program.path();
      EXPECT_EQ(in.place.folder, folder);
      EXPECT_EQ(in.place.dataFile, folder + "/Orsalimbra.ini");
      EXPECT_EQ(in.place.backupFile, folder + "/Orsalimbra.bak");
    };
    expect(read, c.read);
    expect(save, c.save);
  }
}

TEST(ProgramFiles, AMissingFolderIsNotWritable) {
  EXPECT_FALSE(FolderWritable("/nonexistent/orsalimbra"));
}

}  // namespace
}  // namespace orsalimbra::session
