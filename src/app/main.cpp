#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QLabel window(" Generatore di calendari - Ver.3.7 ");
  window.show();
  return app.exec();
}
