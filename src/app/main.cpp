#include <QApplication>

#include "app/command_line.h"
#include "ui/form1.h"
#include "ui/qt_italian.h"
#include "ui/window_environment.h"

int main(int argc, char** argv) {
  // Help and version need no display, so they are answered before Qt starts.
  if (const auto status = orsalimbra::app::AnswerBeforeStart(argc, argv)) return *status;
  QApplication app(argc, argv);
  if (const auto status = orsalimbra::app::RefuseLeftovers(argc, argv)) return *status;
  // The menu entry's name, so that desktops match the window with its entry and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("it.nerb.orsalimbra"));
  orsalimbra::ui::InstallQtItalianTexts(app);
  orsalimbra::ui::Form1 window(orsalimbra::ui::WindowEnvironment::ForRunningProgram());
  window.Start();
  return app.exec();
}
