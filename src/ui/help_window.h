// The program's own help window: the shipped help page in a text browser,
// with its links and anchors, for desktops where no browser answers.
#pragma once

#include <QWidget>

class QTextBrowser;

namespace orsalimbra::ui {

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  static inline const QString kCaption = QStringLiteral("Orsalimbra - Guida");

  // A window of its own, owned by `owner` (and closed with it), so that it
  // takes input even while `owner` is a modal dialog.
  explicit HelpWindow(QWidget* owner);

  // Shows the HTML file `page` from its top; a missing file is said so in
  // the window instead.
  void ShowPage(const QString& page);

  QTextBrowser* browser() const { return browser_; }

 private:
  QTextBrowser* browser_;
};

}  // namespace orsalimbra::ui
