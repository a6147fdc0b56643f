#include "ui/main_window.h"

#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>

#include "render/credits.h"
#include "version/version.h"

namespace orsalimbra::ui {

namespace {
// How long the status line keeps a message.
constexpr int kStatusMilliseconds = 15000;
}  // namespace

QString AboutText() {
  return QStringLiteral(
             "<h3>Orsalimbra %1</h3>"
             "<p>Generatore di calendari da parete: anno, lingua o paese, impaginazione, "
             "titoli, fasi lunari, foto e note, stampati o salvati in PDF.</p>"
             "<p>Licenza: tutti i diritti riservati agli sviluppatori di Orsalimbra.</p>"
             "<p>%2</p>")
      .arg(QString::fromLatin1(orsalimbra::kVersion),
           QString::fromUtf8(render::kAuthorCredit.data(),
                             static_cast<qsizetype>(render::kAuthorCredit.size())));
}

MainWindow::MainWindow(WindowEnvironment environment, WindowServices services, QWidget* parent)
    : QMainWindow(parent), form_(new Form1(std::move(environment), std::move(services), this)) {
  setCentralWidget(form_);
  setWindowTitle(form_->windowTitle());
  setWindowIcon(form_->windowIcon());
  // The form keeps its fixed size; the window grows by the menu bar and the
  // status line and cannot be resized.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  CreateMenus();
  // Made now, so that the window has its size before the first message.
  statusBar();
  connect(form_, &Form1::outputWritten, this, [this](const QString& message) {
    statusBar()->showMessage(message, kStatusMilliseconds);
  });
}

void MainWindow::CreateMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  const auto add = [this](QMenu* menu, const QString& text, const QKeySequence& keys, auto slot) {
    QAction* action = menu->addAction(text);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, slot);
    return action;
  };
  add(file, QStringLiteral("&Anteprima di stampa..."),
      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P),
      [this] { form_->OpenPreview(render::PrintRequest::All()); });
  add(file, QStringLiteral("&Esporta PDF..."), QKeySequence(Qt::CTRL | Qt::Key_E),
      [this] { form_->ExportPdf(render::PrintRequest::All()); });
  add(file, QStringLiteral("&Stampa tutto..."), QKeySequence(Qt::CTRL | Qt::Key_P),
      [this] { form_->PrintAllCommand(); });
  file->addSeparator();
  add(file, QStringLiteral("&Date personali..."), QKeySequence(),
      [this] { form_->PersonalDatesCommand(); });
  file->addSeparator();
  add(file, QStringLiteral("E&sci"), QKeySequence(Qt::CTRL | Qt::Key_Q),
      [this] { form_->ExitCommand(); });

  QMenu* help = menuBar()->addMenu(QStringLiteral("Ai&uto"));
  form_->HandOverHelpKey();
  add(help, QStringLiteral("&Guida"), QKeySequence(Qt::Key_F1), [this] { form_->HelpCommand(); });
  add(help, QStringLiteral("&Informazioni su Orsalimbra"), QKeySequence(), [this] { ShowAbout(); });
}

void MainWindow::ShowAbout() {
  QMessageBox::about(this, QStringLiteral("Informazioni su Orsalimbra"), AboutText());
}

}  // namespace orsalimbra::ui
