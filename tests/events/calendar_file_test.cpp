#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "event_test_support.h"
#include "events/calendar_file.h"
#include "events/events_import.h"

using namespace orsalimbra::events;
using namespace orsalimbra::events::test;
namespace fs = std::filesystem;

namespace {

using Kind = ImportProblem::Kind;

class CalendarFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("orsalimbra_events_" + std::to_string(getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string Write(const std::string& name, const std::string& bytes) {
    const std::string path = (folder_ / name).string();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }

  fs::path folder_;
};

struct FileCase {
  const char* name;
  std::string path;
  std::size_t maxBytes;
  bool read;
  Kind kind;
};

// Only a regular file within the bound is read; anything else is refused by
// its type or size before a byte is read, so nothing here blocks or grows.
TEST_F(CalendarFileTest, ReadsOnlyRegularFilesWithinTheBound) {
  const std::string small = Write("piccolo.ics", "BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n");
  const std::string fifo = (folder_ / "tubo.ics").string();
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  // A sparse file: its size is known without writing it.
  const std::string large = (folder_ / "grande.ics").string();
  {
    const int fd = ::open(large.c_str(), O_CREAT | O_WRONLY, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(ftruncate(fd, (off_t{50} << 20) + 1), 0);
    ::close(fd);
  }
  const FileCase cases[] = {
      {"a small file", small, 1000, true, Kind::Malformed},
      {"exactly at the bound", small, 32, true, Kind::Malformed},
      {"one byte over the bound", small, 31, false, Kind::TooLarge},
      {"50 MB and one byte", large, std::size_t{50} << 20, false, Kind::TooLarge},
      {"missing", (folder_ / "manca.ics").string(), 1000, false, Kind::Missing},
      {"in a missing folder", (folder_ / "manca" / "x.ics").string(), 1000, false, Kind::Missing},
      {"a path through a file", small + "/x.ics", 1000, false, Kind::Missing},
      {"a folder", folder_.string(), 1000, false, Kind::NotRegularFile},
      {"a FIFO without a writer", fifo, 1000, false, Kind::NotRegularFile},
      {"/dev/zero", "/dev/zero", 1000, false, Kind::NotRegularFile},
      {"/dev/null", "/dev/null", 1000, false, Kind::NotRegularFile},
  };
  for (const FileCase& c : cases) {
    const FileBytes got = ReadCalendarFile(c.path, c.maxBytes);
    EXPECT_EQ(!got.problem, c.read) << c.name;
    if (c.read) {
      EXPECT_EQ(got.bytes, "BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n") << c.name;
      continue;
    }
    if (!got.problem) continue;
    EXPECT_EQ(got.problem->kind, c.kind) << c.name;
    EXPECT_EQ(got.problem->file, c.path) << c.name;
    EXPECT_TRUE(got.bytes.empty()) << c.name;
    if (c.kind == Kind::TooLarge) {
      EXPECT_EQ(got.problem->limit, c.maxBytes) << c.name;
    }
  }
}

TEST_F(CalendarFileTest, AFileWithoutPermissionIsUnreadable) {
  if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
  const std::string path = Write("segreto.ics", "BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n");
  ASSERT_EQ(chmod(path.c_str(), 0), 0);
  const FileBytes got = ReadCalendarFile(path, 1000);
  ASSERT_TRUE(got.problem);
  EXPECT_EQ(got.problem->kind, Kind::Unreadable);
}

// The files that cannot be read are reported in order and the good ones
// still give their dates.
TEST_F(CalendarFileTest, ImportGoesOnPastTheFilesItCannotRead) {
  const std::string fifo = (folder_ / "tubo.ics").string();
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const std::string missing = (folder_ / "manca.ics").string();
  const std::string broken = Write("rotto.ics", "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\n");
  const ImportResult result =
      ImportCalendarFiles({missing, fifo, DataPath("new_year_utc.ics"), folder_.string(), broken},
                          {Day(2026, 12, 31), Day(2027, 1, 1), "Europe/Rome"});
  EXPECT_EQ(Lines(result), std::vector<std::string>{"01/01/2027 Brindisi in videochiamata"});
  ASSERT_EQ(result.problems.size(), 4u);
  EXPECT_EQ(result.problems[0].kind, Kind::Missing);
  EXPECT_EQ(result.problems[0].file, missing);
  EXPECT_EQ(result.problems[1].kind, Kind::NotRegularFile);
  EXPECT_EQ(result.problems[1].file, fifo);
  EXPECT_EQ(result.problems[2].kind, Kind::NotRegularFile);
  EXPECT_EQ(result.problems[3].kind, Kind::Truncated);
  EXPECT_EQ(result.problems[3].file, broken);
  EXPECT_EQ(result.problems[3].line, 2);
}

}  // namespace
