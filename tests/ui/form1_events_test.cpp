// The main window's events: the year box and its spin buttons, the language
// list, the re-entrancy guard, help, the image and note window and the exit.
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>

#include "main_window_fixture.h"
#include "ui/sel_foto_window.h"

namespace orsalimbra::ui::testing {
namespace {

TEST_F(MainWindowTest, EnterInTheYearBoxMovesTheFocusOnAndAppliesTheYear) {
  Form1& w = Start();
  QLineEdit* box = YearBox();
  box->setFocus(Qt::MouseFocusReason);
  ASSERT_TRUE(box->hasFocus());
  QSignalSpy returnPressed(box, &QLineEdit::returnPressed);
  const int builds = w.yearModelBuilds();
  box->selectAll();
  QTest::keyClicks(box, QStringLiteral("2031"));
  QTest::keyClick(box, Qt::Key_Return);
  // The Enter never reached the box; the focus left it and the year applied.
  EXPECT_EQ(returnPressed.count(), 0);
  EXPECT_FALSE(box->hasFocus());
  EXPECT_EQ(w.yearModelBuilds(), builds + 1);
  EXPECT_EQ(Year().CalendarYear, 2031);
  EXPECT_EQ(Year().HolidayDates.front(), "01/01/2031");
  EXPECT_EQ(w.coverTitle(), "Calendario 2031");
  EXPECT_EQ(QApplication::focusWidget(), Control("Aiuto"));
}

TEST_F(MainWindowTest, EnterOnAnyControlActsAsTab) {
  Start();
  QWidget* aiuto = Control("Aiuto");
  aiuto->setFocus(Qt::TabFocusReason);
  QTest::keyClick(aiuto, Qt::Key_Enter);
  EXPECT_EQ(QApplication::focusWidget(), Control("Modifica"));
}

TEST_F(MainWindowTest, LeavingTheYearBoxUnchangedDoesNotRebuild) {
  Form1& w = Start();
  YearBox()->setFocus(Qt::MouseFocusReason);
  const int builds = w.yearModelBuilds();
  Control("Esci")->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(w.yearModelBuilds(), builds);
  // Typing the same text again is no change either.
  YearBox()->setFocus(Qt::MouseFocusReason);
  YearBox()->setText(QStringLiteral("2026"));
  Control("Esci")->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(w.yearModelBuilds(), builds);
}

TEST_F(MainWindowTest, EachSpinStepRebuildsOnceWithinTheRange) {
  Form1& w = Start();
  auto* spin = Control<SpinButtons>("UpDown1");
  const int builds = w.yearModelBuilds();
  Click(spin->upButton());
  EXPECT_EQ(YearBox()->text(), "2027");
  EXPECT_EQ(Year().CalendarYear, 2027);
  EXPECT_EQ(w.yearModelBuilds(), builds + 1);
  Click(spin->downButton());
  Click(spin->downButton());
  EXPECT_EQ(YearBox()->text(), "2025");
  EXPECT_EQ(w.yearModelBuilds(), builds + 3);

  // A step while the box has the focus applies the year once, not again
  // when the rebuild moves the focus away.
  YearBox()->setFocus(Qt::MouseFocusReason);
  YearBox()->setText(QStringLiteral("2999"));
  Click(spin->upButton());  // at the end of the range: nothing
  EXPECT_EQ(w.yearModelBuilds(), builds + 3);
  Click(spin->downButton());
  EXPECT_EQ(YearBox()->text(), "2998");
  EXPECT_EQ(Year().CalendarYear, 2998);
  EXPECT_EQ(w.yearModelBuilds(), builds + 4);
}

TEST_F(MainWindowTest, ClicksDuringARebuildHaveNoEffectAndAreNotKept) {
  Form1& w = Start();
  Picture(QStringLiteral("jan.png"), Qt::blue);
  WriteDataFile(QByteArray(kDataFile) + "<FOTO>\r\n[1] jan.png\r\n");
  int nested = 0;
  w.duringYearModelBuild = [&] {
    if (nested++ > 0) return;
    EXPECT_FALSE(w.ready());
    Click("Tipo0");
    Click("Cover");
    Click("OpzioneLuna");
    Click("EsempioTit");
    Click("Aiuto");
    Click("Modifica");
    Click(Control<SpinButtons>("UpDown1")->upButton());
    Languages()->setCurrentIndex(2);
    // Queued clicks are spent while the build runs, not afterwards.
    QTest::mousePress(Control("Tipo2"), Qt::LeftButton);
    QApplication::postEvent(
        Control("Tipo2"), new QMouseEvent(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5),
                                          Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
  };
  Click(Control<SpinButtons>("UpDown1")->upButton());
  w.duringYearModelBuild = nullptr;
  QApplication::processEvents();

  EXPECT_EQ(nested, 1);
  EXPECT_TRUE(w.ready());
  EXPECT_EQ(YearBox()->text(), "2027");
  EXPECT_EQ(w.layoutType(), core::LayoutCode{1});
  EXPECT_EQ(w.coverStyle(), render::CoverCode{1});
  EXPECT_EQ(w.moonStyle(), render::MoonCode{1});
  EXPECT_TRUE(w.titleLook().TitleShadow);
  EXPECT_EQ(imageWindowShown, 0);
  EXPECT_TRUE(helpOpened.empty());
  EXPECT_EQ(Year().LanguageIndex, 0);
  EXPECT_EQ(Stored("Lingua"), std::nullopt);
  EXPECT_EQ(Stored("Copertina"), std::nullopt);
  // The rebuild itself showed the January picture on the thumbnails, and a
  // click on one while a rebuild runs is ignored too.
  EXPECT_TRUE(Control("Miniat1")->isVisible());
  w.duringYearModelBuild = [&] { Click("Miniat2"); };
  Click(Control<SpinButtons>("UpDown1")->upButton());
  EXPECT_EQ(w.layoutType(), core::LayoutCode{1});
}

TEST_F(MainWindowTest, ChoosingALanguageKeepsNamesTheNewEntryLacks) {
  Form1& w = Start();
  Languages()->setCurrentIndex(1);
  EXPECT_EQ(Stored("Lingua"), "1");
  EXPECT_EQ(Year().PageName[2], "February");
  EXPECT_EQ(Year().DayNames[0], "Mon");
  EXPECT_EQ(Year().HolidayNames.front(), "New Year's Day");
  EXPECT_EQ(w.coverTitle(), "2026 Calendar");

  Languages()->setCurrentIndex(2);
  EXPECT_EQ(Stored("Lingua"), "2");
  EXPECT_EQ(Year().PageName[1], "Januar");
  EXPECT_EQ(Year().PageName[2], "February");  // no German item: kept
  EXPECT_EQ(Year().DayNames[0], "Mon");
  EXPECT_EQ(w.coverTitle(), " 2026");  // an empty title
  EXPECT_EQ(Languages()->currentIndex(), 2);
}

TEST_F(MainWindowTest, TheReversedOrderIsStoredOnlyByTheExitButton) {
  Start();
  Control<QCheckBox>("OrdInv")->setChecked(true);
  window().close();  // the title bar's close
  EXPECT_EQ(Stored("OrdInv"), std::nullopt);
  Form1& w = Restart();
  EXPECT_FALSE(Control<QCheckBox>("OrdInv")->isChecked());
  Control<QCheckBox>("OrdInv")->setChecked(true);
  Click("Esci");
  EXPECT_EQ(Stored("OrdInv"), "1");
  EXPECT_FALSE(w.isVisible());
}

TEST_F(MainWindowTest, TheImageWindowIsFollowedByARebuild) {
  Form1& w = Start();
  const QString april = Picture(QStringLiteral("apr.png"), Qt::green);
  imageWindowEdits = [&](core::YearModel& year) { year.PhotoPaths[4] = april.toStdString(); };
  const int builds = w.yearModelBuilds();
  Click("Modifica");
  EXPECT_EQ(imageWindowShown, 1);
  EXPECT_EQ(w.yearModelBuilds(), builds + 1);
  EXPECT_TRUE(Control("Miniat1")->isVisible());
  EXPECT_TRUE(Control("Miniat2")->isVisible());
  const QImage thumbnail = Control<QLabel>("Miniat1")->pixmap().toImage();
  EXPECT_EQ(thumbnail.pixelColor(thumbnail.rect().center()), QColor(Qt::green));
  EXPECT_EQ(Formato(), "Un mese per facciata, formato settimanale");
}

TEST_F(MainWindowTest, TheImageButtonOpensTheImageAndNoteWindowModally) {
  realImageWindow = true;
  Form1& w = Start();
  QString caption;
  bool ownedByTheWindow = false;
  std::function<void()> closeWhenShown = [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) {
      QTimer::singleShot(10, closeWhenShown);
      return;
    }
    caption = modal->windowTitle();
    ownedByTheWindow = modal->parentWidget() == &w;
    modal->close();
  };
  QTimer::singleShot(0, closeWhenShown);
  const int builds = w.yearModelBuilds();
  Click("Modifica");
  EXPECT_EQ(caption, SelFoto::kCaption);
  EXPECT_TRUE(ownedByTheWindow);
  EXPECT_EQ(w.yearModelBuilds(), builds + 1);
}

TEST_F(MainWindowTest, HelpOpensThePageOnlyWhenItExists) {
  Start();
  Click("Aiuto");
  EXPECT_TRUE(helpOpened.empty());
  QFile page(program_ + QStringLiteral("/Orsalimbra.htm"));
  ASSERT_TRUE(page.open(QIODevice::WriteOnly));
  page.write("<html></html>");
  page.close();
  Click("Aiuto");
  ASSERT_EQ(helpOpened.size(), 1u);
  EXPECT_EQ(QFileInfo(helpOpened[0]), QFileInfo(page.fileName()));
}

TEST_F(MainWindowTest, TheTimeBaseLabelTogglesAndStoresWhatItShows) {
  Start();
  auto* fuso = Control<QLabel>("Fuso");
  Click(fuso);
  EXPECT_EQ(fuso->text(), "GMT");
  EXPECT_EQ(Stored("LocalTime"), "False");
  Click(fuso);
  EXPECT_EQ(fuso->text(), "LOC");
  EXPECT_EQ(Stored("LocalTime"), "True");
}

}  // namespace
}  // namespace orsalimbra::ui::testing
