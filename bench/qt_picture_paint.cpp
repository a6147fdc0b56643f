// Painting a 6000 x 4000 camera-sized JPEG into half an A4 page of a PDF:
// through the drawing surface (decoded at 300 dpi of the rectangle) against
// loading the picture at full size and painting that.
//
// Targets: at least 2x faster, and a PDF at most 1/5 the size.
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>

#include "bench_photo.h"
#include "render_qt/qt_printer_surface.h"

namespace {

using orsalimbra::render::QtPrinterSurface;

constexpr int kRuns = 5;

void SetUpPdf(QPrinter& printer, const QString& path) {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  printer.setPageSize(QPageSize(QPageSize::A4));
}

// The rectangle, in twips, that a 3:2 picture takes when fitted into the top
// half of the printable area.
QRectF HalfPage(double scaleWidth, double scaleHeight) {
  const QSizeF fitted = QSizeF(3, 2).scaled(scaleWidth, scaleHeight / 2, Qt::KeepAspectRatio);
  return QRectF(QPointF(0, 0), fitted);
}

bool ThroughSurface(const QString& picture, const QString& pdf) {
  QPrinter printer(QPrinter::HighResolution);
  SetUpPdf(printer, pdf);
  QtPrinterSurface surface(&printer);
  const auto loaded = surface.LoadPicture(picture.toStdString());
  if (!loaded) return false;
  const QRectF r = HalfPage(surface.ScaleWidth(), surface.ScaleHeight());
  // A picture that painted nothing would make a fast, small and worthless run.
  const bool painted = surface.PaintPicture(*loaded, r.x(), r.y(), r.width(), r.height());
  return surface.EndDoc() && painted;
}

bool AtFullSize(const QString& picture, const QString& pdf) {
  const QImage image(picture);
  if (image.isNull()) return false;
  QPrinter printer(QPrinter::HighResolution);
  SetUpPdf(printer, pdf);
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  painter.scale(printer.logicalDpiX() / 1440.0, printer.logicalDpiY() / 1440.0);
  const QRectF area = printer.pageLayout().paintRect(QPageLayout::Point);
  painter.drawImage(HalfPage(area.width() * 20, area.height() * 20), image);
  return painter.end();
}

struct Figures {
  double seconds = 1e9;     // wall clock, best of the runs
  double cpuSeconds = 1e9;  // processor time of this process, best of the runs
  qint64 bytes = 0;
  bool ok = true;
};

using Paint = bool (*)(const QString& picture, const QString& pdf);

double CpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// One run of `paint`, folded into the figures.
void Measure(Paint paint, const QString& picture, const QString& pdf, Figures& f) {
  const double cpuStart = CpuSeconds();
  const auto start = std::chrono::steady_clock::now();
  f.ok = paint(picture, pdf) && f.ok;
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  f.seconds = std::min(f.seconds, seconds);
  f.cpuSeconds = std::min(f.cpuSeconds, CpuSeconds() - cpuStart);
  f.bytes = QFileInfo(pdf).size();
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QTemporaryDir dir;
  const QString picture = dir.filePath("photo.jpg");
  if (!orsalimbra::bench::WritePhoto(picture, 6000, 4000, 7)) {
    std::fprintf(stderr, "cannot write the test picture %s\n", qPrintable(picture));
    return 2;
  }
  std::printf("picture: 6000 x 4000 JPEG, %lld bytes; best of %d runs\n",
              static_cast<long long>(QFileInfo(picture).size()), kRuns);

  // The two ways take turns, so that a machine busy with other work slows
  // both alike.
  Figures surface, full;
  for (int i = 0; i < kRuns; ++i) {
    Measure(ThroughSurface, picture, dir.filePath("surface.pdf"), surface);
    Measure(AtFullSize, picture, dir.filePath("full.pdf"), full);
  }
  if (!surface.ok || !full.ok) {
    std::fprintf(stderr, "a run failed (surface %d, full size %d)\n", surface.ok, full.ok);
    return 2;
  }
  std::printf("                    wall (s)  processor (s)   PDF bytes\n");
  std::printf("surface, ~300 dpi: %8.3f  %13.3f  %10lld\n", surface.seconds, surface.cpuSeconds,
              static_cast<long long>(surface.bytes));
  std::printf("full size:         %8.3f  %13.3f  %10lld\n", full.seconds, full.cpuSeconds,
              static_cast<long long>(full.bytes));

  // The speed target is judged on processor time: both ways run on one
  // thread, so on an idle machine it equals the wall time, and on a shared
  // one other programs do not inflate it. The wall-clock ratio is shown too.
  const double wallSpeedup = full.seconds / surface.seconds;
  const double speedup = full.cpuSeconds / surface.cpuSeconds;
  const double sizeRatio = static_cast<double>(surface.bytes) / static_cast<double>(full.bytes);
  const bool fastEnough = speedup >= 2;
  const bool smallEnough = sizeRatio <= 0.2;
  std::printf("speed-up %.2fx in processor time, %.2fx wall clock (target >= 2x): %s\n", speedup,
              wallSpeedup, fastEnough ? "PASS" : "FAIL");
  std::printf("PDF size ratio %.3f (target <= 0.200): %s\n", sizeRatio,
              smallEnough ? "PASS" : "FAIL");
  return fastEnough && smallEnough ? 0 : 1;
}
