#include <QApplication>

#include "ui/form1.h"
#include "ui/qt_italian.h"
#include "ui/window_environment.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  orsalimbra::ui::InstallQtItalianTexts(app);
  orsalimbra::ui::Form1 window(orsalimbra::ui::WindowEnvironment::ForRunningProgram());
  window.Start();
  return app.exec();
}
