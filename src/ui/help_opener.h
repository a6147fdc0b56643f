// Help always opens: in the desktop's browser when one answers, otherwise in
// the program's own help window.
//
// Qt's answer alone cannot be trusted on Linux: QDesktopServices hands a page
// to xdg-open and reports success as soon as that script starts, even when it
// then finds no browser and the user sees nothing. So the desktop is used
// only when a browser is known to exist and Qt accepted the page; in every
// other case the page shows in the help window.
#pragma once

#include <QString>
#include <QUrl>
#include <functional>

class QWidget;

namespace orsalimbra::ui {

class HelpWindow;

struct DesktopBrowser {
  // Whether the desktop has a program that shows an HTML page.
  std::function<bool()> available;
  // Asks the desktop to show `url`; false when it refused.
  std::function<bool(const QUrl& url)> open;

  // The real desktop. On Linux a browser exists when xdg-open is installed
  // and it has one to call: the desktop's handler of text/html (xdg-mime),
  // the BROWSER variable, or Debian's x-www-browser. Elsewhere the system's
  // shell always answers, and Qt reports its failures.
  static DesktopBrowser Standard();
};

// Opens the HTML file `page` for the user of `parent`'s window. Returns the
// help window when the page went there (an existing one of that window is
// reused and raised), nullptr when the desktop's browser took it.
HelpWindow* OpenHelp(QWidget* parent, const QString& page,
                     const DesktopBrowser& browser = DesktopBrowser::Standard());

}  // namespace orsalimbra::ui
