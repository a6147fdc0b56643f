#include "ui/data_file_saver.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
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

QStringList Names(const QString& folder) { return test_support::FileNames(folder); }

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
// named by role: the temporary new file ends in ".tmp", the old backup set
// aside is any other name.
class FailingFileSystem : public SaveFileSystem {
 public:
  FailingFileSystem(const session::ProgramFiles& files) : files_(files) {}
  QString Role(const QString& path) const {
    if (path == files_.dataFile) return "data";
    if (path == files_.backupFile) return "backup";
    return path.endsWith(".tmp") ? "new" : "aside";
  }
  bool WriteNewFile(const QString& folder, const QByteArray& bytes, QString* path,
                    QString* error) override {
    if (failing.contains("write")) {
      *error = "No space left on device";
      return false;
    }
    return SaveFileSystem::WriteNewFile(folder, bytes, path, error);
  }
  bool Rename(const QString& from, const QString& to, QString* error) override {
    if (failing.contains(Role(from) + ">" + Role(to))) {
      *error = "Read-only file system";
      return false;
    }
    return SaveFileSystem::Rename(from, to, error);
  }
  QStringList failing;

 private:
  session::ProgramFiles files_;
};

TEST_F(SaveTest, AFailingStepLeavesDataFileAndBackupAsTheyWere) {
  struct Case {
    const char* name;
    QStringList failing;
    const char* named;  // part of the message
  };
  const Case cases[] = {
      {"new file not written", {"write"}, "No space left on device"},
      {"backup cannot step aside", {"backup>aside"}, "Orsalimbra.bak"},
      {"data file cannot become the backup", {"data>backup"}, "Orsalimbra.ini"},
      {"new file cannot take the name", {"new>data"}, "Orsalimbra.ini"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Write(files_.dataFile, "data\r\n");
    Write(files_.backupFile, "backup\r\n");
    FailingFileSystem fs(files_);
    fs.failing = c.failing;
    const SaveOutcome outcome = SaveDataFile(files_, "lost?\r\n", fs);
    EXPECT_FALSE(outcome.saved);
    EXPECT_TRUE(outcome.failure.contains(c.named)) << outcome.failure.toStdString();
    EXPECT_TRUE(outcome.failure.contains("rimasti come prima")) << outcome.failure.toStdString();
    EXPECT_EQ(Read(files_.dataFile), "data\r\n");
    EXPECT_EQ(Read(files_.backupFile), "backup\r\n");
    EXPECT_EQ(Names(dir_.path()), QStringList({"Orsalimbra.bak", "Orsalimbra.ini"}));
  }
}

TEST_F(SaveTest, AFailedUndoSaysWhereEveryVersionIs) {
  Write(files_.dataFile, "data\r\n");
  Write(files_.backupFile, "backup\r\n");
  FailingFileSystem fs(files_);
  fs.failing = {"new>data", "backup>data"};
  SaveOutcome outcome = SaveDataFile(files_, "typed\r\n", fs);
  EXPECT_FALSE(outcome.saved);
  // Nothing is lost: each of the three versions is in a file the message names.
  QStringList names = Names(dir_.path());
  ASSERT_EQ(names.size(), 3);
  EXPECT_EQ(Read(files_.backupFile), "data\r\n");
  for (const QString& name : names) {
    if (name == "Orsalimbra.bak") continue;
    EXPECT_TRUE(outcome.failure.contains(name)) << outcome.failure.toStdString();
    const QByteArray bytes = Read(dir_.filePath(name));
    EXPECT_TRUE(bytes == "typed\r\n" || bytes == "backup\r\n") << name.toStdString();
  }

  for (const QString& name : names) QFile::remove(dir_.filePath(name));
  Write(files_.dataFile, "data\r\n");
  Write(files_.backupFile, "backup\r\n");
  fs.failing = {"data>backup", "aside>backup"};
  outcome = SaveDataFile(files_, "typed\r\n", fs);
  EXPECT_FALSE(outcome.saved);
  EXPECT_EQ(Read(files_.dataFile), "data\r\n");
  names = Names(dir_.path());
  ASSERT_EQ(names.size(), 2);
  const QString aside = names[0] == "Orsalimbra.ini" ? names[1] : names[0];
  EXPECT_EQ(Read(dir_.filePath(aside)), "backup\r\n");
  EXPECT_TRUE(outcome.failure.contains(aside)) << outcome.failure.toStdString();
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
  SaveOutcome outcome;
  {
    test_support::ReadOnlyFolder readOnly(dir_.path());
    test_support::NotRootForFiles notRoot;
    ASSERT_TRUE(notRoot.active());
    SaveFileSystem fs;
    outcome = SaveDataFile(files_, "new\r\n", fs);
  }
  EXPECT_FALSE(outcome.saved);
  EXPECT_TRUE(outcome.failure.contains("scrivere il nuovo file")) << outcome.failure.toStdString();
  EXPECT_EQ(Read(files_.dataFile), "data\r\n");
  EXPECT_EQ(Read(files_.backupFile), "backup\r\n");
  EXPECT_EQ(Names(dir_.path()), QStringList({"Orsalimbra.bak", "Orsalimbra.ini"}));
}

}  // namespace
}  // namespace orsalimbra::ui
