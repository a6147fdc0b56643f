// The one way this program writes a PDF file.
//
// Qt's PDF writer never reports a failed write: on a full disk it produces a
// cut file and calls that success. Here the writer draws into a QSaveFile,
// which remembers the first failed write, under a scratch name beside the
// target (qt_scratch_files.h). Only a document whose every byte was written,
// flushed and synced takes the target's name, by one rename, and the folder
// is synced after it. Until then a file already at the target stays as it
// was, and a document given up leaves nothing behind.
//
// The target must be a regular file or not exist: a folder, a device, a FIFO
// or a socket of that name is refused and left alone. A symbolic link is
// followed, as editors do: the file it points to is replaced and the link
// stays a link.
#pragma once

#include <QPageLayout>
#include <QSaveFile>
#include <QString>
#include <memory>

#include "render/surface.h"

class QPdfWriter;

namespace orsalimbra::render {

// How the pages of a PDF file are laid out.
struct PdfPage {
  QPageLayout layout;
  int resolution = 1200;  // dots per inch of the painter
  QString creator = QStringLiteral("Orsalimbra");
  QString title;

  // A page of `size` with the 10-point margins of a printer's PDF output.
  static PdfPage Sized(const QPageSize& size, QPageLayout::Orientation orientation);
};

class PdfFile {
 public:
  // Starts the document for `target`. When that is not possible (a target
  // that is no regular file, a folder that cannot be written) writer() is
  // null and failure() says why.
  PdfFile(const QString& target, const PdfPage& page);
  // A document not committed is given up.
  ~PdfFile();
  PdfFile(const PdfFile&) = delete;
  PdfFile& operator=(const PdfFile&) = delete;

  // What to paint on; null when the document could not start.
  QPdfWriter* writer() const { return writer_.get(); }
  // The name the user gave.
  const QString& target() const { return target_; }

  // False, with the failure recorded, as soon as a write has failed: a job
  // can stop at the next page instead of drawing into a lost file.
  bool WritesSucceeded();
  // After the painter has ended: checks every write, flushes and syncs the
  // document, gives it the target's name and syncs the folder. False, with
  // the failure recorded and nothing left behind, when any step fails.
  bool Commit();
  // Gives the document up; the target is untouched.
  void Cancel();

  const DeviceFailure& failure() const { return failure_; }

 private:
  class SaveFile;

  void Fail(DeviceFailure::Kind kind, const QString& detail = {});
  // The system's words for the first failed write.
  QString WriteError() const;

  QString target_;    // as given, for messages
  QString resolved_;  // the file that is replaced: the link's target for a link
  QString scratch_;
  std::unique_ptr<SaveFile> file_;
  std::unique_ptr<QPdfWriter> writer_;
  DeviceFailure failure_;
};

}  // namespace orsalimbra::render
