#include "ui/help_window.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace orsalimbra::ui {

HelpWindow::HelpWindow(QWidget* owner) : QWidget(owner, Qt::Window), browser_(new QTextBrowser) {
  setObjectName(QStringLiteral("Guida"));
  setWindowTitle(kCaption);
  setAttribute(Qt::WA_DeleteOnClose);
  browser_->setObjectName(QStringLiteral("GuidaTesto"));
  // Pages on the web go to the desktop; the help's own pages stay here.
  browser_->setOpenExternalLinks(true);

  const auto button = [this](const QString& caption) {
    auto* b = new QPushButton(caption, this);
    b->setAutoDefault(false);
    return b;
  };
  QPushButton* back = button(QStringLiteral("&Indietro"));
  QPushButton* forward = button(QStringLiteral("&Avanti"));
  QPushButton* home = button(QStringLiteral("Indi&ce"));
  QPushButton* close = button(QStringLiteral("&Chiudi"));
  back->setEnabled(false);
  forward->setEnabled(false);
  connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
  connect(home, &QPushButton::clicked, browser_, &QTextBrowser::home);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
          &QWidget::close);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(back);
  buttons->addWidget(forward);
  buttons->addWidget(home);
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(browser_, 1);
  resize(760, 600);
}

void HelpWindow::ShowPage(const QString& page) {
  const QFileInfo file(page);
  if (!file.isFile()) {
    browser_->setHtml(
        QStringLiteral("<h2>Guida non trovata</h2><p>Il file della guida <b>%1</b> non c'è: "
                       "reinstallare il programma lo rimette al suo posto.</p>")
            .arg(page.toHtmlEscaped()));
    return;
  }
  browser_->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
  browser_->setFocus();
}

}  // namespace orsalimbra::ui
