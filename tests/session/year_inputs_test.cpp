// Reading the data file: only a regular file is read, whole and never more
// than the cap, and a FIFO or a device is refused without blocking.
#include "session/year_inputs.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <future>

#include "support/qt_test_support.h"

namespace orsalimbra::session {
namespace {

using Problem = DataFileProblem;

class DataFileReadTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
  QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
  QTemporaryDir dir_;
};

TEST_F(DataFileReadTest, OnlyARegularFileIsRead) {
  ASSERT_TRUE(test_support::WriteFile(Path("data.ini"), "<LINGUE>\r\nItaliano\r\n"));
  ASSERT_TRUE(test_support::WriteFile(Path("empty.ini"), ""));
  ASSERT_TRUE(QFile::link(Path("data.ini"), Path("link.ini")));
  ASSERT_TRUE(QFile::link(Path("gone.ini"), Path("dangling.ini")));
  ASSERT_TRUE(QDir().mkdir(Path("folder.ini")));
  ASSERT_EQ(mkfifo(QFile::encodeName(Path("fifo.ini")).constData(), 0644), 0);
  // Just over the cap, without writing 64 MB: a sparse file.
  {
    QFile large(Path("large.ini"));
    ASSERT_TRUE(large.open(QIODevice::WriteOnly));
    ASSERT_TRUE(large.resize(kMaxDataFileBytes + 1));
  }

  struct Row {
    const char* name;
    QString path;
    Problem problem;
    std::string bytes;
  };
  const Row rows[] = {
      {"regular file", Path("data.ini"), Problem::None, "<LINGUE>\r\nItaliano\r\n"},
      {"empty file", Path("empty.ini"), Problem::None, ""},
      {"link to a file", Path("link.ini"), Problem::None, "<LINGUE>\r\nItaliano\r\n"},
      {"missing", Path("none.ini"), Problem::Missing, ""},
      {"missing folder", Path("none/data.ini"), Problem::Missing, ""},
      {"link to nothing", Path("dangling.ini"), Problem::Missing, ""},
      {"folder", Path("folder.ini"), Problem::NotRegularFile, ""},
      {"FIFO without a writer", Path("fifo.ini"), Problem::NotRegularFile, ""},
      {"endless device", "/dev/zero", Problem::NotRegularFile, ""},
      {"empty device", "/dev/null", Problem::NotRegularFile, ""},
      {"over the cap", Path("large.ini"), Problem::TooLarge, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    // A read that blocked would never return: it runs apart, with a bound.
    auto read = std::async(std::launch::async, [&] {
      DataFileStatus status;
      const std::optional<std::string> bytes = ReadDataFile(row.path, &status);
      return std::pair(bytes, status);
    });
    ASSERT_EQ(read.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    const auto [bytes, status] = read.get();
    EXPECT_EQ(status.problem, row.problem);
    EXPECT_EQ(bytes.has_value(), row.problem == Problem::None);
    EXPECT_EQ(bytes.value_or(""), row.bytes);
    const std::string text = DataFileProblemText(row.path, status);
    EXPECT_EQ(text.empty(), row.problem == Problem::None) << text;
    if (!text.empty()) {
      EXPECT_NE(text.find(row.path.toStdString()), std::string::npos) << text;
    }
  }
}

TEST_F(DataFileReadTest, AFileThatMayNotBeReadIsUnreadable) {
  const QString path = Path("secret.ini");
  ASSERT_TRUE(test_support::WriteFile(path, "<LINGUE>\r\n"));
  ASSERT_EQ(chmod(QFile::encodeName(path).constData(), 0), 0);
  DataFileStatus status;
  std::optional<std::string> bytes;
  {
    test_support::NotRootForFiles notRoot;
    ASSERT_TRUE(notRoot.active());
    bytes = ReadDataFile(path, &status);
  }
  EXPECT_FALSE(bytes);
  EXPECT_EQ(status.problem, Problem::Unreadable);
  EXPECT_EQ(status.detail, QStringLiteral("Permission denied"));
  EXPECT_NE(DataFileProblemText(path, status).find("Permission denied"), std::string::npos);
}

TEST_F(DataFileReadTest, TheYearInputsCarryTheReason) {
  DataFileStatus status{Problem::TooLarge, "stale"};
  const core::YearInputs inputs = ReadYearInputs(Path("fifo.ini"), dir_.path(), {}, "2026",
                                                 core::LayoutCode::Weekly, false, &status);
  EXPECT_FALSE(inputs.fileBytes);
  EXPECT_EQ(status.problem, Problem::Missing);
  EXPECT_TRUE(status.detail.isEmpty());
  EXPECT_EQ(inputs.yearText, "2026");
}

}  // namespace
}  // namespace orsalimbra::session
