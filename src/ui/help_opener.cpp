#include "ui/help_opener.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QWidget>

#include "ui/help_window.h"

namespace orsalimbra::ui {

namespace {

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
bool LinuxDesktopHasBrowser() {
  // The launcher Qt calls for files.
  if (QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty()) return false;
  // What xdg-open falls back on when the desktop names no handler.
  if (!qEnvironmentVariableIsEmpty("BROWSER")) return true;
  if (!QStandardPaths::findExecutable(QStringLiteral("x-www-browser")).isEmpty()) return true;
  QProcess query;
  query.start(QStringLiteral("xdg-mime"),
              {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("text/html")});
  if (!query.waitForFinished(3000)) {
    query.kill();
    query.waitForFinished(1000);
    return false;
  }
  return query.exitStatus() == QProcess::NormalExit && query.exitCode() == 0 &&
         !query.readAllStandardOutput().trimmed().isEmpty();
}
#endif

bool DesktopHasBrowser() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
  return LinuxDesktopHasBrowser();
#else
  return true;
#endif
}

}  // namespace

DesktopBrowser DesktopBrowser::Standard() {
  return {&DesktopHasBrowser, [](const QUrl& url) { return QDesktopServices::openUrl(url); }};
}

HelpWindow* OpenHelp(QWidget* parent, const QString& page, const DesktopBrowser& browser) {
  const QFileInfo file(page);
  if (file.isFile() && browser.available && browser.available() && browser.open &&
      browser.open(QUrl::fromLocalFile(file.absoluteFilePath()))) {
    return nullptr;
  }
  QWidget* owner = parent != nullptr ? parent->window() : nullptr;
  HelpWindow* window = owner != nullptr
                           ? owner->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly)
                           : nullptr;
  if (window == nullptr) window = new HelpWindow(owner);
  window->ShowPage(page);
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}

}  // namespace orsalimbra::ui
