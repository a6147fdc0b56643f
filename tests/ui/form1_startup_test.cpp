// The main window's start: the proposed year, the controls and their
// places, the choices read from the settings and found again after a restart.
#include <sys/stat.h>

#include <QProgressBar>
#include <QToolButton>
#include <functional>

#include "main_window_fixture.h"
#include "render/credits.h"

namespace orsalimbra::ui::testing {
namespace {

TEST_F(MainWindowTest, ProposesThisYearUntilJuneAndTheNextFromJuly) {
  Start(QDate(2025, 6, 30));
  EXPECT_EQ(YearBox()->text(), "2025");
  EXPECT_EQ(Year().CalendarYear, 2025);
  // The year is never stored: the next start proposes again.
  Restart(QDate(2025, 7, 1));
  EXPECT_EQ(YearBox()->text(), "2026");
  EXPECT_EQ(Year().CalendarYear, 2026);
}

TEST_F(MainWindowTest, FirstRunShowsTheDefaultsAndStoresOnlyWhatStartUpWrites) {
  Form1& w = Start();
  EXPECT_EQ(w.windowTitle(), QString::fromUtf8(render::kCreditLine));
  EXPECT_TRUE(w.ready());
  EXPECT_EQ(Languages()->count(), 3);
  EXPECT_EQ(Languages()->itemText(0), " Italiano");
  EXPECT_EQ(Languages()->currentIndex(), 0);
  EXPECT_EQ(Control<QLabel>("LabelLingua")->text(), "&Lingua");
  EXPECT_EQ(Year().PageName[0], "Copertina");
  EXPECT_EQ(Year().PageName[1], "Gennaio");
  EXPECT_EQ(Year().DayNames[0], "Lun");
  EXPECT_EQ(w.coverTitle(), "Calendario 2026");
  EXPECT_EQ(Formato(), "Due mesi per facciata, formato settimanale");
  EXPECT_EQ(Control<LayoutButton>("Tipo1")->background(), QColor(100, 200, 100));
  EXPECT_EQ(Control<LayoutButton>("Tipo0")->background(), QColor(204, 204, 204));
  EXPECT_EQ(Control<QLabel>("Fuso")->text(), "LOC");
  EXPECT_TRUE(Control("Fuso")->isVisible());
  EXPECT_EQ(w.timeBase().UtcOffsetHours(), 1);
  EXPECT_TRUE(w.titleLook().TitleShadow);
  EXPECT_EQ(w.titleLook().TitleShadowColour, render::Rgb(127, 105, 15));
  EXPECT_EQ(w.moonLook().MoonLineColour, render::Rgb(144, 103, 18));
  EXPECT_EQ(w.coverStyle(), render::CoverCode{1});
  EXPECT_TRUE(Control("Stampa0")->isEnabled());
  EXPECT_FALSE(Control("Miniat1")->isVisible());
  EXPECT_FALSE(Control("Progress")->isVisible());
  EXPECT_EQ(QApplication::focusWidget(), Control("Aiuto"));
  EXPECT_GT(w.pageMetrics().PageWidth, 0);
  EXPECT_EQ(w.pageMetrics().WeeklyRowBase, 760);

  EXPECT_EQ(Stored("Versione"), "3");
  EXPECT_EQ(Stored("Tipo"), "1");
  EXPECT_EQ(Stored("Luna"), "1");
  for (const char* key : {"Lingua", "ColoreTitolo", "TitoloFont", "Copertina", "OrdInv", "Ombra",
                          "LocalTime", "Foto01"}) {
    EXPECT_EQ(Stored(key), std::nullopt) << key;
  }
}

TEST_F(MainWindowTest, ControlsSitWhereTheWindowPlacesThem) {
  Form1& w = Start();
  EXPECT_EQ(w.size(), QSize(546, 366));  // 8184 x 5484 twips
  struct Place {
    const char* name;
    int left, top, width, height;  // twips
    const char* caption;
  };
  const Place places[] = {
      {"Text1", 480, 645, 855, 420, nullptr},
      {"Lingue", 3180, 690, 2175, 288, nullptr},
      {"EsempioTit", 1320, 1110, 5535, 885, nullptr},
      {"Cover", 516, 2160, 1185, 1545, nullptr},
      {"CoverOFF", 516, 2160, 1185, 1545, nullptr},
      {"Tipo1", 2470, 2160, 1215, 1575, nullptr},
      {"Tipo0", 6480, 2160, 1215, 1545, nullptr},
      {"Miniat2", 4596, 2310, 900, 660, nullptr},
      {"Esci", 7236, 4485, 852, 780, "Fin&e"},
      {"Aiuto", 120, 4485, 852, 780, "&Help"},
      {"Modifica", 1080, 4485, 852, 780, "&Imposta immagini e note"},
      {"Stampa2", 4920, 4485, 852, 780, "Stampa secon&do semestre"},
      {"OpzioneLuna", 6840, 690, 855, 400, "Lu&ne"},
  };
  for (const Place& p : places) {
    const QRect expected(qRound(p.left / 15.0), qRound(p.top / 15.0), qRound(p.width / 15.0),
                         qRound(p.height / 15.0));
    QWidget* control = Control(p.name);
    EXPECT_EQ(control->geometry(), expected) << p.name;
    if (p.caption != nullptr) {
      EXPECT_EQ(static_cast<QAbstractButton*>(control)->text(), QString::fromUtf8(p.caption));
    }
  }
  EXPECT_EQ(Control<QCheckBox>("OrdInv")->text(), "&Ord-Inv");
  EXPECT_EQ(Control<QLabel>("LabelM")->text(), "Stampa mese");
  EXPECT_EQ(Control<QPushButton>("StampaM11")->text(), "12");
  EXPECT_EQ(Control("Tipo1")->toolTip(), " Un mese per facciata, formato settimanale ");
  EXPECT_EQ(Languages()->placeholderText(), " seleziona");
}

TEST_F(MainWindowTest, EveryChoiceIsStoredAtOnceAndFoundAgainAfterARestart) {
  Start();
  Click("Tipo2");
  Click("Cover");        // 1 -> 2
  Click("EsempioTit");   // shadow off
  Click("OpzioneLuna");  // 1 -> 2
  Click("Fuso");         // GMT
  colourAnswer = QColor(10, 20, 200);
  Click("ColTitKey");
  fontAnswer = QFont(QStringLiteral("Courier New"));
  fontAnswer->setBold(false);
  fontAnswer->setItalic(true);
  Click("FontKey");
  Languages()->setCurrentIndex(1);
  Control<QCheckBox>("OrdInv")->setChecked(true);
  Click("Esci");

  EXPECT_EQ(Stored("Tipo"), "2");
  EXPECT_EQ(Stored("Copertina"), "2");
  EXPECT_EQ(Stored("Ombra"), "False");
  EXPECT_EQ(Stored("Luna"), "2");
  EXPECT_EQ(Stored("LocalTime"), "False");
  EXPECT_EQ(Stored("ColoreTitolo"), QString::number(10 + 256 * 20 + 65536 * 200));
  EXPECT_EQ(Stored("TitoloFont"), "Courier New");
  EXPECT_EQ(Stored("TitoloBold"), "False");
  EXPECT_EQ(Stored("TitoloItalic"), "True");
  EXPECT_EQ(Stored("Lingua"), "1");
  EXPECT_EQ(Stored("OrdInv"), "1");

  Form1& w = Restart();
  EXPECT_EQ(w.layoutType(), core::LayoutCode{2});
  EXPECT_EQ(Formato(), "Due mesi per facciata, formato giornaliero");
  EXPECT_EQ(w.coverStyle(), render::CoverCode{2});
  EXPECT_FALSE(w.titleLook().TitleShadow);
  EXPECT_EQ(w.moonStyle(), render::MoonCode{2});
  EXPECT_EQ(Control<QLabel>("Fuso")->text(), "GMT");
  EXPECT_FALSE(w.timeBase().UseLocalTime());
  EXPECT_EQ(w.titleLook().TitleColour, render::Rgb(10, 20, 200));
  EXPECT_EQ(w.titleLook().TitleShadowColour, render::Rgb(5, 10, 100));
  EXPECT_EQ(w.titleLook().TitleFont, "Courier New");
  EXPECT_FALSE(w.titleLook().TitleBold);
  EXPECT_TRUE(w.titleLook().TitleItalic);
  EXPECT_EQ(Languages()->currentIndex(), 1);
  EXPECT_EQ(w.coverTitle(), "2026 Calendar");
  EXPECT_TRUE(Control<QCheckBox>("OrdInv")->isChecked());
}

TEST_F(MainWindowTest, OddStoredValuesAreHandledAsTheirConsumersSay) {
  SeedSettings(
      "Tipo=x\nLuna=\nCopertina=4\nColoreTitolo=purple\nLingua=7\nOrdInv=2\n"
      "TitoloBold=0\nTitoloItalic=-1\n");
  Form1& w = Start();
  // A layout code that is no number leaves the buttons and the store alone.
  EXPECT_EQ(w.layoutType(), std::nullopt);
  EXPECT_EQ(Stored("Tipo"), "x");
  // An empty moon style shows and stores nothing.
  EXPECT_EQ(w.moonStyle(), std::nullopt);
  EXPECT_EQ(Stored("Luna"), "");
  // Without a layout no cover shows, so the cover style is left as stored.
  EXPECT_EQ(w.coverStyle(), render::CoverCode{4});
  EXPECT_EQ(Stored("Copertina"), "4");
  // An unreadable colour keeps the usual title colour.
  EXPECT_EQ(w.titleLook().TitleColour, render::Rgb(255, 210, 30));
  // A language beyond the list falls back to the first entry, in memory only.
  EXPECT_EQ(Languages()->currentIndex(), 0);
  EXPECT_EQ(w.coverTitle(), "Calendario 2026");
  EXPECT_EQ(Stored("Lingua"), "7");
  EXPECT_FALSE(Control<QCheckBox>("OrdInv")->isChecked());
  EXPECT_FALSE(w.titleLook().TitleBold);
  EXPECT_TRUE(w.titleLook().TitleItalic);

  // A click on a layout button brings the layout back.
  Click("Tipo0");
  EXPECT_EQ(Stored("Tipo"), "0");
  Click("OpzioneLuna");
  EXPECT_EQ(Stored("Luna"), "1");
}

TEST_F(MainWindowTest, AMissingDataFileStillOpensTheWindow) {
  QFile::remove(program_ + QStringLiteral("/Orsalimbra.ini"));
  Form1& w = Start();
  EXPECT_TRUE(w.isVisible());
  EXPECT_TRUE(w.ready());
  EXPECT_EQ(Languages()->count(), 0);
  EXPECT_EQ(Year().CalendarYear, 2026);
  EXPECT_EQ(w.coverTitle(), " 2026");
  EXPECT_TRUE(dataFileProblems.empty());
}

// A data file that exists but cannot be read is told, once until it
// changes; the window opens all the same, without blocking on a FIFO.
TEST_F(MainWindowTest, ADataFileThatCannotBeReadIsToldOnce) {
  const QString dataFile = program_ + QStringLiteral("/Orsalimbra.ini");
  QFile::remove(dataFile);
  ASSERT_EQ(mkfifo(QFile::encodeName(dataFile).constData(), 0644), 0);
  Form1& w = Start();
  EXPECT_TRUE(w.ready());
  EXPECT_EQ(Languages()->count(), 0);
  ASSERT_EQ(dataFileProblems.size(), 1u);
  EXPECT_TRUE(dataFileProblems[0].contains(QStringLiteral("non è un file normale")));
  EXPECT_TRUE(dataFileProblems[0].contains(dataFile));

  struct Step {
    const char* name;
    std::function<void()> change;
    std::size_t told;  // messages so far
    int languages;
  };
  const Step steps[] = {
      {"the same FIFO at the next build", [] {}, 1, 0},
      {"a readable file again",
       [&] {
         QFile::remove(dataFile);
         WriteDataFile(kDataFile);
       },
       1, 3},
      {"a folder",
       [&] {
         QFile::remove(dataFile);
         QDir().mkdir(dataFile);
       },
       2, 3},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    step.change();
    Click(Control<SpinButtons>("UpDown1")->upButton());
    EXPECT_EQ(dataFileProblems.size(), step.told);
    EXPECT_EQ(Languages()->count(), step.languages);
  }
  EXPECT_TRUE(dataFileProblems.back().contains(QStringLiteral("non è un file normale")));
}

// The user's own copy of the data file is read instead of the shipped one;
// a copy that cannot be read is told, with the way back, and the shipped file
// is not read in its place. Bare picture names fall back on the user's folder.
TEST_F(MainWindowTest, TheUsersCopyOfTheDataFileWins) {
  enum class Copy { None, File, Folder, LinkToNowhere };
  struct Case {
    const char* name;
    Copy copy;
    int languages;
    const char* firstLanguage;
    const char* told;  // part of the message, none when empty
  };
  const Case cases[] = {
      {"no copy: the shipped file", Copy::None, 3, " Italiano", ""},
      {"a copy", Copy::File, 1, " Sardu", ""},
      {"a folder bearing its name", Copy::Folder, 0, "", "non è un file normale"},
      {"a link to nowhere", Copy::LinkToNowhere, 0, "", "non esiste"},
  };
  const QByteArray mine =
      "<LINGUE>\r\n  Sardu\r\n<MESI>\r\n[1] Ghenn\xE0rgiu\r\n<FOTO>\r\n[1] mine.png\r\n";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    userFolder_ = home.filePath(QStringLiteral("Nerb/Orsalimbra"));
    ASSERT_TRUE(QDir().mkpath(userFolder_));
    const QString copy = userFolder_ + QStringLiteral("/Orsalimbra.ini");
    switch (c.copy) {
      case Copy::None:
        break;
      case Copy::File:
        ASSERT_TRUE(test_support::WriteFile(copy, mine));
        ASSERT_TRUE(test_support::WritePicture(userFolder_ + QStringLiteral("/mine.png"), Qt::red));
        break;
      case Copy::Folder:
        ASSERT_TRUE(QDir().mkdir(copy));
        break;
      case Copy::LinkToNowhere:
        ASSERT_TRUE(QFile::link(home.filePath(QStringLiteral("gone.ini")), copy));
        break;
    }
    dataFileProblems.clear();
    Start();
    ASSERT_EQ(Languages()->count(), c.languages);
    if (c.languages > 0) {
      EXPECT_EQ(Languages()->itemText(0), c.firstLanguage);
    }
    if (c.copy == Copy::File) {
      EXPECT_EQ(Year().PageName[1], "Ghennàrgiu");
      EXPECT_EQ(Year().PhotoPaths[1], (userFolder_ + QStringLiteral("/mine.png")).toStdString());
    }
    if (*c.told == '\0') {
      EXPECT_TRUE(dataFileProblems.empty());
    } else {
      ASSERT_EQ(dataFileProblems.size(), 1u);
      const std::string told = dataFileProblems[0].toStdString();
      EXPECT_TRUE(dataFileProblems[0].contains(QString::fromUtf8(c.told))) << told;
      EXPECT_TRUE(dataFileProblems[0].contains(copy)) << told;
      EXPECT_TRUE(dataFileProblems[0].contains(QStringLiteral("Ripristina il file originale")));
    }
    window_.reset();
  }
}

}  // namespace
}  // namespace orsalimbra::ui::testing
