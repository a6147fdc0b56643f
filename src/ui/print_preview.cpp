#include "ui/print_preview.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

#include "render_qt/qt_measure_surface.h"
#include "render_qt/qt_picture_plan.h"
#include "render_qt/qt_printer_surface.h"
#include "ui/printer_metrics.h"

namespace orsalimbra::ui {

namespace {

// The print jobs' part played for the preview: no dialog, no progress, no
// events let through while Qt asks for the pages.
class PreviewHost : public render::PrintHost {
 public:
  PreviewHost(QPrinter& printer, render::PrintInputs inputs, double pictureDpi)
      : printer_(printer), inputs_(std::move(inputs)), pictureDpi_(pictureDpi) {}

  bool ChoosePrinter() override { return true; }
  render::PrintInputs Inputs() override { return inputs_; }
  render::Surface& PageMeasure() override {
    measure_ = std::make_unique<render::QtMeasureSurface>(
        render::QtMeasureSurface::PrintableTwips(printer_.pageLayout()));
    return *measure_;
  }
  void DocumentPlanned(const render::PrintRequest& request,
                       const render::PrintInputs& inputs) override {
    plan_ = render::PlanPictures(request, inputs,
                                 render::QtMeasureSurface::PrintableTwips(printer_.pageLayout()));
  }
  render::Surface* OpenDocument() override {
    surface_ = std::make_unique<render::QtPrinterSurface>(&printer_);
    surface_->LimitPictureResolution(pictureDpi_);
    surface_->DecodeAhead(plan_);
    return surface_.get();
  }
  void CloseDocument() override { surface_.reset(); }

 private:
  QPrinter& printer_;
  render::PrintInputs inputs_;
  double pictureDpi_;
  std::vector<render::PlannedPicture> plan_;
  std::unique_ptr<render::QtMeasureSurface> measure_;
  std::unique_ptr<render::QtPrinterSurface> surface_;
};

QString CommandName(const core::YearModel& year, const render::PrintRequest& r) {
  switch (r.command) {
    case render::PrintCommand::All:
      return QStringLiteral("Tutto il calendario");
    case render::PrintCommand::Month:
      return QString::fromStdString(year.PageName[static_cast<std::size_t>(r.month + 1)]);
    case render::PrintCommand::HalfYear:
      switch (r.half) {
        case render::HalfYear::First:
          return QStringLiteral("Primo semestre");
        case render::HalfYear::Second:
          return QStringLiteral("Secondo semestre");
        case render::HalfYear::CoverOnly:
          break;
      }
      return QStringLiteral("Solo copertina");
  }
  return {};
}

bool SameRequest(const render::PrintRequest& a, const render::PrintRequest& b) {
  if (a.command != b.command) return false;
  if (a.command == render::PrintCommand::Month) return a.month == b.month;
  if (a.command == render::PrintCommand::HalfYear) return a.half == b.half;
  return true;
}

}  // namespace

std::vector<render::PrintRequest> PreviewCommands() {
  std::vector<render::PrintRequest> commands{render::PrintRequest::All()};
  for (int month = 0; month < 12; ++month) commands.push_back(render::PrintRequest::Month(month));
  commands.push_back(render::PrintRequest::Half(render::HalfYear::First));
  commands.push_back(render::PrintRequest::Half(render::HalfYear::Second));
  commands.push_back(render::PrintRequest::Half(render::HalfYear::CoverOnly));
  return commands;
}

render::PrintResult PreviewJob(QPrinter& printer, render::PrintInputs inputs,
                               const render::PrintRequest& request, double pictureDpi) {
  inputs.choices.metrics = MeasurePrinter(printer);
  PreviewHost host(printer, std::move(inputs), pictureDpi);
  render::PrintJobs jobs(host);
  return jobs.Print(request);
}

PrintPreview::PrintPreview(const QPageLayout& page, const core::YearModel& year,
                           const render::PrintRequest& request, Hooks hooks, QWidget* parent)
    : QDialog(parent),
      hooks_(std::move(hooks)),
      request_(request),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
  setWindowTitle(QStringLiteral("Anteprima di stampa"));
  printer_->setPageLayout(page);
  view_ = new QPrintPreviewWidget(printer_.get(), this);
  connect(view_, &QPrintPreviewWidget::paintRequested, this, &PrintPreview::Paint);
  connect(view_, &QPrintPreviewWidget::previewChanged, this, &PrintPreview::ShowPageCounter);

  auto* tools = new QToolBar(this);
  tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  // `text` on the button, `name` in its tool tip with the shortcut.
  const auto action = [&](const QString& text, const QString& name, const QKeySequence& keys,
                          auto slot, QStyle::StandardPixmap icon = QStyle::SP_CustomBase) {
    QAction* a = tools->addAction(text);
    if (icon != QStyle::SP_CustomBase) {
      a->setIcon(style()->standardIcon(icon));
      tools->widgetForAction(a)->setProperty("toolButtonStyle", Qt::ToolButtonIconOnly);
    }
    a->setShortcut(keys);
    a->setToolTip(keys.isEmpty() ? name
                                 : name + QStringLiteral(" (") +
                                       keys.toString(QKeySequence::NativeText) + QLatin1Char(')'));
    connect(a, &QAction::triggered, this, slot);
    return a;
  };
  action(QStringLiteral("Larghezza"), QStringLiteral("Adatta alla larghezza"), QKeySequence(),
         [this] { view_->fitToWidth(); });
  action(QStringLiteral("Pagina intera"), QStringLiteral("Adatta alla pagina"), QKeySequence(),
         [this] { view_->fitInView(); });
  action(QStringLiteral("\u2212"), QStringLiteral("Riduci"), QKeySequence::ZoomOut,
         [this] { view_->zoomOut(); });
  action(QStringLiteral("+"), QStringLiteral("Ingrandisci"), QKeySequence::ZoomIn,
         [this] { view_->zoomIn(); });
  tools->addSeparator();
  action(QStringLiteral("Una pagina"), QStringLiteral("Una pagina alla volta"), QKeySequence(),
         [this] { view_->setSinglePageViewMode(); });
  action(QStringLiteral("Affiancate"), QStringLiteral("Pagine affiancate"), QKeySequence(),
         [this] { view_->setFacingPagesViewMode(); });
  tools->addSeparator();
  action(
      QStringLiteral("Prima"), QStringLiteral("Prima pagina"),
      QKeySequence(Qt::CTRL | Qt::Key_Home), [this] { view_->setCurrentPage(1); },
      QStyle::SP_MediaSkipBackward);
  action(
      QStringLiteral("Precedente"), QStringLiteral("Pagina precedente"),
      QKeySequence(Qt::Key_PageUp), [this] { view_->setCurrentPage(view_->currentPage() - 1); },
      QStyle::SP_ArrowBack);
  counter_ = new QLabel(this);
  counter_->setContentsMargins(8, 0, 8, 0);
  tools->addWidget(counter_);
  action(
      QStringLiteral("Successiva"), QStringLiteral("Pagina successiva"),
      QKeySequence(Qt::Key_PageDown), [this] { view_->setCurrentPage(view_->currentPage() + 1); },
      QStyle::SP_ArrowForward);
  action(
      QStringLiteral("Ultima"), QStringLiteral("Ultima pagina"),
      QKeySequence(Qt::CTRL | Qt::Key_End), [this] { view_->setCurrentPage(view_->pageCount()); },
      QStyle::SP_MediaSkipForward);

  nothing_ = new QLabel(
      QStringLiteral("Con le scelte attuali questo comando non stampa nessuna pagina."), this);
  nothing_->setAlignment(Qt::AlignCenter);
  nothing_->hide();

  command_ = new QComboBox(this);
  for (const render::PrintRequest& r : PreviewCommands()) {
    command_->addItem(CommandName(year, r));
    if (SameRequest(r, request_)) command_->setCurrentIndex(command_->count() - 1);
  }
  auto* commandLabel = new QLabel(QStringLiteral("&Pagine:"), this);
  commandLabel->setBuddy(command_);
  connect(command_, &QComboBox::currentIndexChanged, this, [this](int index) {
    const auto commands = PreviewCommands();
    if (index >= 0 && index < static_cast<int>(commands.size())) setRequest(commands[index]);
  });

  auto* print = new QPushButton(QStringLiteral("&Stampa..."), this);
  auto* exportPdf = new QPushButton(QStringLiteral("&Esporta PDF..."), this);
  auto* close = new QPushButton(QStringLiteral("&Chiudi"), this);
  connect(print, &QPushButton::clicked, this, [this] { Hand(hooks_.print); });
  connect(exportPdf, &QPushButton::clicked, this, [this] { Hand(hooks_.exportPdf); });
  connect(close, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(commandLabel);
  buttons->addWidget(command_);
  buttons->addStretch();
  buttons->addWidget(print);
  buttons->addWidget(exportPdf);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tools);
  layout->addWidget(nothing_);
  layout->addWidget(view_, 1);
  layout->addLayout(buttons);

  // Most of the screen: a page should be readable at once.
  if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
    resize(screen->availableSize() * 0.8);
  }
  view_->fitInView();
}

PrintPreview::~PrintPreview() = default;

void PrintPreview::setRequest(const render::PrintRequest& request) {
  request_ = request;
  view_->updatePreview();
}

void PrintPreview::Paint(QPrinter* printer) {
  if (!hooks_.inputs) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  // As many picture pixels as the screen shows at full size, no more.
  const double dpi = 96 * std::max(1.0, devicePixelRatioF());
  lastResult_ = PreviewJob(*printer, hooks_.inputs(), request_, dpi);
  QApplication::restoreOverrideCursor();
  // Qt's preview keeps the pages of the last drawing that had any: with
  // nothing to print it is hidden behind a word saying so.
  const bool pages = lastResult_.status == render::PrintStatus::Printed;
  nothing_->setText(
      lastResult_.status == render::PrintStatus::NothingToPrint
          ? QStringLiteral("Con le scelte attuali questo comando non stampa nessuna pagina.")
          : QStringLiteral("Le pagine non si possono mostrare."));
  nothing_->setVisible(!pages);
  view_->setVisible(pages);
}

void PrintPreview::ShowPageCounter() {
  const int pages = view_->pageCount();
  counter_->setText(pages == 0
                        ? QString()
                        : QStringLiteral("Pagina %1 di %2").arg(view_->currentPage()).arg(pages));
}

void PrintPreview::Hand(const std::function<void(const render::PrintRequest&)>& action) {
  const render::PrintRequest request = request_;
  // The main window shows the job's progress; the preview is done.
  accept();
  if (action) action(request);
}

}  // namespace orsalimbra::ui
