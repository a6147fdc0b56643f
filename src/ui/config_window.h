// The data-file editor window: the data file as plain text, laid out as a
// table of 20-character columns, with a one-version backup and roll-back.
#pragma once

#include <QDialog>
#include <functional>
#include <memory>

#include "session/program_folder.h"
#include "ui/data_file_saver.h"
#include "ui/editor_columns.h"
#include "ui/editor_font_size.h"

class QPlainTextEdit;
class QPushButton;

namespace orsalimbra::session {
class SettingsStore;
}

namespace orsalimbra::ui {

class FindBar;

// The user's answer when changed text is about to be closed away.
enum class DiscardAnswer { Save, Discard, Cancel };

// What the editor does outside itself; tests replace these.
struct ConfigHooks {
  // Tells the user why a save did not happen. Default: a warning box.
  std::function<void(QWidget* parent, const QString& text)> warn;
  // Opens the help page. Default: the desktop's browser, or the program's
  // help window when none answers.
  std::function<void(QWidget* parent, const QString& helpFile)> openHelp;
  // The file operations of a save. Default: the real files.
  std::shared_ptr<SaveFileSystem> fileSystem;
  // Asks what to do with changed text when the window is closed (Escape,
  // "Annulla", the title bar): "Salva", "Non salvare" or "Annulla". Default:
  // a question box.
  std::function<DiscardAnswer(QWidget* parent)> askDiscard;
  // Shows `text` (rows with a number of items other than the list's) and
  // returns true to save anyway, false to go back to the text. Default: a
  // warning box.
  std::function<bool(QWidget* parent, const QString& text)> confirmUnevenRows;
};

class Config : public QDialog {
  Q_OBJECT

 public:
  static inline const QString kCaption = QStringLiteral("Orsalimbra - Configurazione avanzata");

  // Reads the data file of `files` at once; `entryCount` list entries give
  // the table's columns. Show it with exec(): nothing is returned, a save
  // replaces the data file.
  Config(const session::ProgramFiles& files, int entryCount, session::SettingsStore& settings,
         QWidget* parent = nullptr, ConfigHooks hooks = {});

  // Closing without saving: changed text is never thrown away unasked.
  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPushButton* AddButton(const char* name, const QString& caption, const QString& toolTip);
  void ApplyFont();
  void MoveCaret(TextCaret (*rule)(std::span<const int>, TextCaret));
  // The edited text with '\n' breaks, every character kept.
  QString EditedText() const;
  // The caret to the start of line `line` (from 1) of the text.
  void GoToLine(int line);
  void Reduce();
  void Enlarge();
  void RollBack();
  void Save();
  void Help();

  session::ProgramFiles files_;
  session::SettingsStore& settings_;
  ConfigHooks hooks_;
  EditorFontSize fontSize_;
  QPlainTextEdit* text_;
  FindBar* findBar_;
  // The text as opened: anything else is a change the user may lose.
  QString openedText_;
};

}  // namespace orsalimbra::ui
