// Qt's own texts in Italian: the standard dialogs (colour, font, file, print,
// message boxes) and the standard buttons and context menus would otherwise
// speak English inside an Italian program.
#pragma once

class QCoreApplication;
class QTranslator;

namespace orsalimbra::ui {

// Loads the system's Italian catalogue of Qt's base module (qtbase_it, from
// Qt's translations folder) and installs it on `app`, which owns it. Call it
// before any window is built: texts are looked up when a widget is made.
// Returns the installed translator, or nullptr when the catalogue is missing
// (the dialogs then stay in English; the program still works).
QTranslator* InstallQtItalianTexts(QCoreApplication& app);

}  // namespace orsalimbra::ui
