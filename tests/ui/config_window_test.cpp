#include "ui/config_window.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <functional>
#include <memory>

#include "session/settings_store.h"
#include "support/qt_test_support.h"
#include "ui/data_file_text.h"
#include "ui/find_bar.h"

namespace orsalimbra::ui {
namespace {

using test_support::ReadFile;
using test_support::WriteFile;

QString Spaces(int n) { return QString(n, u' '); }

class ConfigTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    files_ = session::ProgramFiles::In(folder_.path());
  }

  std::unique_ptr<Config> Open(int entryCount) {
    ConfigHooks hooks;
    hooks.warn = [this](QWidget*, const QString& text) { warnings_.append(text); };
    hooks.openHelp = [this](QWidget*, const QString& page) { helpOpened_.append(page); };
    hooks.askDiscard = [this](QWidget*) {
      ++discardAsked_;
      return discardAnswer_;
    };
    hooks.confirmUnevenRows = [this](QWidget*, const QString& text) {
      unevenRows_.append(text);
      return saveUnevenRows_;
    };
    hooks.inform = [this](QWidget*, const QString& text) { informed_.append(text); };
    hooks.confirmReset = [this](QWidget*, const QString& text) {
      resetAsked_.append(text);
      return resetAnswer_;
    };
    auto window = std::make_unique<Config>(files_, entryCount, store_, nullptr, hooks);
    window->show();
    // Keys reach the window's shortcuts only while it is the active one.
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    return window;
  }

  static QPlainTextEdit* Text(Config& window) {
    return window.findChild<QPlainTextEdit*>(QStringLiteral("Testo"));
  }
  static QPushButton* Button(Config& window, const char* name) {
    return window.findChild<QPushButton*>(QString::fromLatin1(name));
  }
  static TextCaret Caret(Config& window) {
    const QTextCursor cursor = Text(window)->textCursor();
    return {cursor.blockNumber(), cursor.positionInBlock()};
  }
  QString Stored(const char* key) { return store_.read(QString::fromLatin1(key), "<none>"); }

  test_support::TempSettings settings_;
  QTemporaryDir folder_;
  session::ProgramFiles files_;
  session::SettingsStore store_{QStringLiteral("EditorTest")};
  QStringList warnings_;
  QStringList helpOpened_;
  // The answers to the editor's questions, and the questions asked.
  DiscardAnswer discardAnswer_ = DiscardAnswer::Discard;
  int discardAsked_ = 0;
  bool saveUnevenRows_ = true;
  QStringList unevenRows_;
  QStringList informed_;
  bool resetAnswer_ = true;
  QStringList resetAsked_;
};

TEST_F(ConfigTest, ShowsTheFileAsATableOfEntryColumns) {
  ASSERT_TRUE(WriteFile(files_.dataFile, "[1] Gennaio\r\n<MESI>   \r\n"));
  auto window = Open(3);
  EXPECT_EQ(window->windowTitle(), "Orsalimbra - Configurazione avanzata");
  EXPECT_EQ(Text(*window)->toPlainText(),
            QStringLiteral("[1] Gennaio") + Spaces(67) + "\n<MESI>" + Spaces(72) + "\n");
  EXPECT_EQ(Caret(*window), (TextCaret{0, 0}));
  EXPECT_EQ(window->focusWidget(), Text(*window));
  EXPECT_EQ(Text(*window)->lineWrapMode(), QPlainTextEdit::NoWrap);
  const QFont font = Text(*window)->font();
  EXPECT_TRUE(font.bold());
  EXPECT_EQ(font.pointSize(), 9);
  EXPECT_TRUE(font.fixedPitch() || QFontInfo(font).fixedPitch());

  struct Expected {
    const char* name;
    const char* caption;
    const char* toolTip;
  };
  // Captions with "&" before the letter Alt presses.
  for (const Expected& e : {Expected{"Riduci", "&Riduci carattere", ""},
                            {"Aumenta", "&Ingrandisci carattere", ""},
                            {"RollBack", "&Versione precedente", ""},
                            {"SalvaKey", "&Salva", " Salva le modifiche apportate al file "},
                            {"AnnullaKey", "&Annulla", " Ritorna senza apportare modifiche "},
                            {"Aiuto", "Ai&uto", ""}}) {
    QPushButton* button = Button(*window, e.name);
    ASSERT_NE(button, nullptr) << e.name;
    EXPECT_EQ(button->text(), e.caption);
    EXPECT_EQ(button->toolTip(), e.toolTip);
  }
}

TEST_F(ConfigTest, TabAndEnterMoveTheCaretWithoutTyping) {
  ASSERT_TRUE(WriteFile(files_.dataFile, "[1] Gennaio\r\n[2] Febbraio\r\n"));
  auto window = Open(3);
  QPlainTextEdit* text = Text(*window);
  const QString before = text->toPlainText();
  for (const TextCaret stop : {TextCaret{0, 20}, {0, 40}, {0, 60}, {1, 0}}) {
    QTest::keyClick(text, Qt::Key_Tab);
    EXPECT_EQ(Caret(*window), stop);
  }
  QTest::keyClick(text, Qt::Key_Right);
  QTest::keyClick(text, Qt::Key_Return);
  EXPECT_EQ(Caret(*window), (TextCaret{2, 0}));
  text->moveCursor(QTextCursor::Start);
  QTest::keyClick(text, Qt::Key_Enter, Qt::KeypadModifier);
  QTest::keyClick(text, Qt::Key_Return, Qt::ShiftModifier);
  EXPECT_EQ(Caret(*window), (TextCaret{2, 0}));
  EXPECT_EQ(text->toPlainText(), before);
  // Shift+Tab leaves the text without typing a tab.
  QTest::keyClick(text, Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(text->toPlainText(), before);
  EXPECT_NE(window->focusWidget(), text);
  EXPECT_TRUE(window->isVisible());
}

TEST_F(ConfigTest, WithoutEntriesTabGoesFromLineToLine) {
  ASSERT_TRUE(WriteFile(files_.dataFile, "<LINGUE>\r\nItaliano\r\n"));
  auto window = Open(0);
  EXPECT_EQ(Text(*window)->document()->firstBlock().text(),
            QStringLiteral("<LINGUE>") + Spaces(10));
  QTest::keyClick(Text(*window), Qt::Key_Tab);
  EXPECT_EQ(Caret(*window), (TextCaret{1, 0}));
}

TEST_F(ConfigTest, FontSizeStaysInRangeAndIsStoredOnEnlargingOrSaving) {
  store_.write("FontSize", "15");
  {
    auto window = Open(1);
    EXPECT_EQ(Text(*window)->font().pointSize(), 15);
    Button(*window, "Aumenta")->click();
    Button(*window, "Aumenta")->click();
    EXPECT_EQ(Text(*window)->font().pointSize(), 16);
    EXPECT_EQ(window->focusWidget(), Text(*window));
    // Enlarging is stored at once: it survives "Annulla".
    Button(*window, "AnnullaKey")->click();
    EXPECT_FALSE(window->isVisible());
  }
  EXPECT_EQ(Stored("FontSize"), "16");
  {
    auto window = Open(1);
    for (int i = 0; i < 10; ++i) Button(*window, "Riduci")->click();
    EXPECT_EQ(Text(*window)->font().pointSize(), 9);
    EXPECT_EQ(Stored("FontSize"), "16");
    // Reducing is stored only by a save (or the next enlargement)...
    Button(*window, "AnnullaKey")->click();
  }
  EXPECT_EQ(Stored("FontSize"), "16");
  {
    auto window = Open(1);
    Button(*window, "Riduci")->click();
    Button(*window, "SalvaKey")->click();
    EXPECT_FALSE(window->isVisible());
  }
  EXPECT_EQ(Stored("FontSize"), "15");
  {
    auto window = Open(1);
    Button(*window, "Riduci")->click();
    Button(*window, "Riduci")->click();
    Button(*window, "Aumenta")->click();
  }
  EXPECT_EQ(Stored("FontSize"), "14");
  // A hand-edited size beyond the range, or no number at all.
  store_.write("FontSize", "40");
  EXPECT_EQ(Text(*Open(1))->font().pointSize(), 16);
  store_.write("FontSize", "grande");
  EXPECT_EQ(Text(*Open(1))->font().pointSize(), 9);
}

TEST_F(ConfigTest, SavesWindows1252WithCrLfAndRollsBackOneVersion) {
  ASSERT_TRUE(WriteFile(files_.dataFile, "<TITOLI>\r\n"));
  {
    auto window = Open(0);
    QTextCursor cursor(Text(*window)->document()->lastBlock());
    // A no-break space is a character of its own in the file.
    cursor.insertText(QStringLiteral("\"Città €\"\u00A0x"));
    Button(*window, "SalvaKey")->click();
    EXPECT_TRUE(warnings_.isEmpty()) << warnings_.join("\n").toStdString();
    EXPECT_EQ(window->result(), QDialog::Accepted);
  }
  const QByteArray first = "<TITOLI>" + QByteArray(10, ' ') + "\r\n\"Citt\xE0 \x80\"\xA0x";
  EXPECT_EQ(ReadFile(files_.dataFile), first);
  EXPECT_EQ(ReadFile(files_.backupFile), "<TITOLI>\r\n");
  {
    auto window = Open(0);
    Text(*window)->setPlainText("second\n");
    Button(*window, "SalvaKey")->click();
  }
  EXPECT_EQ(ReadFile(files_.dataFile), "second\r\n");
  EXPECT_EQ(ReadFile(files_.backupFile), first);
  auto window = Open(0);
  Text(*window)->insertPlainText("edited ");
  Button(*window, "RollBack")->click();
  // The first saved text as stored: no filling is added.
  EXPECT_EQ(Text(*window)->toPlainText(),
            QStringLiteral("<TITOLI>") + Spaces(10) + QStringLiteral("\n\"Città €\" x"));
  EXPECT_EQ(Text(*window)->document()->toRawText().count(QChar::Nbsp), 1);
  EXPECT_EQ(window->focusWidget(), Text(*window));
  EXPECT_EQ(ReadFile(files_.dataFile), "second\r\n");
  // The roll-back can be undone.
  Text(*window)->undo();
  EXPECT_TRUE(Text(*window)->toPlainText().startsWith("edited second"));
}

TEST_F(ConfigTest, RollBackWithoutABackupChangesNothing) {
  auto window = Open(2);
  EXPECT_TRUE(Text(*window)->toPlainText().isEmpty());
  Text(*window)->setPlainText("typed");
  Button(*window, "RollBack")->click();
  ASSERT_TRUE(WriteFile(files_.backupFile, ""));
  Button(*window, "RollBack")->click();
  EXPECT_EQ(Text(*window)->toPlainText(), "typed");
  // Saving creates the missing data file.
  Button(*window, "SalvaKey")->click();
  EXPECT_EQ(ReadFile(files_.dataFile), "typed");
  EXPECT_EQ(ReadFile(files_.backupFile), "");
}

TEST_F(ConfigTest, ADataFileThatCannotBeReadIsToldNotShownAsEmpty) {
  // What stands in the data file's place exists but cannot be read as a
  // file; a FIFO must not keep the window from opening.
  struct Row {
    const char* name;
    std::function<bool(const QString& path)> make;
  };
  const Row rows[] = {
      {"folder", [](const QString& path) { return QDir().mkpath(path); }},
      {"FIFO",
       [](const QString& path) { return mkfifo(QFile::encodeName(path).constData(), 0644) == 0; }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    QDir(files_.dataFile).removeRecursively();
    QFile::remove(files_.dataFile);
    ASSERT_TRUE(row.make(files_.dataFile));
    warnings_.clear();
    auto window = Open(2);
    EXPECT_TRUE(Text(*window)->toPlainText().isEmpty());
    ASSERT_EQ(warnings_.size(), 1);
    EXPECT_TRUE(warnings_[0].contains(QStringLiteral("non si può leggere")))
        << warnings_[0].toStdString();
  }
}

TEST_F(ConfigTest, ATextWindows1252CannotHoldIsNotSaved) {
  ASSERT_TRUE(WriteFile(files_.dataFile, "a\r\nb\r\n"));
  ASSERT_TRUE(WriteFile(files_.backupFile, "old\r\n"));
  auto window = Open(0);
  QTextCursor cursor(Text(*window)->document()->findBlockByNumber(1));
  cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 4);
  cursor.insertText(QStringLiteral("Ω"));
  Button(*window, "SalvaKey")->click();
  ASSERT_EQ(warnings_.size(), 1);
  EXPECT_TRUE(warnings_[0].contains(QStringLiteral("«Ω» (U+03A9) alla riga 2, colonna 5")))
      << warnings_[0].toStdString();
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(Text(*window)->toPlainText().contains(QStringLiteral("Ω")));
  EXPECT_EQ(ReadFile(files_.dataFile), "a\r\nb\r\n");
  EXPECT_EQ(ReadFile(files_.backupFile), "old\r\n");
  EXPECT_EQ(Stored("FontSize"), "<none>");
  EXPECT_EQ(test_support::FileNames(folder_.path()),
            QStringList({"Orsalimbra.bak", "Orsalimbra.ini"}));
}

TEST_F(ConfigTest, AFailedSaveKeepsTheWindowTheTextAndTheFiles) {
  ASSERT_TRUE(WriteFile(files_.dataFile, "a\r\n"));
  ASSERT_TRUE(WriteFile(files_.backupFile, "old\r\n"));
  auto window = Open(0);
  Text(*window)->setPlainText("new text\n");
  {
    test_support::ReadOnlyFolder readOnly(folder_.path());
    test_support::NotRootForFiles notRoot;
    ASSERT_TRUE(notRoot.active());
    Button(*window, "SalvaKey")->click();
  }
  ASSERT_EQ(warnings_.size(), 1);
  EXPECT_TRUE(warnings_[0].contains(folder_.path())) << warnings_[0].toStdString();
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(Text(*window)->toPlainText(), "new text\n");
  EXPECT_EQ(ReadFile(files_.dataFile), "a\r\n");
  EXPECT_EQ(ReadFile(files_.backupFile), "old\r\n");
  EXPECT_EQ(Stored("FontSize"), "<none>");
  // Once the folder is writable again the same window saves.
  Button(*window, "SalvaKey")->click();
  EXPECT_EQ(ReadFile(files_.dataFile), "new text\r\n");
  EXPECT_EQ(ReadFile(files_.backupFile), "a\r\n");
}

TEST_F(ConfigTest, EscapeCancelsAndF1OpensHelpFromAnywhere) {
  ASSERT_TRUE(WriteFile(files_.dataFile, "a\r\n"));
  auto window = Open(0);
  QTest::keyClick(Text(*window), Qt::Key_F1);
  QTest::keyClick(Button(*window, "Riduci"), Qt::Key_F1);
  EXPECT_EQ(helpOpened_, QStringList({files_.helpFile, files_.helpFile}));
  Button(*window, "Aiuto")->click();
  EXPECT_EQ(helpOpened_.size(), 3);
  Text(*window)->insertPlainText("changed");
  QTest::keyClick(Text(*window), Qt::Key_Escape);
  // Asked first: the answer here is "Non salvare".
  EXPECT_EQ(discardAsked_, 1);
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(window->result(), QDialog::Rejected);
  EXPECT_EQ(ReadFile(files_.dataFile), "a\r\n");
  EXPECT_EQ(Stored("FontSize"), "<none>");
}

TEST_F(ConfigTest, ClosingChangedTextAsksAndLosesNothingUnasked) {
  enum class Way { Escape, Annulla, TitleBar };
  struct Case {
    const char* name;
    Way way;
    DiscardAnswer answer;
    bool open;                // the window is still there
    const char* dataFileNow;  // what the data file holds afterwards
  };
  const Case cases[] = {
      {"Escape, then Annulla: back to the text", Way::Escape, DiscardAnswer::Cancel, true, "a\r\n"},
      {"Annulla, then Annulla", Way::Annulla, DiscardAnswer::Cancel, true, "a\r\n"},
      {"title bar, then Annulla", Way::TitleBar, DiscardAnswer::Cancel, true, "a\r\n"},
      {"Escape, then Non salvare", Way::Escape, DiscardAnswer::Discard, false, "a\r\n"},
      {"title bar, then Non salvare", Way::TitleBar, DiscardAnswer::Discard, false, "a\r\n"},
      {"Escape, then Salva", Way::Escape, DiscardAnswer::Save, false, "ba\r\n"},
      {"Annulla, then Salva", Way::Annulla, DiscardAnswer::Save, false, "ba\r\n"},
      {"title bar, then Salva", Way::TitleBar, DiscardAnswer::Save, false, "ba\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(WriteFile(files_.dataFile, "a\r\n"));
    discardAnswer_ = c.answer;
    discardAsked_ = 0;
    auto window = Open(0);
    Text(*window)->setPlainText("ba\n");
    switch (c.way) {
      case Way::Escape:
        QTest::keyClick(Text(*window), Qt::Key_Escape);
        break;
      case Way::Annulla:
        Button(*window, "AnnullaKey")->click();
        break;
      case Way::TitleBar:
        window->close();
        break;
    }
    EXPECT_EQ(discardAsked_, 1);
    EXPECT_EQ(window->isVisible(), c.open);
    EXPECT_EQ(ReadFile(files_.dataFile), c.dataFileNow);
    if (c.open) {
      EXPECT_EQ(Text(*window)->toPlainText(), "ba\n");
      EXPECT_EQ(window->focusWidget(), Text(*window));
    }
  }
  // Text typed and taken back again is no change: nothing to ask.
  discardAsked_ = 0;
  auto window = Open(0);
  Text(*window)->insertPlainText("x");
  QTest::keyClick(Text(*window), Qt::Key_Backspace);
  QTest::keyClick(Text(*window), Qt::Key_Escape);
  EXPECT_EQ(discardAsked_, 0);
  EXPECT_FALSE(window->isVisible());
}

TEST_F(ConfigTest, CtrlSSavesAndCtrlFFindsWithF3) {
  ASSERT_TRUE(WriteFile(files_.dataFile,
                        "<MESI>\r\n[1] Gennaio gennaio\r\n[2] Febbraio\r\n[3] GENNAIO\r\n"));
  auto window = Open(0);
  QPlainTextEdit* text = Text(*window);
  const auto selection = [&] {
    const QTextCursor cursor = text->textCursor();
    return std::make_pair(cursor.blockNumber(), cursor.selectedText());
  };
  QTest::keyClick(text, Qt::Key_F, Qt::ControlModifier);
  auto* field = window->findChild<QLineEdit*>(QStringLiteral("TrovaTesto"));
  ASSERT_NE(field, nullptr);
  EXPECT_TRUE(field->isVisible());
  EXPECT_TRUE(field->hasFocus());
  QTest::keyClicks(field, QStringLiteral("gennaio"));
  QTest::keyClick(field, Qt::Key_Return);
  // Case does not count; the search goes round the end of the text.
  EXPECT_EQ(selection(), std::make_pair(1, QStringLiteral("Gennaio")));
  QTest::keyClick(field, Qt::Key_F3);
  EXPECT_EQ(selection(), std::make_pair(1, QStringLiteral("gennaio")));
  QTest::keyClick(text, Qt::Key_F3);
  EXPECT_EQ(selection(), std::make_pair(3, QStringLiteral("GENNAIO")));
  QTest::keyClick(text, Qt::Key_F3);
  EXPECT_EQ(selection(), std::make_pair(1, QStringLiteral("Gennaio")));
  QTest::keyClick(text, Qt::Key_F3, Qt::ShiftModifier);
  EXPECT_EQ(selection(), std::make_pair(3, QStringLiteral("GENNAIO")));
  auto* bar = window->findChild<FindBar*>();
  ASSERT_NE(bar, nullptr);
  EXPECT_TRUE(bar->status().isEmpty());

  // Not there: said so, the caret stays.
  field->setFocus();
  field->setText(QStringLiteral("Marzo"));
  QTest::keyClick(field, Qt::Key_Return);
  EXPECT_EQ(bar->status(), "Non trovato");
  EXPECT_EQ(selection(), std::make_pair(3, QStringLiteral("GENNAIO")));
  // Escape in the bar closes the bar, not the window.
  QTest::keyClick(field, Qt::Key_Escape);
  EXPECT_FALSE(bar->isVisible());
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->focusWidget(), text);
  EXPECT_EQ(text->toPlainText().count(QStringLiteral("Marzo")), 0);

  text->moveCursor(QTextCursor::End);
  text->insertPlainText(QStringLiteral("[4] Aprile\n"));
  QTest::keyClick(text, Qt::Key_S, Qt::ControlModifier);
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(window->result(), QDialog::Accepted);
  EXPECT_TRUE(ReadFile(files_.dataFile).endsWith("[4] Aprile\r\n"));
}

// Three list entries; the title row and the March row as the cases have them.
QByteArray RowsFile(const char* titles, const char* march) {
  return QByteArray("<LINGUE>\r\n") + "                    Italiano English Deutsch\r\n" +
         "<TITOLI>\r\n" + "                    " + titles + "\r\n" + "<MESI>\r\n" +
         "[1]                 Gennaio January Januar\r\n" + "[3]                 " + march + "\r\n";
}

TEST_F(ConfigTest, SaveNamesRowsOfAnotherWidthAndLetsTheUserChoose) {
  struct Case {
    const char* name;
    const char* titles;
    const char* march;
    QStringList named;  // rows the question names
    bool saveAnyway;
    int caretLine;  // where the caret goes back to, from 0
  };
  const Case cases[] = {
      {"even rows: no question",
       "Calendario #Calendar Kalender",
       "Marzo March M\xE4rz",
       {},
       false,
       0},
      {"a title typed without quotes, back to the text",
       "Calendario di casa #Calendar Kalender",
       "Marzo March M\xE4rz",
       {"riga 4, <TITOLI>: 5 voci"},
       false,
       3},
      {"an item short and one too many, saved anyway",
       "Calendario #Calendar",
       "Marzo March M\xE4rz extra",
       {"riga 4, <TITOLI>: 2 voci", "riga 7, <MESI> [3]: 4 voci"},
       true,
       0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const QByteArray before = RowsFile("Calendario #Calendar Kalender", "Marzo March M\xE4rz");
    ASSERT_TRUE(WriteFile(files_.dataFile, before));
    unevenRows_.clear();
    saveUnevenRows_ = c.saveAnyway;
    auto window = Open(3);
    const QString edited = ToEditorText(DecodeDataFile(RowsFile(c.titles, c.march)));
    Text(*window)->setPlainText(edited);
    Button(*window, "SalvaKey")->click();
    if (c.named.isEmpty()) {
      EXPECT_TRUE(unevenRows_.isEmpty());
      EXPECT_FALSE(window->isVisible());
      continue;
    }
    ASSERT_EQ(unevenRows_.size(), 1);
    EXPECT_TRUE(unevenRows_[0].contains(QStringLiteral("L'elenco ha 3 voci")));
    for (const QString& row : c.named) {
      EXPECT_TRUE(unevenRows_[0].contains(row)) << unevenRows_[0].toStdString();
    }
    if (c.saveAnyway) {
      EXPECT_FALSE(window->isVisible());
      EXPECT_EQ(ReadFile(files_.dataFile), RowsFile(c.titles, c.march));
      EXPECT_EQ(ReadFile(files_.backupFile), before);
    } else {
      // Nothing written, nothing lost: the text waits at the first row named.
      EXPECT_TRUE(window->isVisible());
      EXPECT_EQ(ReadFile(files_.dataFile), before);
      EXPECT_EQ(Text(*window)->toPlainText(), edited);
      EXPECT_EQ(Caret(*window), (TextCaret{c.caretLine, 0}));
    }
  }
}

// Installed for the whole system: the program folder is read-only and the
// user's copy of the data file lives in the user's own folder.
class UserCopyTest : public ConfigTest {
 protected:
  void SetUp() override {
    ConfigTest::SetUp();
    ASSERT_TRUE(home_.isValid());
    // Writable under the identity the test takes, as a home is.
    ASSERT_TRUE(QFile::setPermissions(home_.path(), test_support::kOpenToAll));
    files_ = session::ProgramFiles::In(folder_.path(), home_.filePath("Nerb/Orsalimbra"));
    user_ = session::DataFilePlace::In(files_.userFolder);
    ASSERT_TRUE(WriteFile(files_.dataFile, "shipped\r\n"));
  }
  static QLabel* Location(Config& window) {
    return window.findChild<QLabel*>(QStringLiteral("FileDati"));
  }
  static QString FirstLine(Config& window) {
    return Text(window)->document()->firstBlock().text().trimmed();
  }

  QTemporaryDir home_;
  session::DataFilePlace user_;
};

TEST_F(UserCopyTest, TheFirstSaveCreatesTheCopyAndResetGoesBack) {
  test_support::ReadOnlyFolder readOnly(folder_.path());
  test_support::NotRootForFiles notRoot;
  ASSERT_TRUE(notRoot.active());

  auto window = Open(0);
  EXPECT_EQ(FirstLine(*window), "shipped");
  EXPECT_TRUE(Location(*window)->text().contains(files_.dataFile));
  EXPECT_TRUE(Location(*window)->text().contains(user_.dataFile));
  QPushButton* reset = Button(*window, "Ripristina");
  ASSERT_NE(reset, nullptr);
  EXPECT_EQ(reset->text(), "Ripristina il file &originale");
  EXPECT_TRUE(reset->isVisibleTo(window.get()));
  EXPECT_FALSE(reset->isEnabled());
  Text(*window)->setPlainText("edited\n");
  Button(*window, "SalvaKey")->click();
  EXPECT_TRUE(warnings_.isEmpty()) << warnings_.join("\n").toStdString();
  EXPECT_FALSE(window->isVisible());
  ASSERT_EQ(informed_.size(), 1);
  EXPECT_TRUE(informed_[0].contains(user_.dataFile)) << informed_[0].toStdString();
  EXPECT_TRUE(informed_[0].contains("Ripristina il file originale"));
  EXPECT_EQ(ReadFile(user_.dataFile), "edited\r\n");
  EXPECT_EQ(ReadFile(user_.backupFile), "shipped\r\n");
  EXPECT_EQ(ReadFile(files_.dataFile), "shipped\r\n");
  EXPECT_EQ(test_support::FileNames(folder_.path()), QStringList({"Orsalimbra.ini"}));

  // The copy is read from now on; its roll-back is the shipped text.
  window = Open(0);
  EXPECT_EQ(FirstLine(*window), "edited");
  EXPECT_TRUE(Location(*window)->text().contains(user_.dataFile));
  reset = Button(*window, "Ripristina");
  EXPECT_TRUE(reset->isEnabled());
  Button(*window, "RollBack")->click();
  EXPECT_EQ(FirstLine(*window), "shipped");
  Text(*window)->undo();

  // Asked first; "Annulla" changes nothing.
  resetAnswer_ = false;
  reset->click();
  ASSERT_EQ(resetAsked_.size(), 1);
  EXPECT_TRUE(resetAsked_[0].contains(files_.dataFile)) << resetAsked_[0].toStdString();
  EXPECT_TRUE(resetAsked_[0].contains(user_.backupFile)) << resetAsked_[0].toStdString();
  EXPECT_TRUE(resetAsked_[0].contains("Versione precedente"));
  EXPECT_EQ(ReadFile(user_.dataFile), "edited\r\n");
  EXPECT_EQ(FirstLine(*window), "edited");

  // Confirmed: the copy becomes the backup and the shipped file is shown.
  resetAnswer_ = true;
  reset->click();
  EXPECT_EQ(ReadFile(user_.dataFile), "<missing>");
  EXPECT_EQ(ReadFile(user_.backupFile), "edited\r\n");
  EXPECT_EQ(FirstLine(*window), "shipped");
  EXPECT_FALSE(reset->isEnabled());
  EXPECT_TRUE(Location(*window)->text().contains(files_.dataFile));
  Button(*window, "RollBack")->click();
  EXPECT_EQ(FirstLine(*window), "edited");
  // Saved again, the copy is back and the earlier text of the user's stays
  // its backup.
  Button(*window, "SalvaKey")->click();
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(informed_.size(), 2);
  EXPECT_EQ(ReadFile(user_.dataFile), "edited\r\n");
  EXPECT_EQ(ReadFile(user_.backupFile), "edited\r\n");
  EXPECT_TRUE(warnings_.isEmpty()) << warnings_.join("\n").toStdString();
}

TEST_F(UserCopyTest, ACopyThatCannotBeReadIsToldAndNotReplacedUnasked) {
  ASSERT_TRUE(QDir().mkpath(user_.folder));
  ASSERT_TRUE(QFile::setPermissions(user_.folder, QFile::permissions(home_.path())));
  ASSERT_TRUE(WriteFile(user_.dataFile, "mine\r\n"));
  ASSERT_TRUE(QFile::setPermissions(user_.dataFile, {}));
  test_support::ReadOnlyFolder readOnly(folder_.path());
  test_support::NotRootForFiles notRoot;
  ASSERT_TRUE(notRoot.active());
  auto window = Open(0);
  // The shipped text is not shown in its place.
  EXPECT_EQ(Text(*window)->toPlainText(), "");
  ASSERT_EQ(warnings_.size(), 1);
  EXPECT_TRUE(warnings_[0].contains(user_.dataFile)) << warnings_[0].toStdString();
  Button(*window, "Ripristina")->click();
  EXPECT_EQ(FirstLine(*window), "shipped");
  EXPECT_FALSE(QFile::exists(user_.dataFile));
  EXPECT_TRUE(QFile::exists(user_.backupFile));
}

TEST_F(UserCopyTest, AWritableProgramFolderKeepsItsOwnDataFile) {
  auto window = Open(0);
  EXPECT_EQ(Location(*window)->text(), "File dei dati: " + files_.dataFile);
  Text(*window)->setPlainText("edited\n");
  Button(*window, "SalvaKey")->click();
  EXPECT_TRUE(informed_.isEmpty());
  EXPECT_EQ(ReadFile(files_.dataFile), "edited\r\n");
  EXPECT_EQ(ReadFile(files_.backupFile), "shipped\r\n");
  EXPECT_FALSE(QFile::exists(user_.folder));
}

}  // namespace
}  // namespace orsalimbra::ui
