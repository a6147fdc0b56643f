#include "ui/qt_italian.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace orsalimbra::ui {

QTranslator* InstallQtItalianTexts(QCoreApplication& app) {
  auto* translator = new QTranslator(&app);
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  // The program speaks Italian whatever the desktop's language is.
  if (!translator->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"),
                        QStringLiteral("_"), folder) ||
      !QCoreApplication::installTranslator(translator)) {
    qWarning(
        "Orsalimbra: Qt's Italian texts (qtbase_it.qm) are missing in %s; the standard "
        "dialogs stay in English.",
        qPrintable(folder));
    delete translator;
    return nullptr;
  }
  return translator;
}

}  // namespace orsalimbra::ui
