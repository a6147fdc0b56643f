#include "ui/data_file_saver.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>

#include "support/qt_test_support.h"

namespace orsalimbra::ui {
namespace {

QByteArray Read(const QString& path) { return test_support::ReadFile(path); }

void Write(const QString& path, const QByteArray& bytes) {
  ASSERT_TRUE(test_support::WriteFile(path, bytes));
}

// Every name in the folder, hidden scratch files included.
QStringList Names(const QString& folder) {
  return QDir(folder).entryList(
      QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// Saves `bytes` into `place` while `folder` is read-only, for root too.
SaveOutcome SaveWhileReadOnly(const QString& folder, const session::DataFilePlace& place,
                              const QByteArray& bytes) {
  test_support::ReadOnlyFolder readOnly(folder);
  test_support::NotRootForFiles notRoot;
  EXPECT_TRUE(notRoot.active());
  SaveFileSystem fs;
  return SaveDataFile(place, bytes, fs);
}

class SaveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    files_ = session::ProgramFiles::In(dir_.path());
  }
  QTemporaryDir dir_;
  session::ProgramFiles files_;
};

TEST_F(SaveTest, KeepsExactlyOneVersionAsBackup) {
  SaveFileSystem fs;
  Write(files_.dataFile, "original\r\n");
  ASSERT_TRUE(SaveDataFile(files_, "first\r\n", fs).saved);
  ASSERT_TRUE(SaveDataFile(files_, "second\r\n", fs).saved);
  EXPECT_EQ(Read(files_.dataFile), "second\r\n");
  EXPECT_EQ(Read(files_.backupFile), "first\r\n");
  EXPECT_EQ(Names(dir_.path()), QStringList({"Orsalimbra.bak", "Orsalimbra.ini"}));
}

TEST_F(SaveTest, CreatesAMissingDataFileAndKeepsTheOnlyEarlierVersion) {
  SaveFileSystem fs;
  ASSERT_TRUE(SaveDataFile(files_, "new\r\n", fs).saved);
  EXPECT_EQ(Names(dir_.path()), QStringList({"Orsalimbra.ini"}));
  ASSERT_TRUE(QFile::remove(files_.dataFile));
  Write(files_.backupFile, "older\r\n");
  ASSERT_TRUE(SaveDataFile(files_, "", fs).saved);
  EXPECT_EQ(Read(files_.dataFile), "");
  EXPECT_EQ(Read(files_.backupFile), "older\r\n");
}

// Makes chosen operations fail; the rest go to the real files. Files are
// named by role: the new file ends in ".ini", the old backup set aside in
// ".old", the data file's second name in ".bak"; an operation is named
// "link:data>newbackup", "replace:new>data" and so on.
class FailingFileSystem : public SaveFileSystem {
 public:
  FailingFileSystem(const session::ProgramFiles& files) : files_(files) {}
  QString Role(const QString& path) const {
    if (path == files_.dataFile) return "data";
    if (path == files_.backupFile) return "backup";
    if (path.endsWith(".ini")) return "new";
    return path.endsWith(".old") ? "aside" : "newbackup";
  }
  bool WriteNewFile(const QString& path, const QByteArray& bytes, const QString& like,
                    QString* error) override {
    if (failing.contains("write")) {
      *error = "No space left on device";
      return false;
    }
    return SaveFileSystem::WriteNewFile(path, bytes, like, error);
  }
  bool Link(const QString& from, const QString& to, QString* error) override {
    if (Fails("link", from, to, error)) return false;
    return SaveFileSystem::Link(from, to, error);
  }
  bool Replace(const QString& from, const QString& to, QString* error) override {
    if (Fails("replace", from, to, error)) return false;
    return SaveFileSystem::Replace(from, to, error);
  }
  bool Remove(const QString& path, QString* error) override {
    if (Fails("remove", path, {}, error)) return false;
    return SaveFileSystem::Remove(path, error);
  }
  QStringList failing;

 private:
  bool Fails(const QString& op, const QString& from, const QString& to, QString* error) {
    const QString name = op + ":" + Role(from) + (to.isEmpty() ? "" : ">" + Role(to));
    if (!failing.contains(name)) return false;
    *error = "Read-only file system";
    return true;
  }
  session::ProgramFiles files_;
};

TEST_F(SaveTest, AFailingStepLeavesDataFileAndBackupAsTheyWere) {
  struct Case {
    const char* name;
    QStringList failing;
    const char* named;  // part of the message
    bool backup;        // a backup exists before the save
  };
  const Case cases[] = {
      {"new file not written", {"write"}, "No space left on device", true},
      {"backup cannot step aside", {"link:backup>aside"}, "Orsalimbra.bak", true},
      {"data file gets no second name", {"link:data>newbackup"}, "Orsalimbra.ini", true},
      {"data file cannot become the backup", {"replace:newbackup>backup"}, "Orsalimbra.ini", true},
      {"new file cannot take the name", {"replace:new>data"}, "Orsalimbra.ini", true},
      {"new file cannot take the name, no backup", {"replace:new>data"}, "Orsalimbra.ini", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QFile::remove(files_.backupFile);
    Write(files_.dataFile, "data\r\n");
    if (c.backup) Write(files_.backupFile, "backup\r\n");
    FailingFileSystem fs(files_);
    fs.failing = c.failing;
    const SaveOutcome outcome = SaveDataFile(files_, "lost?\r\n", fs);
    EXPECT_FALSE(outcome.saved);
    EXPECT_TRUE(outcome.failure.contains(c.named)) << outcome.failure.toStdString();
    EXPECT_TRUE(outcome.failure.contains("rimasti come prima")) << outcome.failure.toStdString();
    EXPECT_EQ(Read(files_.dataFile), "data\r\n");
    if (c.backup) {
      EXPECT_EQ(Read(files_.backupFile), "backup\r\n");
      EXPECT_EQ(Names(dir_.path()), QStringList({"Orsalimbra.bak", "Orsalimbra.ini"}));
    } else {
      EXPECT_EQ(Names(dir_.path()), QStringList({"Orsalimbra.ini"}));
    }
  }
}

TEST_F(SaveTest, AFailedUndoSaysWhereEveryVersionIs) {
  Write(files_.dataFile, "data\r\n");
  Write(files_.backupFile, "backup\r\n");
  FailingFileSystem fs(files_);
  fs.failing = {"replace:new>data", "replace:aside>backup"};
  SaveOutcome outcome = SaveDataFile(files_, "typed\r\n", fs);
  EXPECT_FALSE(outcome.saved);
  // Nothing is lost: the data file is as it was, the typed text stays in
  // the window, and the old backup is in a file the message names.
  EXPECT_EQ(Read(files_.dataFile), "data\r\n");
  EXPECT_EQ(Read(files_.backupFile), "data\r\n");
  QStringList names = Names(dir_.path());
  ASSERT_EQ(names.size(), 3);
  const QString aside = names[0];  // hidden names sort first
  EXPECT_EQ(Read(dir_.filePath(aside)), "backup\r\n");
  EXPECT_TRUE(outcome.failure.contains(aside)) << outcome.failure.toStdString();

  // Without an earlier backup, a backup that cannot be taken back is said
  // to be a copy of the data file.
  for (const QString& name : names) QFile::remove(dir_.filePath(name));
  Write(files_.dataFile, "data\r\n");
  fs.failing = {"replace:new>data", "remove:backup"};
  outcome = SaveDataFile(files_, "typed\r\n", fs);
  EXPECT_FALSE(outcome.saved);
  EXPECT_EQ(Read(files_.dataFile), "data\r\n");
  EXPECT_EQ(Read(files_.backupFile), "data\r\n");
  EXPECT_TRUE(outcome.failure.contains("ne è ora una copia")) << outcome.failure.toStdString();
  EXPECT_EQ(Names(dir_.path()), QStringList({"Orsalimbra.bak", "Orsalimbra.ini"}));
}

// The file system stops the save (a crash, a power cut) before its n-th
// operation, in a child process, for every n; at the n-th operation that
// writes the new file, after half of it. Whenever it stops, the data file
// is there with the old or the new text and the backup with a version
// before it; the next save succeeds and leaves no scratch file behind.
class StoppingFileSystem : public SaveFileSystem {
 public:
  explicit StoppingFileSystem(int stopAt) : stopAt_(stopAt) {}
  void RemoveLeftovers(const QString& folder) override {
    Step();
    SaveFileSystem::RemoveLeftovers(folder);
  }
  bool WriteNewFile(const QString& path, const QByteArray& bytes, const QString& like,
                    QString* error) override {
    if (count_ + 1 == stopAt_) {
      SaveFileSystem::WriteNewFile(path, bytes.left(bytes.size() / 2), like, error);
      _exit(0);
    }
    Step();
    return SaveFileSystem::WriteNewFile(path, bytes, like, error);
  }
  bool Link(const QString& from, const QString& to, QString* error) override {
    Step();
    return SaveFileSystem::Link(from, to, error);
  }
  bool Replace(const QString& from, const QString& to, QString* error) override {
    Step();
    return SaveFileSystem::Replace(from, to, error);
  }
  bool Remove(const QString& path, QString* error) override {
    Step();
    return SaveFileSystem::Remove(path, error);
  }
  void SyncFolder(const QString& folder) override {
    Step();
    SaveFileSystem::SyncFolder(folder);
  }

 private:
  void Step() {
    if (++count_ == stopAt_) _exit(0);
  }
  int stopAt_;
  int count_ = 0;
};

TEST_F(SaveTest, ASaveStoppedAtAnyStepLosesNothing) {
  const QByteArray old = "old data\r\n", oldBackup = "old backup\r\n";
  const QByteArray typed = QByteArray("new data\r\n").repeated(1000);
  for (const bool withBackup : {true, false}) {
    bool finished = false;
    for (int stopAt = 1; !finished; ++stopAt) {
      SCOPED_TRACE(::testing::Message() << "backup " << withBackup << ", stop at " << stopAt);
      ASSERT_LT(stopAt, 20);
      for (const QString& name : Names(dir_.path())) QFile::remove(dir_.filePath(name));
      Write(files_.dataFile, old);
      if (withBackup) Write(files_.backupFile, oldBackup);

      const pid_t child = fork();
      if (child == 0) {
        StoppingFileSystem fs(stopAt);
        _exit(SaveDataFile(files_, typed, fs).saved ? 1 : 2);
      }
      int status = 0;
      ASSERT_EQ(waitpid(child, &status, 0), child);
      ASSERT_TRUE(WIFEXITED(status));
      finished = WEXITSTATUS(status) == 1;
      ASSERT_NE(WEXITSTATUS(status), 2);

      const QByteArray data = Read(files_.dataFile);
      const QByteArray backup = Read(files_.backupFile);
      ASSERT_TRUE(data == old || data == typed);
      if (data == typed) {
        EXPECT_EQ(backup, old);
      } else if (withBackup) {
        EXPECT_TRUE(backup == oldBackup || backup == old);
      } else {
        EXPECT_TRUE(backup == "<missing>" || backup == old);
      }

      // The next save cleans up after the one that stopped.
      SaveFileSystem fs;
      ASSERT_TRUE(SaveDataFile(files_, "next\r\n", fs).saved);
      EXPECT_EQ(Read(files_.dataFile), "next\r\n");
      EXPECT_EQ(Read(files_.backupFile), data);
      EXPECT_EQ(Names(dir_.path()), QStringList({"Orsalimbra.bak", "Orsalimbra.ini"}));
    }
  }
}

// Others may need to read the data file of a shared install: the saved file
// keeps the permission bits (and, for root, the owner) it had.
TEST_F(SaveTest, TheDataFileKeepsItsModeAndOwner) {
  struct Row {
    const char* name;
    mode_t mode;
    uid_t owner;  // -1: the saver's
  };
  const Row rows[] = {
      {"readable by all", 0644, static_cast<uid_t>(-1)},
      {"writable by the group", 0664, static_cast<uid_t>(-1)},
      {"private", 0600, static_cast<uid_t>(-1)},
      {"another user's, saved by root", 0644, 65534},
  };
  const mode_t umaskBefore = umask(077);  // the saver's own mask must not count
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    if (row.owner != static_cast<uid_t>(-1) && geteuid() != 0) continue;
    Write(files_.dataFile, "data\r\n");
    const QByteArray name = QFile::encodeName(files_.dataFile);
    ASSERT_EQ(chmod(name.constData(), row.mode), 0);
    if (row.owner != static_cast<uid_t>(-1)) {
      ASSERT_EQ(chown(name.constData(), row.owner, row.owner), 0);
    }
    SaveFileSystem fs;
    ASSERT_TRUE(SaveDataFile(files_, "new\r\n", fs).saved);
    struct stat after {};
    ASSERT_EQ(stat(name.constData(), &after), 0);
    EXPECT_EQ(after.st_mode & 07777, row.mode);
    if (row.owner != static_cast<uid_t>(-1)) {
      EXPECT_EQ(after.st_uid, row.owner);
      EXPECT_EQ(after.st_gid, row.owner);
    }
  }
  // A first save makes a file as any program would under the mask.
  umask(022);
  ASSERT_TRUE(QFile::remove(files_.dataFile));
  SaveFileSystem fs;
  ASSERT_TRUE(SaveDataFile(files_, "first\r\n", fs).saved);
  struct stat first {};
  ASSERT_EQ(stat(QFile::encodeName(files_.dataFile).constData(), &first), 0);
  EXPECT_EQ(first.st_mode & 07777, 0644u);
  umask(umaskBefore);
}

// The temporary file and the old backup set aside by earlier versions, when
// their save was interrupted, are removed by the next save.
TEST_F(SaveTest, LeftoversOfEarlierVersionsAreRemoved) {
  Write(files_.dataFile, "data\r\n");
  Write(dir_.filePath("Orsalimbra-0a1b2c3d.bak"), "aside");
  Write(dir_.filePath("Orsalimbra-Ab12Cd.tmp"), "half");
  Write(dir_.filePath("Orsalimbra-notes.txt"), "the user's");
  SaveFileSystem fs;
  ASSERT_TRUE(SaveDataFile(files_, "new\r\n", fs).saved);
  EXPECT_EQ(Names(dir_.path()),
            QStringList({"Orsalimbra-notes.txt", "Orsalimbra.bak", "Orsalimbra.ini"}));
}

// A real full disk, also for root (who may write in a read-only folder):
// the file size limit makes the kernel refuse the write the way a full disk
// does.
TEST_F(SaveTest, AWriteThatRunsOutOfSpaceChangesNothing) {
  Write(files_.dataFile, "data\r\n");
  Write(files_.backupFile, "backup\r\n");
  struct rlimit saved {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  struct rlimit small = saved;
  small.rlim_cur = 4096;
  void (*previous)(int) = signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  SaveFileSystem fs;
  const SaveOutcome outcome = SaveDataFile(files_, QByteArray(100000, 'x'), fs);
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, previous);
  EXPECT_FALSE(outcome.saved);
  EXPECT_TRUE(outcome.failure.contains("scrivere il nuovo file")) << outcome.failure.toStdString();
  EXPECT_EQ(Read(files_.dataFile), "data\r\n");
  EXPECT_EQ(Read(files_.backupFile), "backup\r\n");
  EXPECT_EQ(Names(dir_.path()), QStringList({"Orsalimbra.bak", "Orsalimbra.ini"}));
}

TEST_F(SaveTest, AReadOnlyFolderChangesNothing) {
  Write(files_.dataFile, "data\r\n");
  Write(files_.backupFile, "backup\r\n");
  const SaveOutcome outcome = SaveWhileReadOnly(dir_.path(), files_, "new\r\n");
  EXPECT_FALSE(outcome.saved);
  EXPECT_TRUE(outcome.failure.contains("scrivere il nuovo file")) << outcome.failure.toStdString();
  EXPECT_EQ(Read(files_.dataFile), "data\r\n");
  EXPECT_EQ(Read(files_.backupFile), "backup\r\n");
  EXPECT_EQ(Names(dir_.path()), QStringList({"Orsalimbra.bak", "Orsalimbra.ini"}));
}

// The first save into the user's folder: the folder is made, and the file
// read until then becomes the backup unless an earlier version of the user's
// is there; the file read until then is never touched.
TEST(SaveElsewhere, TheFirstSaveOfTheUsersCopy) {
  struct Case {
    const char* name;
    bool folderExists;
    const char* data;         // the user's data file before; none when null
    const char* backup;       // the user's backup before; none when null
    bool earlierReadable;     // the shipped file can be copied
    const char* backupAfter;  // none when null
  };
  const Case cases[] = {
      {"no folder yet", false, nullptr, nullptr, true, "shipped\r\n"},
      {"an empty folder", true, nullptr, nullptr, true, "shipped\r\n"},
      {"an earlier version of the user's stays", true, nullptr, "mine before\r\n", true,
       "mine before\r\n"},
      {"a copy already there: it is the backup", true, "mine\r\n", "older\r\n", true, "mine\r\n"},
      {"the shipped file cannot be copied: saved without backup", true, nullptr, nullptr, false,
       nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QTemporaryDir program, home;
    ASSERT_TRUE(program.isValid() && home.isValid());
    const session::DataFilePlace shipped = session::DataFilePlace::In(program.path());
    Write(shipped.dataFile, "shipped\r\n");
    const session::DataFilePlace user =
        session::DataFilePlace::In(home.filePath("Nerb/Orsalimbra"));
    if (c.folderExists) {
      ASSERT_TRUE(QDir().mkpath(user.folder));
    }
    if (c.data) Write(user.dataFile, c.data);
    if (c.backup) Write(user.backupFile, c.backup);
    // The copy fails as it would on a file this user may not read.
    class NoCopy : public SaveFileSystem {
      bool Copy(const QString&, const QString&, QString* error) override {
        *error = "Permission denied";
        return false;
      }
    };
    SaveFileSystem real;
    NoCopy noCopy;
    SaveFileSystem& fs = c.earlierReadable ? real : noCopy;
    const SaveOutcome outcome = SaveDataFile(user, "edited\r\n", fs, shipped.dataFile);
    EXPECT_TRUE(outcome.saved) << outcome.failure.toStdString();
    EXPECT_EQ(Read(user.dataFile), "edited\r\n");
    EXPECT_EQ(Read(user.backupFile), c.backupAfter ? QByteArray(c.backupAfter) : "<missing>");
    EXPECT_EQ(Read(shipped.dataFile), "shipped\r\n");
    EXPECT_EQ(Names(program.path()), QStringList({"Orsalimbra.ini"}));
    QStringList expected{"Orsalimbra.ini"};
    if (c.backupAfter) expected.prepend("Orsalimbra.bak");
    EXPECT_EQ(Names(user.folder), expected);
  }
}

TEST(SaveElsewhere, AFolderThatCannotBeMadeIsTold) {
  QTemporaryDir home;
  ASSERT_TRUE(home.isValid());
  const session::DataFilePlace user = session::DataFilePlace::In(home.filePath("Nerb/Orsalimbra"));
  const SaveOutcome outcome = SaveWhileReadOnly(home.path(), user, "edited\r\n");
  EXPECT_FALSE(outcome.saved);
  EXPECT_TRUE(outcome.failure.contains("creare la cartella")) << outcome.failure.toStdString();
  EXPECT_TRUE(outcome.failure.contains(user.folder)) << outcome.failure.toStdString();
  EXPECT_TRUE(Names(home.path()).isEmpty());
}

// Giving up the user's copy turns it into the backup in one rename.
TEST(SaveElsewhere, SettingTheCopyAsideKeepsItAsTheBackup) {
  struct Case {
    const char* name;
    bool failing;
  };
  for (const Case& c : {Case{"done", false}, Case{"the rename fails", true}}) {
    SCOPED_TRACE(c.name);
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const session::DataFilePlace user = session::DataFilePlace::In(home.path());
    Write(user.dataFile, "mine\r\n");
    Write(user.backupFile, "older\r\n");
    FailingFileSystem fs(session::ProgramFiles::In(home.path()));
    if (c.failing) fs.failing = QStringList{"replace:data>backup"};
    const SaveOutcome outcome = SetAsideDataFile(user, fs);
    EXPECT_EQ(outcome.saved, !c.failing);
    if (c.failing) {
      EXPECT_TRUE(outcome.failure.contains(user.dataFile)) << outcome.failure.toStdString();
      EXPECT_EQ(Read(user.dataFile), "mine\r\n");
      EXPECT_EQ(Read(user.backupFile), "older\r\n");
    } else {
      EXPECT_EQ(Names(home.path()), QStringList({"Orsalimbra.bak"}));
      EXPECT_EQ(Read(user.backupFile), "mine\r\n");
    }
  }
}

}  // namespace
}  // namespace orsalimbra::ui
