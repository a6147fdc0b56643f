// golden_dump OUTDIR: draws a fixed matrix of calendars and writes what was
// drawn, so that a change meant to alter nothing on paper can be checked:
// run it before and after, then compare the two folders (scripts/golden.sh).
//
// - rec/*.txt: every operation of every print job on the recording surface,
//   one line each, for every layout, cover style, page order, moon style and
//   command, plus the window's samples;
// - pdf/*.pdf: a smaller matrix through the real PDF export, with generated
//   photos, for the text-with-positions and raster comparison.
#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/year_model.h"
#include "render/cover_preview.h"
#include "render/moon_look.h"
#include "render/moon_sample.h"
#include "render/print_jobs.h"
#include "render/title_sample.h"
#include "render_qt/qt_pdf_export.h"
#include "support/recording_surface.h"

namespace {

using namespace orsalimbra;
using render::RecordingSurface;

constexpr const char* kPictureFolder = "/golden/pictures";
// The recorded pages have the printable area of an A4 sheet with the
// 10-point margins of Qt's PDF writer.
constexpr double kA4Width = 11500;
constexpr double kA4Height = 16440;

std::string Number(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.4f", value);
  return buffer;
}

void Dump(const RecordingSurface& s, std::ostream& out) {
  static const char* kinds[] = {"text", "line", "circle", "picture", "newpage", "enddoc", "cls"};
  for (const RecordingSurface::Op& op : s.ops()) {
    out << kinds[static_cast<int>(op.kind)] << " p" << op.page << " '" << op.text << "' "
        << Number(op.x) << "," << Number(op.y) << " " << Number(op.x2) << "," << Number(op.y2)
        << " r" << Number(op.radius) << " a" << (op.start ? Number(*op.start) : "-") << ":"
        << (op.end ? Number(*op.end) : "-") << " f'" << op.fontName << "' " << Number(op.fontSize)
        << (op.bold ? "B" : "") << (op.italic ? "I" : "") << " c" << op.colour << " w"
        << op.drawWidth << " fs" << op.fillStyle << " fc" << op.fillColor;
    if (!op.part.Whole()) {
      out << " part " << Number(op.part.left) << "," << Number(op.part.top) << " "
          << Number(op.part.width) << "," << Number(op.part.height);
    }
    out << "\n";
  }
}

void Write(const QString& path, const std::string& text) {
  std::ofstream file(path.toStdString(), std::ios::binary);
  file << text;
}

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// The pictures every configuration may name: month photos of mixed shapes,
// a landscape cover and the half-year backgrounds.
struct PictureSet {
  std::map<std::string, std::pair<double, double>> sizes;  // twips
  bool has(const std::string& path) const { return sizes.count(path) != 0; }
};

std::string PhotoPath(const std::string& folder, int page) {
  return folder + "/photo" + std::to_string(page) + ".jpg";
}

PictureSet Pictures(const std::string& folder) {
  PictureSet set;
  for (int page = 0; page <= 12; ++page) {
    const bool landscape = page == 0 || page % 3 != 0;
    set.sizes[PhotoPath(folder, page)] =
        landscape ? std::pair{6000.0, 4000.0} : std::pair{3000.0, 4500.0};
  }
  set.sizes[folder + "/Sfondo1.jpg"] = {8000, 11000};
  set.sizes[folder + "/Sfondo2.jpg"] = {11000, 8000};
  return set;
}

struct Calendar {
  int entry = 0;
  int year = 2026;
  bool photos = true;
  bool coverPhoto = true;
  std::string note;  // month and back-cover note
};

render::PrintInputs Inputs(const std::string& dataFile, const std::string& folder,
                           const Calendar& cal, int layout) {
  const PictureSet pictures = Pictures(folder);
  core::YearModel start;
  start.LanguageIndex = cal.entry;
  for (int page = 0; page <= 12; ++page) {
    const bool wanted = page == 0 ? cal.coverPhoto : cal.photos;
    if (wanted) start.PhotoPaths[page] = PhotoPath(folder, page);
    start.PhotoNotes[page] = cal.note.empty() ? "" : cal.note + " " + std::to_string(page);
  }
  core::YearInputs in;
  in.fileBytes = ReadFile(dataFile);
  in.yearText = std::to_string(cal.year);
  in.layoutType = static_cast<core::LayoutCode>(layout);
  in.userPhotosSet = true;
  in.programFolder = folder;
  in.fileExists = [pictures](const std::string& path) { return pictures.has(path); };
  render::PrintInputs inputs;
  inputs.year = core::LoadYearData(start, in).model;
  inputs.yearText = in.yearText;
  inputs.choices.LayoutType = static_cast<core::LayoutCode>(layout);
  inputs.choices.programFolder = folder;
  inputs.choices.fileExists = in.fileExists;
  inputs.choices.timeBase.UseLocalTime = true;
  inputs.choices.timeBase.UtcOffsetHours = 1;
  inputs.choices.titleLook.TitleColour = 2020095;
  inputs.choices.titleLook.TitleShadowColour = 1010047;
  inputs.choices.titleLook.TitleBold = true;
  inputs.choices.titleLook.TitleItalic = true;
  inputs.choices.titleLook.TitleShadow = true;
  inputs.choices.moonLook = render::MoonLookFor(render::MoonCode::OchreYellowQuarters);
  return inputs;
}

class RecordingHost : public render::PrintHost {
 public:
  RecordingHost(render::PrintInputs inputs, const PictureSet& pictures)
      : inputs_(std::move(inputs)), pictures_(pictures) {
    RecordingSurface probe(kA4Width, kA4Height);
    inputs_.choices.metrics = render::MeasurePage(probe);
  }
  bool ChoosePrinter() override { return true; }
  render::PrintInputs Inputs() override { return inputs_; }
  render::Surface& PageMeasure() override { return measure_; }
  render::Surface* OpenDocument() override {
    surface_ = std::make_unique<RecordingSurface>(kA4Width, kA4Height);
    for (const auto& [path, size] : pictures_.sizes) {
      surface_->AddPicture(path, size.first, size.second);
    }
    return surface_.get();
  }
  void CloseDocument() override {}
  void SetProgressMaximum(int m) override { log_ << "max " << m << "\n"; }
  void SetProgressValue(int v) override { values_ += v; }
  void SetProgressVisible(bool v) override { log_ << "bar " << v << "\n"; }
  void LetEventsRun() override { ++yields_; }

  std::string Text(const render::PrintResult& r) const {
    std::ostringstream out;
    out << "status " << static_cast<int>(r.status) << " pages " << r.pages << " yields " << yields_
        << " values " << values_ << "\n"
        << log_.str();
    if (surface_) Dump(*surface_, out);
    return out.str();
  }

 private:
  render::PrintInputs inputs_;
  RecordingSurface measure_{kA4Width, kA4Height};
  const PictureSet& pictures_;
  std::unique_ptr<RecordingSurface> surface_;
  std::ostringstream log_;
  long values_ = 0;
  int yields_ = 0;
};

struct Command {
  std::string name;
  render::PrintRequest request;
};

const std::vector<Command> kCommands{
    {"all", render::PrintRequest::All()},
    {"month03", render::PrintRequest::Month(2)},
    {"month12", render::PrintRequest::Month(11)},
    {"half1", render::PrintRequest::Half(render::HalfYear::First)},
    {"half2", render::PrintRequest::Half(render::HalfYear::Second)},
    {"cover", render::PrintRequest::Half(render::HalfYear::CoverOnly)},
};

void Recordings(const std::string& dataFile, const QString& out) {
  const std::string folder = kPictureFolder;
  const PictureSet pictures = Pictures(folder);
  struct Named {
    std::string name;
    Calendar cal;
  };
  const std::vector<Named> calendars{
      {"it2026", {0, 2026, true, true, "Una nota"}},
      {"it2024bare", {0, 2024, false, false, ""}},
      {"de2008", {3, 2008, true, true, ""}},
      {"us2026", {2, 2026, false, true, "-"}},
      {"se2027", {12, 2027, true, true, "Fram\\och bak"}},
      {"uk2027", {1, 2027, true, false, "A note under the picture that goes on and on"}},
  };
  for (const Named& n : calendars) {
    for (int layout : {0, 1, 2, 5}) {
      for (int cover : {0, 1, 2, 3, 4}) {
        for (bool reversed : {false, true}) {
          for (const Command& c : kCommands) {
            // The cover styles only matter to print-all and the cover alone.
            if (cover > 1 && c.name != "all" && c.name != "cover") continue;
            render::PrintInputs inputs = Inputs(dataFile, folder, n.cal, layout);
            inputs.choices.CoverStyle = static_cast<render::CoverCode>(cover);
            inputs.choices.OrdInv = reversed;
            RecordingHost host(inputs, pictures);
            render::PrintJobs jobs(host);
            const render::PrintResult r = jobs.Print(c.request);
            const QString name = QString::fromStdString(
                n.name + "_L" + std::to_string(layout) + "_C" + std::to_string(cover) +
                (reversed ? "_rev_" : "_fwd_") + c.name + ".txt");
            Write(out + "/rec/" + name, host.Text(r));
          }
        }
      }
    }
  }
  // Moon styles and title looks on one month page each.
  for (int moon = 0; moon <= 9; ++moon) {
    for (int look = 0; look < 4; ++look) {
      render::PrintInputs inputs = Inputs(dataFile, folder, calendars[0].cal, 1);
      inputs.choices.moonLook = render::MoonLookFor(static_cast<render::MoonCode>(moon));
      inputs.choices.titleLook.TitleShadow = (look & 1) != 0;
      inputs.choices.titleLook.TitleItalic = (look & 2) != 0;
      inputs.choices.titleLook.TitleFont = look == 3 ? "Courier New" : "Arial";
      inputs.choices.timeBase.UseLocalTime = (look & 1) != 0;
      RecordingHost host(inputs, pictures);
      render::PrintJobs jobs(host);
      const render::PrintResult r = jobs.PrintMonth(1);
      Write(out + QStringLiteral("/rec/moon%1_look%2.txt").arg(moon).arg(look), host.Text(r));
      RecordingHost semester(Inputs(dataFile, folder, calendars[0].cal, 0), pictures);
      render::PrintInputs semesterInputs = semester.Inputs();
      semesterInputs.choices.moonLook = render::MoonLookFor(static_cast<render::MoonCode>(moon));
      RecordingHost semesterHost(semesterInputs, pictures);
      render::PrintJobs semesterJobs(semesterHost);
      const render::PrintResult sr = semesterJobs.PrintHalfYear(render::HalfYear::First);
      if (look == 0) {
        Write(out + QStringLiteral("/rec/moon%1_semester.txt").arg(moon), semesterHost.Text(sr));
      }
    }
  }
  // The window's samples.
  std::ostringstream samples;
  for (const std::string& title :
       std::vector<std::string>{"Calendario 2026", "2026 Kalender", std::string(60, 'W')}) {
    for (int look = 0; look < 4; ++look) {
      render::TitleLook t;
      t.TitleColour = 2020095;
      t.TitleShadowColour = 1010047;
      t.TitleBold = (look & 1) != 0;
      t.TitleShadow = (look & 2) != 0;
      RecordingSurface box(4000, 700);
      const render::TitleSampleFit fit = render::DrawTitleSample(box, t, title);
      samples << "title '" << title << "' " << look << " size " << fit.fontSize << "\n";
      Dump(box, samples);
      for (int style = 0; style <= 5; ++style) {
        RecordingSurface mini(1500, 2100);
        render::DrawCoverPreviewTitle(mini, static_cast<render::CoverCode>(style), title, t);
        samples << "cover " << style << "\n";
        Dump(mini, samples);
      }
    }
  }
  for (int moon = 0; moon <= 9; ++moon) {
    RecordingSurface box(1200, 600);
    render::DrawMoonSample(box, render::MoonLookFor(static_cast<render::MoonCode>(moon)), 600);
    samples << "moon " << moon << "\n";
    Dump(box, samples);
  }
  Write(out + "/rec/samples.txt", samples.str());
}

// Photos with a gradient and a disc, so that distortion or cropping shows.
void MakePhoto(const QString& path, int width, int height, QColor colour) {
  QImage image(width, height, QImage::Format_RGB32);
  QPainter p(&image);
  QLinearGradient g(0, 0, width, height);
  g.setColorAt(0, colour);
  g.setColorAt(1, Qt::white);
  p.fillRect(image.rect(), g);
  p.setBrush(Qt::black);
  const int r = std::min(width, height) / 3;
  p.drawEllipse(QPoint(width / 2, height / 2), r, r);
  p.end();
  image.save(path, "JPG", 90);
}

void Pdfs(const std::string& dataFile, const QString& out) {
  const QString folder = out + "/pictures";
  QDir().mkpath(folder);
  const PictureSet pictures = Pictures(folder.toStdString());
  int hue = 0;
  for (const auto& [path, size] : pictures.sizes) {
    MakePhoto(QString::fromStdString(path), static_cast<int>(size.first / 15),
              static_cast<int>(size.second / 15), QColor::fromHsv(hue, 200, 220));
    hue = (hue + 29) % 360;
  }
  struct Case {
    std::string name;
    Calendar cal;
    int layout, cover;
    bool reversed;
    Command command;
    QPageSize paper = QPageSize(QPageSize::A4);
  };
  const Command all = kCommands[0], month = kCommands[1], half1 = kCommands[3],
                half2 = kCommands[4], cover = kCommands[5];
  const Calendar it{0, 2026, true, true, "Una nota sotto la foto"};
  const Calendar bare{0, 2026, false, true, "Solo testo\\seconda riga"};
  const Calendar de{3, 2008, true, true, ""};
  const Calendar us{2, 2026, false, true, "-"};
  const Calendar uk{1, 2027, true, false, ""};
  const Calendar longNote{0, 2026, true, true,
                          "una didascalia lunga per vedere come va a capo quando la nota non "
                          "entra in una riga sola sotto la foto del mese, anche su carta grande"};
  const Command march = {"month03", render::PrintRequest::Month(2)};
  const Command may = {"month05", render::PrintRequest::Month(4)};
  const Command december = kCommands[2];
  const std::vector<Case> cases{
      {"it_L0_all", it, 0, 0, false, all},
      {"it_L0_half2", it, 0, 0, false, half2},
      {"it_L1_C1_all", it, 1, 1, false, all},
      {"it_L1_C4_rev_all", it, 1, 4, true, all},
      {"it_L2_C2_all", it, 2, 2, false, all},
      {"bare_L1_C3_all", bare, 1, 3, false, all},
      {"bare_L2_C1_rev_all", bare, 2, 1, true, all},
      {"it_L1_month", it, 1, 0, false, month},
      {"bare_L2_half1", bare, 2, 0, false, half1},
      {"it_L1_cover", it, 1, 2, false, cover},
      {"de_L2_C1_all", de, 2, 1, false, all},
      {"it_L1_C1_letter", it, 1, 1, false, all, QPageSize(QPageSize::Letter)},
      {"it_L0_a3", it, 0, 0, false, half1, QPageSize(QPageSize::A3)},
      {"us_L1_march", us, 1, 0, false, march},
      {"de_L1_may", de, 1, 0, false, may},
      {"de_L2_may", de, 2, 0, false, may},
      {"uk_L1_december", uk, 1, 0, false, december},
      {"uk_L2_december", uk, 2, 0, false, december},
      {"longnote_L1_march", longNote, 1, 0, false, march},
      {"longnote_L2_C3_cover", longNote, 2, 3, false, cover},
      {"it_L2_a5", it, 2, 0, false, month, QPageSize(QPageSize::A5)},
      {"it_L1_C1_a3", it, 1, 1, false, all, QPageSize(QPageSize::A3)},
      {"bare_L2_legal", bare, 2, 0, false, half1, QPageSize(QPageSize::Legal)},
  };
  for (const Case& c : cases) {
    render::PrintInputs inputs = Inputs(dataFile, folder.toStdString(), c.cal, c.layout);
    inputs.choices.CoverStyle = static_cast<render::CoverCode>(c.cover);
    inputs.choices.OrdInv = c.reversed;
    render::PdfTarget target;
    target.path = out + "/pdf/" + QString::fromStdString(c.name) + ".pdf";
    target.pageSize = c.paper;
    const render::PrintResult r = render::ExportPdf(target, inputs, c.command.request);
    std::printf("%s: status %d, %d pages\n", c.name.c_str(), static_cast<int>(r.status), r.pages);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: golden_dump DATAFILE OUTDIR\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const std::string dataFile = argv[1];
  const QString out = QString::fromLocal8Bit(argv[2]);
  QDir().mkpath(out + "/rec");
  QDir().mkpath(out + "/pdf");
  Recordings(dataFile, out);
  Pdfs(dataFile, out);
  return 0;
}
