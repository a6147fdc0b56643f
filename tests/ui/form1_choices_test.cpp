// The main window's layout buttons, cover miniature, title and moon samples.
#include "main_window_fixture.h"

namespace orsalimbra::ui::testing {
namespace {

bool IsRed(QColor c) { return c.red() > 180 && c.green() < 80 && c.blue() < 80; }

TEST_F(MainWindowTest, TheSemesterLayoutHidesTheCoverAndTheMonthCommands) {
  SeedSettings("Copertina=2\n");
  Form1& w = Start();
  Click("Tipo0");
  EXPECT_EQ(w.layoutType(), core::LayoutCode{0});
  EXPECT_EQ(Stored("Tipo"), "0");
  EXPECT_EQ(Formato(), "Un semestre per facciata");
  EXPECT_EQ(Control<LayoutButton>("Tipo0")->background(), QColor(100, 200, 100));
  EXPECT_EQ(Control<LayoutButton>("Tipo1")->background(), QColor(204, 204, 204));
  EXPECT_FALSE(Control("Cover")->isVisible());
  EXPECT_TRUE(Control("CoverOFF")->isVisible());
  for (const char* name : {"FrameM", "LabelM", "Stampa0", "OrdInv", "StampaM0"}) {
    EXPECT_FALSE(Control(name)->isEnabled()) << name;
  }
  EXPECT_EQ(QApplication::focusWidget(), Control("Stampa1"));
  // The cover style is kept for the month layouts.
  EXPECT_EQ(w.coverStyle(), render::CoverCode{2});
  EXPECT_EQ(Stored("Copertina"), "2");
  // The no-cover picture: a red cross on light grey.
  const QImage off = Control<QLabel>("CoverOFF")->pixmap().toImage();
  EXPECT_TRUE(IsRed(off.pixelColor(off.rect().center())));

  Click("Tipo1");
  EXPECT_TRUE(Control("Cover")->isVisible());
  for (const char* name : {"FrameM", "LabelM", "Stampa0", "OrdInv"}) {
    EXPECT_TRUE(Control(name)->isEnabled()) << name;
  }
  EXPECT_EQ(w.coverTitle(), "Calendario 2026");
}

TEST_F(MainWindowTest, TheSameLayoutClickedAgainIsStoredAgain) {
  Start();
  ASSERT_EQ(Stored("Tipo"), "1");
  SeedSettings("");  // forget what start-up wrote
  ASSERT_EQ(Stored("Tipo"), std::nullopt);
  Click("Tipo1");
  EXPECT_EQ(Stored("Tipo"), "1");
  EXPECT_FALSE(window().printerChosen());
}

TEST_F(MainWindowTest, CoverStylesCycleWithAndWithoutACoverPhoto) {
  Form1& w = Start();
  std::vector<int> styles;
  for (int i = 0; i < 5; ++i) {
    Click("Cover");
    styles.push_back(static_cast<int>(w.coverStyle()));
  }
  EXPECT_EQ(styles, (std::vector<int>{2, 3, 0, 1, 2}));
  EXPECT_EQ(Stored("Copertina"), "2");

  const QString cover = Picture(QStringLiteral("cover.png"), Qt::blue);
  imageWindowEdits = [&](core::YearModel& year) { year.PhotoPaths[0] = cover.toStdString(); };
  Click("Modifica");
  ASSERT_TRUE(Year().HasCoverPhoto);
  Click("Cover");
  Click("Cover");
  EXPECT_EQ(w.coverStyle(), render::CoverCode{4});
  // Style 4 is the photo alone, and it may be printed.
  const QImage photo = Control<QLabel>("Cover")->pixmap().toImage();
  EXPECT_EQ(photo.pixelColor(photo.rect().center()), QColor(Qt::blue));
  EXPECT_TRUE(Control("Stampa0")->isEnabled());
  Click("Cover");
  EXPECT_EQ(w.coverStyle(), render::CoverCode{0});
  EXPECT_FALSE(Control("Stampa0")->isEnabled());

  // Style 3, then the photo goes away: the next click gives 0, not 4.
  for (int i = 0; i < 3; ++i) Click("Cover");
  imageWindowEdits = [](core::YearModel& year) { year.PhotoPaths[0].clear(); };
  Click("Modifica");
  Click("Cover");
  EXPECT_EQ(w.coverStyle(), render::CoverCode{0});
}

// The miniature shows the cover photo as the page will: filling it, whole on
// white, or stretched, as the image window left the choice.
TEST_F(MainWindowTest, TheMiniatureFollowsTheCoverFit) {
  const QString cover = Picture(QStringLiteral("cover.png"), Qt::blue);  // 4:3, landscape
  SeedSettings("Copertina=4\nFoto00=" + cover.toUtf8() + "\n");
  Form1& w = Start();
  struct Row {
    const char* stored;
    bool whiteAboveAndBelow;
  };
  for (const Row& row : {Row{"0", false}, Row{"1", true}, Row{"2", false}, Row{"5", false}}) {
    SCOPED_TRACE(row.stored);
    imageWindowStores = [&](session::SettingsStore& settings) {
      settings.write(QString::fromLatin1(session::keys::AdattaCopertina),
                     QString::fromLatin1(row.stored));
    };
    Click("Modifica");
    ASSERT_EQ(w.coverStyle(), render::CoverCode{4});
    const QImage miniature = Control<QLabel>("Cover")->pixmap().toImage();
    const QColor edge = row.whiteAboveAndBelow ? QColor(Qt::white) : QColor(Qt::blue);
    EXPECT_EQ(miniature.pixelColor(miniature.width() / 2, 1), edge);
    EXPECT_EQ(miniature.pixelColor(miniature.width() / 2, miniature.height() - 2), edge);
    EXPECT_EQ(miniature.pixelColor(miniature.rect().center()), QColor(Qt::blue));
    EXPECT_EQ(miniature.pixelColor(1, miniature.height() / 2), QColor(Qt::blue));
  }
}

TEST_F(MainWindowTest, ThePhotoAloneWithoutAPhotoBecomesNoCoverAtStart) {
  SeedSettings("Copertina=4\n");
  Form1& w = Start();
  EXPECT_EQ(w.coverStyle(), render::CoverCode{0});
  EXPECT_EQ(Stored("Copertina"), "0");
  EXPECT_FALSE(Control("Stampa0")->isEnabled());
  const QImage miniature = Control<QLabel>("Cover")->pixmap().toImage();
  EXPECT_TRUE(IsRed(miniature.pixelColor(miniature.rect().center())));
}

TEST_F(MainWindowTest, LayoutDescriptionFollowsTheMonthPicturesWithoutAClick) {
  SeedSettings("Tipo=2\n");
  const QString march = Picture(QStringLiteral("mar.png"), Qt::yellow);
  WriteDataFile(QByteArray(kDataFile) + "<FOTO>\r\n[3] mar.png \"Primavera\"\r\n");
  Start();
  EXPECT_EQ(Formato(), "Un mese per facciata, formato giornaliero");
  EXPECT_EQ(Year().PhotoPaths[3], march.toStdString());
  EXPECT_EQ(Stored("Foto03"), march);
  EXPECT_EQ(Stored("Nota03"), "Primavera");
  EXPECT_TRUE(Control("Miniat2")->isVisible());

  ASSERT_TRUE(QFile::remove(march));
  Click("Modifica");
  EXPECT_EQ(Formato(), "Due mesi per facciata, formato giornaliero");
  EXPECT_FALSE(Control("Miniat1")->isVisible());
  EXPECT_FALSE(Control("Miniat2")->isVisible());
}

TEST_F(MainWindowTest, AMonthPictureThatCannotBeDecodedKeepsTheThumbnailShownBefore) {
  const QString june = Picture(QStringLiteral("jun.png"), Qt::cyan);
  imageWindowEdits = [&](core::YearModel& year) { year.PhotoPaths[6] = june.toStdString(); };
  Start();
  Click("Modifica");
  QFile broken(program_ + QStringLiteral("/feb.jpg"));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write("\xFF\xD8\xFF broken");
  broken.close();
  imageWindowEdits = [&](core::YearModel& year) {
    year.PhotoPaths[2] = broken.fileName().toStdString();
  };
  Click("Modifica");
  EXPECT_EQ(Year().firstMonthPhoto, 2);
  EXPECT_TRUE(Control("Miniat1")->isVisible());
  const QImage thumbnail = Control<QLabel>("Miniat1")->pixmap().toImage();
  EXPECT_EQ(thumbnail.pixelColor(thumbnail.rect().center()), QColor(Qt::cyan));
}

TEST_F(MainWindowTest, MoonStylesCycleAndStyleZeroHidesTheSampleAndTheTimeBase) {
  SeedSettings("Luna=7\n");
  Form1& w = Start();
  EXPECT_EQ(Stored("Luna"), "7");
  Click("OpzioneLuna");
  EXPECT_EQ(w.moonStyle(), render::MoonCode{8});
  EXPECT_TRUE(Control("EsempioLun")->isVisible());
  Click("OpzioneLuna");
  EXPECT_EQ(w.moonStyle(), render::MoonCode{0});
  EXPECT_EQ(Stored("Luna"), "0");
  EXPECT_FALSE(Control("EsempioLun")->isVisible());
  EXPECT_FALSE(Control("Fuso")->isVisible());
  EXPECT_EQ(w.moonLook().MoonLineColour, render::kWhite);
  Click("OpzioneLuna");
  EXPECT_EQ(w.moonStyle(), render::MoonCode{1});
  EXPECT_TRUE(Control("EsempioLun")->isVisible());
  EXPECT_TRUE(Control("Fuso")->isVisible());
  EXPECT_TRUE(w.moonLook().MoonDetail);
}

TEST_F(MainWindowTest, AStoredMoonStyleBeyondTheTableShowsAsNone) {
  SeedSettings("Luna=12\n");
  Form1& w = Start();
  EXPECT_EQ(w.moonStyle(), render::MoonCode{0});
  EXPECT_EQ(Stored("Luna"), "0");
  EXPECT_FALSE(Control("Fuso")->isVisible());
}

TEST_F(MainWindowTest, CancelledDialogsChangeNothingButTheFontDialogRedraws) {
  Form1& w = Start();
  const render::TitleLook before = w.titleLook();
  Click("ColTitKey");
  ASSERT_TRUE(colourAskedWith.has_value());
  EXPECT_EQ(*colourAskedWith, QColor(255, 210, 30));
  EXPECT_EQ(Stored("ColoreTitolo"), std::nullopt);
  EXPECT_EQ(w.titleLook().TitleColour, before.TitleColour);

  const qint64 sampleBefore = Control<QLabel>("EsempioTit")->pixmap().cacheKey();
  Click("FontKey");
  ASSERT_TRUE(fontAskedWith.has_value());
  // The face the title is drawn with: "Arial" stands for Liberation Sans.
  EXPECT_EQ(fontAskedWith->family(), QFontInfo(QFont(QStringLiteral("Arial"))).family());
  EXPECT_TRUE(fontAskedWith->bold());
  EXPECT_TRUE(fontAskedWith->italic());
  for (const char* key : {"TitoloFont", "TitoloBold", "TitoloItalic"}) {
    EXPECT_EQ(Stored(key), std::nullopt) << key;
  }
  EXPECT_NE(Control<QLabel>("EsempioTit")->pixmap().cacheKey(), sampleBefore);
}

TEST_F(MainWindowTest, TheTitleSampleShowsTheColourAndTheShadowToggles) {
  Form1& w = Start();
  colourAnswer = QColor(0, 0, 255);
  Click("ColTitKey");
  EXPECT_EQ(Stored("ColoreTitolo"), "16711680");
  EXPECT_EQ(w.titleLook().TitleShadowColour, render::Rgb(0, 0, 127));
  // Blue ink somewhere in the sample.
  const QImage sample = Control<QLabel>("EsempioTit")->pixmap().toImage();
  bool blue = false;
  for (int y = 0; y < sample.height() && !blue; ++y) {
    for (int x = 0; x < sample.width() && !blue; ++x) {
      const QColor c = sample.pixelColor(x, y);
      blue = c.blue() > 200 && c.red() < 60 && c.green() < 60;
    }
  }
  EXPECT_TRUE(blue);

  Click("EsempioTit");
  EXPECT_FALSE(w.titleLook().TitleShadow);
  EXPECT_EQ(Stored("Ombra"), "False");
  Click("EsempioTit");
  EXPECT_EQ(Stored("Ombra"), "True");
}

}  // namespace
}  // namespace orsalimbra::ui::testing
