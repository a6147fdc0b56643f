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

class QLabel;
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
  // Tells the user where a save went when it was not where the file was
  // read from. Default: an information box.
  std::function<void(QWidget* parent, const QString& text)> inform;
  // Shows `text` and returns true to give up the user's copy for the data
  // file shipped with the program. Default: a question box.
  std::function<bool(QWidget* parent, const QString& text)> confirmReset;
};

class Config : public QDialog {
  Q_OBJECT

 public:
  static inline const QString kCaption = QStringLiteral("Orsalimbra - Configurazione avanzata");

  // Reads the data file in force of `files` (the user's copy, when there is
  // one) at once; `entryCount` list entries give the table's columns. Show it
  // with exec(): nothing is returned, a save replaces the data file, or
  // creates the user's copy when the program folder cannot be written.
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
  // Sets the user's copy aside and shows the shipped file.
  void Reset();
  // Shows the data file in force as a table, as the text opened; `undoable`:
  // one step of undo brings the text before back.
  void ShowDataFile(bool undoable);
  // Finds the data file in force and where a save goes, and says so.
  void Locate();
  // Replaces the whole text in one step that undo takes back.
  void ReplaceText(const QString& text);
  void Help();

  session::ProgramFiles files_;
  int entryCount_;
  session::DataFileInUse inForce_;
  session::DataFileInUse savePlace_;
  session::SettingsStore& settings_;
  ConfigHooks hooks_;
  EditorFontSize fontSize_;
  QLabel* location_;
  QPushButton* reset_;
  QPlainTextEdit* text_;
  FindBar* findBar_;
  // The text as opened: anything else is a change the user may lose.
  QString openedText_;
};

}  // namespace orsalimbra::ui
