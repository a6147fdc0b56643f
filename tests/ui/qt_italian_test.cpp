// Qt's own dialogs speak Italian once the program loaded Qt's catalogue.
#include "ui/qt_italian.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTranslator>

#include "support/qt_test_support.h"

namespace orsalimbra::ui {
namespace {

TEST(QtItalian, StandardDialogsAndButtonsAreInItalian) {
  QTranslator* translator = InstallQtItalianTexts(*qApp);
  ASSERT_NE(translator, nullptr) << "qtbase_it.qm is missing: install qt6-translations-l10n";
  struct Case {
    const char* context;
    const char* english;
    const char* italian;
  };
  // Texts of the dialogs the program opens: colour, file, print, buttons.
  const Case cases[] = {
      {"QColorDialog", "&Basic colors", "Colori di &base"},
      {"QColorDialog", "Select Color", "Seleziona colore"},
      {"QFileDialog", "Files of type:", "File di tipo:"},
      {"QFileDialog", "Look in:", "Cerca in:"},
      {"QPrintDialog", "Print", "Stampa"},
      {"QPlatformTheme", "Cancel", "Annulla"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(QCoreApplication::translate(c.context, c.english), QString::fromUtf8(c.italian))
        << c.context << " / " << c.english;
  }
  // A standard button made now carries the Italian text.
  QDialogButtonBox buttons(QDialogButtonBox::Cancel);
  EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), "Annulla");

  QCoreApplication::removeTranslator(translator);
  delete translator;
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
}

}  // namespace
}  // namespace orsalimbra::ui
