// The PDF writer under faults: a full disk, a folder that cannot be written,
// names that are no regular file, long names, links, and the leftovers of
// runs that were killed. Whatever fails, the file at the target stays as it
// was and nothing is left beside it.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>

#include "pdf_tools.h"
#include "render_qt/qt_pdf_export.h"
#include "render_qt/qt_pdf_surface.h"
#include "render_qt/qt_scratch_files.h"
#include "sample_calendar.h"
#include "support/qt_test_support.h"

namespace orsalimbra::render::testing {
namespace {

using Kind = DeviceFailure::Kind;

const QByteArray kOld = "the previous file";

PrintInputs Inputs(const SampleCalendar& sample) {
  PrintInputs inputs;
  inputs.year = sample.year;
  inputs.yearText = "2024";
  inputs.choices.LayoutType = core::LayoutCode::Weekly;
  inputs.choices.programFolder = sample.folder.toStdString();
  return inputs;
}

// Everything in the folder but the sample's own files.
QStringList Entries(const QString& folder) {
  QStringList names = QDir(folder).entryList(
      QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
  names.removeIf(
      [](const QString& name) { return !name.startsWith("out") && !name.startsWith('.'); });
  return names;
}

// Runs `body` in a child process and returns its exit status, or -1 when it
// did not exit normally. Limits set in the child stay there.
int InChild(const std::function<int()>& body) {
  const pid_t pid = fork();
  if (pid == 0) _exit(body());
  int status = 0;
  if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

class PdfFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    ASSERT_TRUE(sample_.ready);
  }
  QString Path(const QString& name) const { return dir_.filePath(name); }
  PrintResult Export(const QString& target, const PrintRequest& request = PrintRequest::All()) {
    return ExportPdf({target}, Inputs(sample_), request);
  }

  QTemporaryDir dir_;
  SampleCalendar sample_{dir_.path()};
};

// A full disk, seen as the file size limit the kernel enforces the way it
// refuses a write on a full disk: the job fails at once, says so, and the
// previous file stays whole.
TEST_F(PdfFileTest, AFullDiskFailsTheJobAndKeepsThePreviousFile) {
  struct Row {
    const char* name;
    rlim_t limitBytes;
  };
  const Row rows[] = {
      {"nothing fits", 0},
      {"the first objects fit", 4096},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const QString target = Path("out.pdf");
    ASSERT_TRUE(test_support::WriteFile(target, kOld));
    const int status = InChild([&] {
      signal(SIGXFSZ, SIG_IGN);
      const rlimit limit{row.limitBytes, row.limitBytes};
      if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return 10;
      const PrintResult result = Export(target);
      if (result.status != PrintStatus::Failed) return 11;
      if (result.failure.kind != Kind::FileWriteFailed) return 12;
      if (result.failure.subject != target.toStdString()) return 13;
      if (result.failure.detail != "File too large") return 14;
      return 0;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(test_support::ReadFile(target), kOld);
    EXPECT_EQ(Entries(dir_.path()), QStringList{"out.pdf"});
  }
}

TEST_F(PdfFileTest, AFolderThatCannotBeWrittenLeavesEverythingAsItWas) {
  const QString target = Path("out.pdf");
  ASSERT_TRUE(test_support::WriteFile(target, kOld));
  PrintResult result;
  {
    test_support::ReadOnlyFolder readOnly(dir_.path());
    test_support::NotRootForFiles notRoot;
    ASSERT_TRUE(notRoot.active());
    result = Export(target);
  }
  EXPECT_EQ(result.status, PrintStatus::Failed);
  EXPECT_EQ(result.failure.kind, Kind::CannotWriteFile);
  EXPECT_EQ(result.failure.subject, target.toStdString());
  EXPECT_EQ(test_support::ReadFile(target), kOld);
  EXPECT_EQ(Entries(dir_.path()), QStringList{"out.pdf"});
}

// A name that is no regular file is refused before anything is written:
// a device, a FIFO (which would block the writer), a folder, a socket.
TEST_F(PdfFileTest, ANameThatIsNoRegularFileIsRefusedAndLeftAlone) {
  const QString fifo = Path("out-fifo");
  ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
  const QString folder = Path("out-folder");
  ASSERT_TRUE(QDir().mkdir(folder));
  const QString socketPath = Path("out-socket");
  const int sock = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const QByteArray socketName = QFile::encodeName(socketPath);
  ASSERT_LT(socketName.size(), static_cast<qsizetype>(sizeof address.sun_path));
  std::copy(socketName.begin(), socketName.end(), address.sun_path);
  ASSERT_EQ(bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  const QString linkToFifo = Path("out-link");
  ASSERT_TRUE(QFile::link(fifo, linkToFifo));

  struct Row {
    const char* name;
    QString path;
    mode_t type;
  };
  const Row rows[] = {
      {"device /dev/full", "/dev/full", S_IFCHR},
      {"device /dev/null", "/dev/null", S_IFCHR},
      {"FIFO", fifo, S_IFIFO},
      {"folder", folder, S_IFDIR},
      {"socket", socketPath, S_IFSOCK},
      {"link to a FIFO", linkToFifo, S_IFIFO},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const PrintResult result = Export(row.path, PrintRequest::Month(0));
    EXPECT_EQ(result.status, PrintStatus::Failed);
    EXPECT_EQ(result.failure.kind, Kind::OutputNotAFile);
    EXPECT_EQ(result.failure.subject, row.path.toStdString());
    struct stat after {};
    ASSERT_EQ(stat(QFile::encodeName(row.path).constData(), &after), 0);
    EXPECT_EQ(after.st_mode & S_IFMT, row.type);
  }
  EXPECT_TRUE(QFileInfo(linkToFifo).isSymLink());
  close(sock);
  EXPECT_EQ(Entries(dir_.path()),
            QStringList({"out-fifo", "out-folder", "out-link", "out-socket"}));
}

// Names that the old temporary name made too long, links followed as
// editors follow them, and permissions kept.
TEST_F(PdfFileTest, WhatTheTargetNameStandsForIsReplaced) {
  const QString longName = "out" + QString(242, u'x') + ".pdf";  // 249 bytes
  ASSERT_EQ(QFile::encodeName(longName).size(), 249);
  const PrintResult longResult = Export(Path(longName), PrintRequest::Month(0));
  EXPECT_EQ(longResult.status, PrintStatus::Printed) << longResult.failure.Text();
  EXPECT_EQ(PdfInfo(Path(longName), "Pages"), "1");
  ASSERT_TRUE(QFile::remove(Path(longName)));

  // A link: the file it points to is replaced, the link stays a link. A
  // link that points nowhere yet gets its file.
  const QString real = Path("out-real.pdf");
  ASSERT_TRUE(test_support::WriteFile(real, kOld));
  ASSERT_TRUE(QFile::link(real, Path("out-link.pdf")));
  ASSERT_TRUE(QFile::link(Path("out-new.pdf"), Path("out-dangling.pdf")));
  for (const char* link : {"out-link.pdf", "out-dangling.pdf"}) {
    SCOPED_TRACE(link);
    const PrintResult result = Export(Path(link), PrintRequest::Month(0));
    EXPECT_EQ(result.status, PrintStatus::Printed) << result.failure.Text();
    EXPECT_TRUE(QFileInfo(Path(link)).isSymLink());
    EXPECT_EQ(PdfInfo(Path(link), "Pages"), "1");
  }
  EXPECT_EQ(PdfInfo(real, "Pages"), "1");

  // A file that only its group may read stays so.
  ASSERT_EQ(chmod(QFile::encodeName(real).constData(), 0640), 0);
  ASSERT_EQ(Export(real, PrintRequest::Month(0)).status, PrintStatus::Printed);
  struct stat after {};
  ASSERT_EQ(stat(QFile::encodeName(real).constData(), &after), 0);
  EXPECT_EQ(after.st_mode & 07777, 0640u);
  EXPECT_EQ(Entries(dir_.path()),
            QStringList({"out-dangling.pdf", "out-link.pdf", "out-new.pdf", "out-real.pdf"}));
}

// A job given up after its first pages (a failure of the device while
// drawing) leaves the target as it was and no scratch file.
TEST_F(PdfFileTest, AnAbandonedDocumentLeavesNothing) {
  const QString target = Path("out.pdf");
  ASSERT_TRUE(test_support::WriteFile(target, kOld));
  {
    QtPdfSurface surface(target, PdfPage::Sized(QPageSize(QPageSize::A4), QPageLayout::Portrait));
    ASSERT_FALSE(surface.Failed()) << surface.FailureText();
    surface.Print("Gennaio");
    ASSERT_TRUE(surface.NewPage());
    surface.Print("Febbraio");
    surface.Abort();
    EXPECT_FALSE(surface.EndDoc());
  }
  EXPECT_EQ(test_support::ReadFile(target), kOld);
  EXPECT_EQ(Entries(dir_.path()), QStringList{"out.pdf"});
}

// A run killed while writing leaves its scratch file; the next export into
// that folder removes the scratch files of processes that have ended, and
// the part files of earlier versions that hold a PDF.
TEST_F(PdfFileTest, LeftoversOfKilledRunsAreRemovedByTheNextExport) {
  pid_t dead = fork();
  if (dead == 0) _exit(0);
  ASSERT_GT(dead, 0);
  ASSERT_EQ(waitpid(dead, nullptr, 0), dead);
  const QString deadPid = QString::number(dead);
  const QString ownPid = QString::number(getpid());

  struct Row {
    QString name;
    QByteArray bytes;
    bool stays;
  };
  const Row rows[] = {
      {".orsalimbra-" + deadPid + "-0badcafe.pdf", "%PDF-1.4 cut", false},
      {".orsalimbra-" + deadPid + "-0badcafe.pdf.Xy12Zw", "", false},
      {".orsalimbra-" + deadPid + "-12345678.ini", "data", false},
      {".orsalimbra-" + ownPid + "-0badcafe.pdf", "%PDF-1.4 running", true},
      {".orsalimbra-notapid.pdf", "%PDF-1.4", true},
      {".out.pdf." + deadPid + ".part", "%PDF-1.4 cut", false},
      {".out.txt." + deadPid + ".part", "not a PDF", true},
      {".out.pdf." + ownPid + ".part", "%PDF-1.4 running", true},
  };
  QStringList staying{"out.pdf"};
  for (const Row& row : rows) {
    ASSERT_TRUE(test_support::WriteFile(Path(row.name), row.bytes));
    if (row.stays) staying << row.name;
  }
  staying.sort();
  ASSERT_EQ(Export(Path("out.pdf"), PrintRequest::Month(0)).status, PrintStatus::Printed);
  EXPECT_EQ(Entries(dir_.path()), staying);
}

TEST(ScratchFiles, NamesAreShortAndCarryTheirProcess) {
  QTemporaryDir dir;
  const QString name = QFileInfo(ScratchFileName(dir.path(), "pdf")).fileName();
  EXPECT_LE(name.size(), 40);
  EXPECT_EQ(ScratchFileOwner(name), QCoreApplication::applicationPid());
  EXPECT_EQ(ScratchFileOwner(name + ".AbCdEf"), QCoreApplication::applicationPid());
  EXPECT_FALSE(QFile::exists(dir.filePath(name)));
  for (const char* other : {"out.pdf", ".orsalimbra-0-0badcafe.pdf", ".orsalimbra-12-short.pdf",
                            "orsalimbra-12-0badcafe.pdf", ".orsalimbra-12-0badcafe"}) {
    SCOPED_TRACE(other);
    EXPECT_EQ(ScratchFileOwner(other), other == std::string(".orsalimbra-12-0badcafe") ? 12 : 0);
  }
}

}  // namespace
}  // namespace orsalimbra::render::testing
