// "Stampa tutto" to a PDF in the weekly layout with a cover picture and
// twelve month pictures, for a set of 6000 x 4000 pixels (24 MP) and one of
// 8640 x 5760 (50 MP), against two references measured in the same run:
//   floor      only decoding the 13 JPEGs, one after another, at the pixel
//              sizes the pages need;
//   full size  decoding them at full size and drawing them into the same
//              rectangles of a PDF (24 MP only);
//   spread     only decoding them, spread over as many threads as cores: the
//              most any pipeline could make of this machine's cores, since
//              two decodes at once each run slower than one alone.
// Also the print of one month and the print preview of the whole calendar
// (the preview shows its first page once the job has drawn them all).
//
// Targets: wall time <= 0.75 x the floor (the pictures are decoded ahead on
// worker threads) and, at 24 MP, >= 2x faster than full size; peak memory
// < 300 MB; PDF < 15 MB; the 24 MP preview opens in < 1 s.
//
// Each measurement runs in a child process of its own (this program started
// again with a phase name), so that its peak memory is its own and no cache
// of one phase helps another. The pictures are made once and kept in the
// temporary folder for later runs.
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QThread>
#include <QThreadPool>
#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "bench_calendar.h"
#include "bench_photo.h"
#include "render/print_jobs.h"
#include "render_qt/qt_measure_surface.h"
#include "render_qt/qt_pdf_export.h"
#include "render_qt/qt_picture.h"
#include "render_qt/qt_printer_surface.h"
#include "ui/print_preview.h"

namespace {

using namespace orsalimbra;

constexpr int kRuns = 3;
constexpr int kPictures = 13;

struct PictureSet {
  int width;
  int height;
  bool fullSize;  // also measure the full-size reference
};
constexpr PictureSet kSets[] = {{6000, 4000, true}, {8640, 5760, false}};
// The surface decodes page pictures for 300 dpi.
constexpr double kPictureDpi = 300;

double CpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

long PeakKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

QString PicturePath(const QString& folder, int page) {
  return QDir(folder).filePath(QStringLiteral("page%1.jpg").arg(page, 2, 10, QLatin1Char('0')));
}

int Generate(const QString& folder, int width, int height) {
  for (int page = 0; page < kPictures; ++page) {
    const QString path = PicturePath(folder, page);
    if (!bench::WritePhoto(path, width, height, static_cast<unsigned>(page + 1))) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      return 2;
    }
  }
  QFile done(QDir(folder).filePath("complete"));
  return done.open(QIODevice::WriteOnly) ? 0 : 2;
}

render::PrintInputs Inputs(const QString& folder) {
  return bench::WeeklyCalendar(folder, [&](int page) { return PicturePath(folder, page); });
}

void SetUpPdf(QPrinter& printer, const QString& path) {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  printer.setPageSize(QPageSize(QPageSize::A4));
}

// Where a picture goes, and which part of it.
struct PictureRect {
  QString path;
  QRectF rect;
  render::PicturePart part;
};

// A surface that notes where the pictures go instead of painting them.
class RectSurface : public render::QtPrinterSurface {
 public:
  using QtPrinterSurface::QtPrinterSurface;
  using Surface::PaintPicture;
  bool PaintPicture(const render::Picture& picture, double x, double y, double width, double height,
                    const render::PicturePart& part) override {
    rects.push_back({QString::fromStdString(picture.path), QRectF(x, y, width, height), part});
    return true;
  }
  std::vector<PictureRect> rects;
};

// The job's picture rectangles, in twips, from a run that paints none.
std::vector<PictureRect> PictureRects(const QString& folder, const QString& pdf) {
  struct Host : render::PrintHost {
    QPrinter printer{QPrinter::HighResolution};
    render::PrintInputs inputs;
    std::unique_ptr<render::QtMeasureSurface> measure;
    std::unique_ptr<RectSurface> surface;
    std::vector<PictureRect> rects;
    bool ChoosePrinter() override { return true; }
    render::PrintInputs Inputs() override { return inputs; }
    render::Surface& PageMeasure() override {
      measure = std::make_unique<render::QtMeasureSurface>(
          render::QtMeasureSurface::PrintableTwips(printer.pageLayout()));
      return *measure;
    }
    render::Surface* OpenDocument() override {
      surface = std::make_unique<RectSurface>(&printer);
      return surface.get();
    }
    void CloseDocument() override {
      rects = surface->rects;
      surface.reset();
    }
  } host;
  SetUpPdf(host.printer, pdf);
  host.inputs = Inputs(folder);
  render::QtMeasureSurface page(
      render::QtMeasureSurface::PrintableTwips(host.printer.pageLayout()));
  host.inputs.choices.metrics = render::MeasurePage(page);
  render::PrintJobs jobs(host);
  jobs.PrintAll();
  return host.rects;
}

QSize Pixels(const QRectF& twips) {
  return QSize(static_cast<int>(std::ceil(twips.width() * kPictureDpi / 1440)),
               static_cast<int>(std::ceil(twips.height() * kPictureDpi / 1440)));
}

struct Measured {
  double seconds = 0;
  double cpu = 0;
  long long bytes = 0;
  bool ok = true;
};

// Wall and processor time of `work`, which tells whether it succeeded.
template <typename Work>
Measured Timed(Work work) {
  Measured m;
  const double cpu = CpuSeconds();
  const auto start = std::chrono::steady_clock::now();
  m.ok = work();
  m.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  m.cpu = CpuSeconds() - cpu;
  return m;
}

Measured Print(const QString& folder, const QString& pdf, const render::PrintRequest& request,
               int pages) {
  render::PrintResult result;
  Measured m = Timed([&] {
    result = render::ExportPdf({pdf}, Inputs(folder), request);
    return result.status == render::PrintStatus::Printed && result.pages == pages;
  });
  if (!m.ok) std::fprintf(stderr, "print: %s\n", result.failure.Text().c_str());
  m.bytes = QFileInfo(pdf).size();
  return m;
}

// The print preview of the whole calendar opened on an A4 page: the dialog
// made and every page drawn for the screen.
Measured Preview(const QString& folder) {
  ui::PrintPreview::Hooks hooks;
  hooks.inputs = [&] { return Inputs(folder); };
  int pages = 0;
  Measured m = Timed([&] {
    QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10));
    ui::PrintPreview preview(a4, Inputs(folder).year, render::PrintRequest::All(), hooks);
    preview.view()->updatePreview();
    pages = preview.view()->pageCount();
    return preview.lastResult().status == render::PrintStatus::Printed;
  });
  m.ok = m.ok && pages == 14;
  return m;
}

Measured Floor(const QString& folder, const QString& pdf) {
  const auto rects = PictureRects(folder, pdf);
  Measured m = Timed([&] {
    bool ok = true;
    for (const PictureRect& r : rects) {
      ok = !render::DecodePicture(r.path, Pixels(r.rect), r.part).isNull() && ok;
    }
    return ok;
  });
  m.ok = m.ok && rects.size() == kPictures;
  return m;
}

// The floor's decodes on a pool of as many threads as cores, in page order.
Measured Spread(const QString& folder, const QString& pdf) {
  const auto rects = PictureRects(folder, pdf);
  std::atomic<int> decoded = 0;
  Measured m = Timed([&] {
    QThreadPool pool;
    pool.setMaxThreadCount(QThread::idealThreadCount());
    for (const PictureRect& r : rects) {
      pool.start([&decoded, r] {
        if (!render::DecodePicture(r.path, Pixels(r.rect), r.part).isNull()) ++decoded;
      });
    }
    pool.waitForDone();
    return decoded == static_cast<int>(rects.size());
  });
  m.ok = m.ok && rects.size() == kPictures;
  return m;
}

Measured FullSize(const QString& folder, const QString& pdf) {
  const auto rects = PictureRects(folder, pdf);
  Measured m = Timed([&] {
    QPrinter printer(QPrinter::HighResolution);
    SetUpPdf(printer, pdf);
    QPainter painter;
    bool ok = painter.begin(&printer);
    painter.scale(printer.logicalDpiX() / 1440.0, printer.logicalDpiY() / 1440.0);
    for (std::size_t i = 0; i < rects.size() && ok; ++i) {
      if (i > 0) ok = printer.newPage();
      const QImage image(rects[i].path);
      ok = !image.isNull() && ok;
      const render::PicturePart& part = rects[i].part;
      painter.drawImage(rects[i].rect, image,
                        QRectF(part.left * image.width(), part.top * image.height(),
                               part.width * image.width(), part.height * image.height()));
    }
    return painter.end() && ok;
  });
  m.ok = m.ok && rects.size() == kPictures;
  m.bytes = QFileInfo(pdf).size();
  return m;
}

// Runs in a child: one phase, its figures on stdout.
int RunPhase(const std::string& phase, const QString& folder, const QString& pdf) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int argc = 1;
  char name[] = "bench_qt_print_all";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  int width = 0;
  int height = 0;
  if (std::sscanf(phase.c_str(), "generate:%dx%d", &width, &height) == 2) {
    return Generate(folder, width, height);
  }
  Measured m;
  if (phase == "print") {
    m = Print(folder, pdf, render::PrintRequest::All(), 14);
  } else if (phase == "month") {
    // April: a month page with its picture.
    m = Print(folder, pdf, render::PrintRequest::Month(3), 1);
  } else if (phase == "preview") {
    m = Preview(folder);
  } else if (phase == "floor") {
    m = Floor(folder, pdf);
  } else if (phase == "spread") {
    m = Spread(folder, pdf);
  } else if (phase == "full") {
    m = FullSize(folder, pdf);
  } else {
    return 2;
  }
  std::printf("seconds %.6f\ncpu %.6f\nrss_kb %ld\nbytes %lld\nok %d\n", m.seconds, m.cpu,
              PeakKilobytes(), m.bytes, m.ok ? 1 : 0);
  return m.ok ? 0 : 1;
}

std::string Quoted(const std::string& text) {
  std::string out = "'";
  for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

// Starts this program again for `phase` and reads its figures.
std::map<std::string, double> Child(const std::string& self, const std::string& phase,
                                    const std::string& folder, const std::string& pdf) {
  const std::string command =
      Quoted(self) + " --phase " + phase + " " + Quoted(folder) + " " + Quoted(pdf);
  std::map<std::string, double> figures;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return figures;
  char key[64];
  double value = 0;
  while (std::fscanf(pipe, "%63s %lf", key, &value) == 2) figures[key] = value;
  figures["status"] = pclose(pipe);
  return figures;
}

struct Best {
  double seconds = 1e9, cpu = 1e9, rssKb = 0, bytes = 0;
  bool ok = true;
  void Add(const std::map<std::string, double>& f) {
    const auto get = [&](const char* k) {
      const auto it = f.find(k);
      return it == f.end() ? -1.0 : it->second;
    };
    ok = ok && get("ok") == 1 && get("status") == 0;
    seconds = std::min(seconds, get("seconds"));
    cpu = std::min(cpu, get("cpu"));
    rssKb = std::max(rssKb, get("rss_kb"));
    bytes = get("bytes");
  }
};

// Measures one set of pictures and prints its figures: 0 when every target
// is met, 1 when one is missed, 2 when a run failed.
int MeasureSet(const std::string& self, const PictureSet& set) {
  const QString folder = QDir::temp().filePath(
      QStringLiteral("orsalimbra-bench-%1x%2").arg(set.width).arg(set.height));
  const std::string dir = folder.toStdString();
  if (!QFileInfo::exists(QDir(folder).filePath("complete"))) {
    std::printf("making %d pictures of %d x %d in %s (once)...\n", kPictures, set.width, set.height,
                qPrintable(folder));
    std::fflush(stdout);
    const std::string generate =
        "generate:" + std::to_string(set.width) + "x" + std::to_string(set.height);
    if (!QDir().mkpath(folder) || Child(self, generate, dir, "-")["status"] != 0) {
      std::fprintf(stderr, "cannot make the pictures\n");
      return 2;
    }
  }
  long long pictureBytes = 0;
  for (int page = 0; page < kPictures; ++page) {
    pictureBytes += QFileInfo(PicturePath(folder, page)).size();
  }
  std::printf("\n%d JPEGs of %d x %d (%.0f MP), %.1f MB in all\n", kPictures, set.width, set.height,
              set.width * static_cast<double>(set.height) / 1e6, pictureBytes / 1e6);

  const std::string out = QDir::temp().filePath("orsalimbra-bench-print-all.pdf").toStdString();
  Best print, month, floor, spread, full, preview;
  // The phases take turns, so that other work on the machine slows all alike.
  for (int run = 0; run < kRuns; ++run) {
    print.Add(Child(self, "print", dir, out));
    month.Add(Child(self, "month", dir, out + ".month.pdf"));
    preview.Add(Child(self, "preview", dir, "-"));
    floor.Add(Child(self, "floor", dir, out + ".floor.pdf"));
    spread.Add(Child(self, "spread", dir, out + ".floor.pdf"));
    if (set.fullSize) full.Add(Child(self, "full", dir, out + ".full.pdf"));
  }
  for (const char* suffix : {".month.pdf", ".floor.pdf", ".full.pdf"}) {
    std::remove((out + suffix).c_str());
  }
  if (!print.ok || !month.ok || !floor.ok || !spread.ok || !full.ok || !preview.ok) {
    std::fprintf(
        stderr,
        "a run failed (print %d, month %d, floor %d, spread %d, full size %d, preview %d)\n",
        print.ok, month.ok, floor.ok, spread.ok, full.ok, preview.ok);
    return 2;
  }

  std::printf("                            wall (s)  processor (s)  peak (MB)   PDF (MB)\n");
  const auto row = [](const char* name, const Best& b, bool pdf) {
    std::printf("%-27s%8.3f  %13.3f  %9.1f", name, b.seconds, b.cpu, b.rssKb / 1024);
    if (pdf) std::printf("  %9.2f", b.bytes / 1e6);
    std::printf("\n");
  };
  row("print all:", print, true);
  row("print one month:", month, true);
  row("floor, decode at page size:", floor, false);
  row("decode spread over cores:", spread, false);
  if (set.fullSize) row("full size, decode + embed:", full, true);
  row("preview, all 14 pages:", preview, false);

  const double overFloor = print.seconds / floor.seconds;
  const double peakMb = print.rssKb / 1024;
  const double pdfMb = print.bytes / 1e6;
  std::vector<std::pair<std::string, bool>> targets;
  char line[128];
  std::snprintf(line, sizeof line, "wall %.2fx the serial floor (target <= 0.75x; processor %.2fx)",
                overFloor, print.cpu / floor.cpu);
  targets.emplace_back(line, overFloor <= 0.75);
  if (set.fullSize) {
    const double speedup = full.seconds / print.seconds;
    std::snprintf(line, sizeof line, "%.2fx faster than full size (target >= 2x)", speedup);
    targets.emplace_back(line, speedup >= 2);
  }
  std::snprintf(line, sizeof line, "peak memory %.1f MB (target < 300 MB)", peakMb);
  targets.emplace_back(line, peakMb < 300);
  std::snprintf(line, sizeof line, "PDF %.2f MB (target < 15 MB)", pdfMb);
  targets.emplace_back(line, pdfMb < 15);
  if (set.fullSize) {
    std::snprintf(line, sizeof line, "preview opens in %.2f s (target < 1 s)", preview.seconds);
    targets.emplace_back(line, preview.seconds < 1);
  }
  // Not a target: how far the machine's cores let decodes alone go, and
  // what the print adds to that (its drawing, the PDF, the first page's wait).
  std::printf("decodes spread over the cores take %.2fx the floor; print all takes %.2fx that\n",
              spread.seconds / floor.seconds, print.seconds / spread.seconds);
  bool all = true;
  for (const auto& [text, pass] : targets) {
    std::printf("%s: %s\n", text.c_str(), pass ? "PASS" : "FAIL");
    all = all && pass;
  }
  return all ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 5 && std::strcmp(argv[1], "--phase") == 0) {
    return RunPhase(argv[2], QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[4]));
  }
  char self[4096];
  const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
  if (length <= 0) return 2;
  self[length] = '\0';

  std::printf("%d cores; best of %d runs, each in its own process\n", QThread::idealThreadCount(),
              kRuns);
  bool all = true;
  for (const PictureSet& set : kSets) {
    const int status = MeasureSet(self, set);
    if (status == 2) return 2;
    all = all && status == 0;
  }
  return all ? 0 : 1;
}
