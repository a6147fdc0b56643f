#include "ui/config_window.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <functional>
#include <memory>

#include "session/settings_store.h"
#include "support/qt_test_support.h"

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
    hooks.openHelp = [this](const QString& page) { helpOpened_.append(page); };
    auto window = std::make_unique<Config>(files_, entryCount, store_, nullptr, hooks);
    window->show();
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
  for (const Expected& e : {Expected{"Riduci", "Riduci carattere", ""},
                            {"Aumenta", "Ingrandisci carattere", ""},
                            {"RollBack", "Versione precedente", ""},
                            {"SalvaKey", "Salva", " Salva le modifiche apportate al file "},
                            {"AnnullaKey", "Annulla", " Ritorna senza apportare modifiche "},
                            {"Aiuto", "Aiuto", ""}}) {
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
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(window->result(), QDialog::Rejected);
  EXPECT_EQ(ReadFile(files_.dataFile), "a\r\n");
  EXPECT_EQ(Stored("FontSize"), "<none>");
}

}  // namespace
}  // namespace orsalimbra::ui
