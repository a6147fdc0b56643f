// The main window from the keyboard and for a new user: the year box takes
// only years, the keys of a spin box, Tab through every control, Space on the
// clickable pictures and labels, Alt letters, F1, tool tips, the title font
// chooser opened on the face really used, and captions that are never cut.
#include <QAbstractItemView>
#include <QProcess>

#include "main_window_fixture.h"
#include "ui/eliding_combo_box.h"
#include "ui/wrap_button.h"
#include "ui/year_check.h"

namespace orsalimbra::ui::testing {
namespace {

// The text of a produced PDF.
QString PdfText(const QString& pdf) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
  if (!process.waitForFinished(30000) || process.exitCode() != 0) return {};
  return QString::fromUtf8(process.readAllStandardOutput());
}

void TypeYear(QLineEdit* box, const QString& text) {
  box->setFocus(Qt::MouseFocusReason);
  box->selectAll();
  QTest::keyClick(box, Qt::Key_Delete);
  // As typed or pasted (QTest types ASCII only).
  box->insert(text);
}

TEST_F(MainWindowTest, TheYearBoxTakesOnlyYearsAndSaysWhy) {
  struct Case {
    const char* name;
    const char* typed;
    int year;           // in force afterwards (2026 before each case)
    const char* shown;  // what the box shows then
    const char* why;    // part of the tool tip; empty for a year taken
  };
  const Case cases[] = {
      {"letters", "abc", 2026, "2026", "non è un anno"},
      {"five digits", "12345", 2026, "2026", "fuori dagli anni"},
      {"empty", "", 2026, "2026", "Nessun anno"},
      {"below the range", "99", 2026, "2026", "fuori dagli anni"},
      {"a blank inside", "20 26", 2026, "2026", "Solo cifre"},
      {"a sign", "-2026", 2026, "2026", "Solo cifre"},
      {"a decimal point", "2026.5", 2026, "2026", "Solo cifre"},
      {"other digits", "\u0662\u0660\u0662\u0667", 2026, "2026", "Solo cifre"},
      {"blanks around are dropped", " 2030 ", 2030, "2030", ""},
      {"a leading zero is dropped", "02031", 2031, "2031", ""},
      {"the first year computed", "100", 100, "100", ""},
      {"the last year computed", "9999", 9999, "9999", ""},
  };
  Form1& w = Start();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (Year().CalendarYear != 2026) {
      TypeYear(YearBox(), QStringLiteral("2026"));
      QTest::keyClick(YearBox(), Qt::Key_Return);
    }
    const int builds = w.yearModelBuilds();
    TypeYear(YearBox(), QString::fromUtf8(c.typed));
    // Enter leaves the box, which applies or refuses what it holds.
    QTest::keyClick(YearBox(), Qt::Key_Return);
    EXPECT_EQ(YearBox()->text(), c.shown);
    EXPECT_EQ(Year().CalendarYear, c.year);
    EXPECT_EQ(w.coverTitle(), "Calendario " + std::string(c.shown));
    EXPECT_EQ(w.yearModelBuilds(), builds + (c.year == 2026 ? 0 : 1));
    if (*c.why != '\0') {
      EXPECT_TRUE(YearBox()->toolTip().contains(QString::fromUtf8(c.why)))
          << YearBox()->toolTip().toStdString();
      EXPECT_TRUE(YearBox()->toolTip().contains(QStringLiteral("resta il 2026")));
    } else {
      EXPECT_EQ(YearBox()->toolTip(), YearBoxToolTip());
    }
  }
}

TEST_F(MainWindowTest, NoSampleOrPrintShowsAYearBeingTyped) {
  Form1& w = Start();
  // A button reached by its Alt letter leaves the focus in the box: the
  // colour chooser redraws the sample while the box still holds letters.
  TypeYear(YearBox(), QStringLiteral("abc"));
  colourAnswer = QColor(Qt::blue);
  QTest::keyClick(&w, Qt::Key_C, Qt::AltModifier);
  ASSERT_TRUE(QTest::qWaitFor([&] { return colourAskedWith.has_value(); }));
  EXPECT_EQ(w.coverTitle(), "Calendario 2026");
  EXPECT_EQ(YearBox()->text(), "abc");
  // A print the same way: the letters give way first, and the calendar of
  // 2026 is printed.
  QTest::keyClick(&w, Qt::Key_T, Qt::AltModifier);
  ASSERT_TRUE(QTest::qWaitFor([&] { return printDialogs == 1; }));
  EXPECT_EQ(YearBox()->text(), "2026");
  EXPECT_TRUE(PdfText(printPdf).contains(QStringLiteral("Gennaio 2026")));
  // A year typed the same way is applied first, then printed.
  QFile::remove(printPdf);
  TypeYear(YearBox(), QStringLiteral("2031"));
  QTest::keyClick(&w, Qt::Key_R, Qt::AltModifier);  // Stampa primo semestre
  // The rebuild for the new year makes the print ask for the printer again.
  ASSERT_TRUE(QTest::qWaitFor([&] { return printDialogs == 2; }));
  EXPECT_EQ(Year().CalendarYear, 2031);
  EXPECT_TRUE(PdfText(printPdf).contains(QStringLiteral("2031")));
  EXPECT_FALSE(PdfText(printPdf).contains(QStringLiteral("2026")));
}

TEST_F(MainWindowTest, ArrowAndPageKeysStepTheYearLikeTheSpinButtons) {
  struct Case {
    const char* name;
    int from;
    Qt::Key key;
    int to;
  };
  const Case cases[] = {
      {"up", 2026, Qt::Key_Up, 2027},
      {"down", 2026, Qt::Key_Down, 2025},
      {"page up: ten years", 2026, Qt::Key_PageUp, 2036},
      {"page down: ten years", 2026, Qt::Key_PageDown, 2016},
      {"page up stops at the spin range's end", 2995, Qt::Key_PageUp, 2999},
      {"down stops at its start", 1900, Qt::Key_Down, 1900},
      {"a typed year out of the spin range comes into it", 1500, Qt::Key_Up, 1900},
  };
  Form1& w = Start();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TypeYear(YearBox(), QString::number(c.from));
    QTest::keyClick(YearBox(), Qt::Key_Return);
    ASSERT_EQ(Year().CalendarYear, c.from);
    YearBox()->setFocus(Qt::MouseFocusReason);
    const int builds = w.yearModelBuilds();
    QTest::keyClick(YearBox(), c.key);
    EXPECT_EQ(YearBox()->text(), QString::number(c.to));
    EXPECT_EQ(Year().CalendarYear, c.to);
    EXPECT_EQ(w.yearModelBuilds(), builds + (c.to == c.from ? 0 : 1));
  }
  // A key on letters being typed steps from the year in force.
  TypeYear(YearBox(), QStringLiteral("abc"));
  QTest::keyClick(YearBox(), Qt::Key_Up);
  EXPECT_EQ(YearBox()->text(), "1901");
}

TEST_F(MainWindowTest, TabReachesEveryControlInReadingOrder) {
  Start();
  const char* const order[] = {
      "Text1",     "Lingue",    "Fuso",     "OpzioneLuna", "FontKey",  "EsempioTit", "ColTitKey",
      "Cover",     "Tipo1",     "Tipo2",    "Tipo0",       "OrdInv",   "Aiuto",      "Modifica",
      "StampaAll", "Stampa0",   "Stampa1",  "Stampa2",     "StampaM0", "StampaM1",   "StampaM2",
      "StampaM3",  "StampaM4",  "StampaM5", "StampaM6",    "StampaM7", "StampaM8",   "StampaM9",
      "StampaM10", "StampaM11", "Esci",     "Text1"};
  YearBox()->setFocus(Qt::TabFocusReason);
  for (const char* name : order) {
    EXPECT_EQ(QApplication::focusWidget(), Control(name))
        << "expected " << name << ", found "
        << QApplication::focusWidget()->objectName().toStdString();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
}

TEST_F(MainWindowTest, SpaceClicksTheClickablePicturesAndLabelsEnterMovesOn) {
  Form1& w = Start();
  auto* fuso = Control<QLabel>("Fuso");
  fuso->setFocus(Qt::TabFocusReason);
  QTest::keyClick(fuso, Qt::Key_Space);
  EXPECT_EQ(fuso->text(), "GMT");
  // Enter keeps its rule of this window: it moves on, it never toggles.
  QTest::keyClick(fuso, Qt::Key_Return);
  EXPECT_EQ(fuso->text(), "GMT");
  EXPECT_EQ(QApplication::focusWidget(), Control("OpzioneLuna"));

  Control("EsempioTit")->setFocus(Qt::TabFocusReason);
  QTest::keyClick(Control("EsempioTit"), Qt::Key_Space);
  EXPECT_FALSE(w.titleLook().TitleShadow);
  EXPECT_EQ(Stored("Ombra"), "False");

  Control("Cover")->setFocus(Qt::TabFocusReason);
  QTest::keyClick(Control("Cover"), Qt::Key_Space);
  EXPECT_EQ(w.coverStyle(), render::CoverCode{2});
  // A held key clicks once.
  QTest::keyClick(Control("Cover"), Qt::Key_Space, Qt::NoModifier);
  QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
  QApplication::sendEvent(Control("Cover"), &repeat);
  EXPECT_EQ(w.coverStyle(), render::CoverCode{3});
}

TEST_F(MainWindowTest, EveryClickablePictureAndLabelSaysWhatAClickDoes) {
  Start();
  const struct {
    const char* name;
    const char* says;
  } tips[] = {
      {"Fuso", "cambia"},
      {"EsempioTit", "ombra"},
      {"Cover", "stile seguente"},
      {"Miniat1", "formato settimanale"},
      {"Miniat2", "formato giornaliero"},
      {"Tipo0", "Un semestre per facciata"},
      {"EsempioLun", "Lune"},
      {"Text1", "da 100 a 9999"},
  };
  for (const auto& tip : tips) {
    EXPECT_TRUE(Control(tip.name)->toolTip().contains(QString::fromUtf8(tip.says)))
        << tip.name << ": " << Control(tip.name)->toolTip().toStdString();
  }
}

TEST_F(MainWindowTest, AltLettersAreUniqueAndPressTheirButtons) {
  Start();
  QFile page(program_ + QStringLiteral("/Orsalimbra.htm"));
  ASSERT_TRUE(page.open(QIODevice::WriteOnly));
  page.close();
  // Every button and every label with a buddy, with its letter.
  std::map<QString, QString> letters;  // letter -> control
  const auto take = [&](QWidget* control, const QString& caption) {
    const QKeySequence letter = QKeySequence::mnemonic(caption);
    if (letter.isEmpty()) return;
    const QString key = letter.toString();
    EXPECT_EQ(letters.count(key), 0u)
        << key.toStdString() << " is used by " << letters[key].toStdString() << " and "
        << control->objectName().toStdString();
    letters[key] = control->objectName();
  };
  for (QAbstractButton* button : window().findChildren<QAbstractButton*>()) {
    take(button, button->text());
  }
  for (QLabel* label : window().findChildren<QLabel*>()) {
    if (label->buddy() != nullptr) take(label, label->text());
  }
  EXPECT_EQ(letters.size(), 13u);
  EXPECT_EQ(letters["Alt+A"], "Label1");
  EXPECT_EQ(letters["Alt+T"], "StampaAll");

  QTest::keyClick(&window(), Qt::Key_H, Qt::AltModifier);
  EXPECT_TRUE(QTest::qWaitFor([&] { return helpOpened.size() == 1u; }));
  QTest::keyClick(&window(), Qt::Key_A, Qt::AltModifier);
  EXPECT_EQ(QApplication::focusWidget(), YearBox());
  QTest::keyClick(&window(), Qt::Key_L, Qt::AltModifier);
  EXPECT_EQ(QApplication::focusWidget(), Languages());
  // F1 opens help wherever the focus is.
  QTest::keyClick(Languages(), Qt::Key_F1);
  EXPECT_EQ(helpOpened.size(), 2u);
}

TEST_F(MainWindowTest, TheFontChooserOpensOnTheFaceUsedAndKeepsTheStoredName) {
  Form1& w = Start();
  const QString used = QFontInfo(QFont(QStringLiteral("Arial"))).family();
  // Confirmed on the face that stands in for Arial: Arial stays stored.
  fontAnswer = QFont(used);
  fontAnswer->setBold(false);
  Click("FontKey");
  ASSERT_TRUE(fontAskedWith.has_value());
  EXPECT_EQ(fontAskedWith->family(), used);
  EXPECT_TRUE(fontAskedWith->bold());
  EXPECT_TRUE(fontAskedWith->italic());
  EXPECT_EQ(Stored("TitoloFont"), "Arial");
  EXPECT_EQ(Stored("TitoloBold"), "False");
  EXPECT_EQ(w.titleLook().TitleFont, "Arial");
}

TEST_F(MainWindowTest, NoCaptionOrNameIsCutUnseen) {
  // A country name far wider than the list box.
  WriteDataFile(
      "<PAESI>\r\n Italia Schweiz/Suisse/Svizzera/Svizra\r\n<TITOLI>\r\n Calendario Kalender\r\n");
  Form1& w = Start();
  for (WrapButton* button : w.findChildren<WrapButton*>()) {
    EXPECT_TRUE(button->captionFits()) << button->objectName().toStdString();
  }
  auto* list = Control<ElidingComboBox>("Lingue");
  EXPECT_FALSE(list->currentTextElided());
  list->setCurrentIndex(1);
  EXPECT_TRUE(list->currentTextElided());
  // The open list is as wide as its longest name.
  list->showPopup();
  EXPECT_GE(list->view()->width(), list->view()->sizeHintForColumn(0));
  list->hidePopup();
}

}  // namespace
}  // namespace orsalimbra::ui::testing
