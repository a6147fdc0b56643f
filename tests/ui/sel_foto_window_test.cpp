#include "ui/sel_foto_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <memory>

#include "session/settings_keys.h"
#include "session/settings_store.h"
#include "support/qt_test_support.h"
#include "ui/picture_area.h"
#include "ui/picture_filters.h"

namespace orsalimbra::ui {
namespace {

const char* const kMonths[] = {"Copertina", "Gennaio",  "Febbraio", "Marzo",  "Aprile",
                               "Maggio",    "Giugno",   "Luglio",   "Agosto", "Settembre",
                               "Ottobre",   "Novembre", "Dicembre"};

class SelFotoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    files_ = session::ProgramFiles::In(folder_.path());
    for (int slot = 0; slot < 13; ++slot) model_.PageName[slot] = kMonths[slot];
    model_.EntryCount = 2;
    cover_ = MakePicture("cover.jpg", Qt::red);
    march_ = MakePicture("marzo.jpg", Qt::blue);
    model_.PhotoPaths[0] = cover_.toStdString();
    model_.PhotoNotes[0] = "Retro";
    model_.PhotoPaths[3] = march_.toStdString();
    model_.PhotoNotes[3] = "Primavera";
    model_.PhotoPaths[5] = folder_.filePath("gone.jpg").toStdString();
  }

  QString MakePicture(const char* name, Qt::GlobalColor colour) {
    const QString path = folder_.filePath(QString::fromLatin1(name));
    EXPECT_TRUE(test_support::WritePicture(path, colour, QSize(64, 48), "JPG"));
    return path;
  }

  // A shown window; `loaded` waits for the deferred load.
  std::unique_ptr<SelFoto> Open(bool loaded = true) {
    SelFotoHooks hooks;
    hooks.choosePicture = [this](QWidget*, const PictureRequest& request) {
      requests_.push_back(request);
      return chosen_;
    };
    hooks.openEditor = [this](QWidget*) { ++editorOpened_; };
    hooks.warn = [this](QWidget*, const QString& text) { warnings_.append(text); };
    auto window = std::make_unique<SelFoto>(model_, store_, files_, nullptr, hooks);
    window->show();
    if (loaded) {
      QSignalSpy finished(window.get(), &SelFoto::loadFinished);
      EXPECT_TRUE(finished.wait(5000));
    }
    return window;
  }

  template <typename T>
  static T* Child(SelFoto& window, const QString& name) {
    T* child = window.findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name.toStdString();
    return child;
  }
  static QLineEdit* Note(SelFoto& window, int slot) {
    return Child<QLineEdit>(window, QStringLiteral("NotaMese%1").arg(slot));
  }
  static PictureArea* Picture(SelFoto& window, int slot) {
    return Child<PictureArea>(window, QStringLiteral("FotoMese%1").arg(slot));
  }
  static QPushButton* Button(SelFoto& window, const char* name) {
    return Child<QPushButton>(window, QString::fromLatin1(name));
  }
  static void ClickPicture(SelFoto& window, int slot) {
    QTest::mouseClick(Picture(window, slot), Qt::LeftButton);
  }
  // Brings the focus into note box `slot` as the Tab key does.
  static void FocusNote(SelFoto& window, int slot) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    Note(window, slot)->setFocus(Qt::TabFocusReason);
  }
  QString Stored(const QString& key) { return store_.read(key, "<none>"); }

  test_support::TempSettings settings_;
  QTemporaryDir folder_;
  session::ProgramFiles files_;
  session::SettingsStore store_{QStringLiteral("SelFotoTest")};
  core::YearModel model_;
  QString cover_, march_;
  QString chosen_;
  std::vector<PictureRequest> requests_;
  int editorOpened_ = 0;
  QStringList warnings_;
};

TEST_F(SelFotoTest, FillsTheSlotsFromTheSharedArrays) {
  auto window = Open(false);
  EXPECT_EQ(window->windowTitle(), "Orsalimbra - Selezione Immagini");
  EXPECT_FALSE(Button(*window, "Avanzata")->isEnabled());
  // The names show at once; the pictures and notes follow.
  EXPECT_EQ(Child<QLabel>(*window, "NomeMese4")->text(), "Aprile");
  EXPECT_FALSE(Picture(*window, 3)->HasPicture());
  QSignalSpy finished(window.get(), &SelFoto::loadFinished);
  ASSERT_TRUE(finished.wait(5000));
  EXPECT_TRUE(window->slotsLoaded());
  EXPECT_TRUE(Button(*window, "Avanzata")->isEnabled());
  EXPECT_EQ(Child<QLabel>(*window, "NomeMese0")->text(), "Copertina");
  EXPECT_EQ(Child<QLabel>(*window, "NomeMese12")->text(), "Dicembre");
  EXPECT_EQ(Note(*window, 0)->text(), "Retro");
  EXPECT_EQ(Note(*window, 1)->text(), "(nessuna nota)");
  EXPECT_TRUE(Picture(*window, 0)->HasPicture());
  EXPECT_TRUE(Picture(*window, 3)->HasPicture());
  EXPECT_FALSE(Picture(*window, 1)->HasPicture());
  // A picture that is gone shows nothing but keeps its path.
  EXPECT_FALSE(Picture(*window, 5)->HasPicture());
  EXPECT_EQ(window->selection().PendingPhoto(5), folder_.filePath("gone.jpg"));
  // Decoded to the area, never at the file's size.
  const QPixmap shown = Picture(*window, 3)->pixmap();
  EXPECT_LE(shown.width(), Picture(*window, 3)->PictureBox().width());
  EXPECT_LE(shown.height(), Picture(*window, 3)->PictureBox().height());
}

TEST_F(SelFotoTest, PlacesTheControlsWhereTheirTwipsSay) {
  auto window = Open(false);
  struct Place {
    const char* name;
    QRect pixels;
  };
  // Twips / 15.
  for (const Place& p : {Place{"FotoMese0", {16, 16, 76, 107}},
                         {"FotoMese1", {16, 144, 107, 80}},
                         {"FotoMese12", {400, 368, 107, 80}},
                         {"NomeMese7", {272, 242, 107, 15}},
                         {"Fine", {128, 8, 65, 33}},
                         {"Avanzata", {368, 8, 81, 33}},
                         {"Label2", {120, 48, 385, 49}},
                         // The row of the cover fit under the months.
                         {"AdattaCopertina", {76, 471, 188, 25}}}) {
    QWidget* widget = window->findChild<QWidget*>(QString::fromLatin1(p.name));
    ASSERT_NE(widget, nullptr) << p.name;
    EXPECT_EQ(widget->geometry(), p.pixels) << p.name;
  }
  struct Tip {
    const char* name;
    const char* caption;
    const char* toolTip;
  };
  for (const Tip& t :
       {Tip{"Fine", "&Fine", " Conferma selezione immagini "},
        {"Annulla", "&Annulla", " Annulla modifiche alla selezione "},
        {"Reset", "&Reset", " Rimuovi impostazioni immagini e note "},
        {"Avanzata", "&Configurazione Avanzata", " Vai al pannello di configurazione avanzata "}}) {
    EXPECT_EQ(Button(*window, t.name)->text(), t.caption);
    EXPECT_EQ(Button(*window, t.name)->toolTip(), t.toolTip);
  }
  EXPECT_EQ(Child<QLabel>(*window, "Label1")->text(), "nota di retro copertina:");
  EXPECT_EQ(QFontInfo(Child<QLabel>(*window, "Label2")->font()).family(),
            QFontInfo(QFont("Arial")).family());
}

// The cover fit shows the stored choice and is stored with "Fine" only when
// it was changed, so that a code this version does not know survives.
TEST_F(SelFotoTest, CoverFitIsStoredWithFineWhenChanged) {
  struct Row {
    const char* name;
    const char* stored;  // nullptr: no key
    int shown;
    int chosen;
    const char* button;
    const char* expected;
  };
  const Row rows[] = {
      {"the default fills the page", nullptr, 0, 0, "Fine", "<none>"},
      {"a new choice confirmed", nullptr, 0, 1, "Fine", "1"},
      {"a new choice cancelled", nullptr, 0, 2, "Annulla", "<none>"},
      {"the stored choice is shown", "2", 2, 0, "Fine", "0"},
      {"an unknown code shows as filling and survives", "9", 0, 0, "Fine", "9"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const QString key = QString::fromLatin1(session::keys::AdattaCopertina);
    ASSERT_TRUE(store_.deleteSection());
    if (row.stored != nullptr) {
      ASSERT_TRUE(store_.write(key, QString::fromLatin1(row.stored)));
    }
    auto window = Open();
    auto* fit = Child<QComboBox>(*window, "AdattaCopertina");
    ASSERT_EQ(fit->count(), 3);
    EXPECT_EQ(fit->itemText(0), "Riempi e ritaglia");
    EXPECT_EQ(fit->itemText(1), "Foto intera su bianco");
    EXPECT_EQ(fit->itemText(2), "Stira");
    EXPECT_EQ(fit->currentIndex(), row.shown);
    fit->setCurrentIndex(row.chosen);
    Button(*window, row.button)->click();
    EXPECT_EQ(Stored(key), row.expected);
  }
}

TEST_F(SelFotoTest, NoteBoxesRoundTripThePlaceholder) {
  auto window = Open();
  FocusNote(*window, 1);
  EXPECT_EQ(Note(*window, 1)->selectedText(), "(nessuna nota)");
  QTest::keyClicks(Note(*window, 1), "neve");
  EXPECT_EQ(Note(*window, 1)->text(), "neve");
  // A real note is not selected on entry; cleared and left, the box shows
  // the placeholder again.
  Note(*window, 3)->setFocus(Qt::OtherFocusReason);
  EXPECT_FALSE(Note(*window, 3)->hasSelectedText());
  Note(*window, 3)->clear();
  Note(*window, 2)->setFocus(Qt::MouseFocusReason);
  EXPECT_EQ(Note(*window, 3)->text(), "(nessuna nota)");
  // Enter moves to "Fine" and confirms nothing.
  QTest::keyClicks(Note(*window, 2), "x");
  QTest::keyClick(Note(*window, 2), Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), Button(*window, "Fine"));
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(Stored("Nota02"), "<none>");
  // Typed exactly as the placeholder, a note is empty; the box still being
  // edited counts when "Fine" is reached without leaving it.
  Note(*window, 0)->setFocus(Qt::OtherFocusReason);
  Note(*window, 0)->setText("(nessuna nota)");
  Button(*window, "Fine")->click();
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(Stored("Nota00"), "");
  EXPECT_EQ(Stored("Nota01"), "neve");
  EXPECT_EQ(Stored("Nota02"), "x");
  EXPECT_EQ(Stored("Nota03"), "");
  EXPECT_EQ(Stored("Nota04"), "");
  EXPECT_EQ(model_.PhotoNotes[1], "neve");
  EXPECT_EQ(model_.PhotoNotes[3], "");
}

TEST_F(SelFotoTest, ResetThenAnnullaChangesNothing) {
  const core::YearModel before = model_;
  auto window = Open();
  Button(*window, "Reset")->click();
  EXPECT_FALSE(Picture(*window, 0)->HasPicture());
  EXPECT_EQ(Note(*window, 0)->text(), "(nessuna nota)");
  Button(*window, "Annulla")->click();
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(model_.PhotoPaths, before.PhotoPaths);
  EXPECT_EQ(model_.PhotoNotes, before.PhotoNotes);
  EXPECT_EQ(Stored("Foto00"), "<none>");
}

TEST_F(SelFotoTest, ResetThenFineStoresTwentySixEmptyKeys) {
  auto window = Open();
  Button(*window, "Reset")->click();
  Button(*window, "Fine")->click();
  for (int slot = 0; slot < 13; ++slot) {
    EXPECT_EQ(Stored(session::keys::PhotoKey(slot)), "") << slot;
    EXPECT_EQ(Stored(session::keys::NoteKey(slot)), "") << slot;
    EXPECT_EQ(model_.PhotoPaths[slot], "");
    EXPECT_EQ(model_.PhotoNotes[slot], "");
  }
}

TEST_F(SelFotoTest, FineBeforeTheLoadEndsStoresNothing) {
  const core::YearModel before = model_;
  auto window = Open(false);
  Button(*window, "Reset")->click();
  Button(*window, "Fine")->click();
  EXPECT_FALSE(window->isVisible());
  QTest::qWait(2 * SelFoto::kLoadDelayMs);
  EXPECT_FALSE(window->slotsLoaded());
  EXPECT_EQ(model_.PhotoPaths, before.PhotoPaths);
  EXPECT_EQ(model_.PhotoNotes, before.PhotoNotes);
  EXPECT_EQ(Stored("Foto00"), "<none>");
}

TEST_F(SelFotoTest, ClosingDuringTheLoadStopsIt) {
  auto window = Open(false);
  QPushButton* cancel = Button(*window, "Annulla");
  QObject::connect(window.get(), &SelFoto::slotFilled, cancel, [cancel](int slot) {
    if (slot == 2) cancel->click();
  });
  QSignalSpy filled(window.get(), &SelFoto::slotFilled);
  QSignalSpy finished(window.get(), &SelFoto::loadFinished);
  ASSERT_TRUE(filled.wait(5000));
  QTest::qWait(100);
  EXPECT_EQ(filled.count(), 3);
  EXPECT_EQ(finished.count(), 0);
  // March, with a picture and a note, was never filled.
  EXPECT_FALSE(Picture(*window, 3)->HasPicture());
  EXPECT_TRUE(Note(*window, 3)->text().isEmpty());
}

TEST_F(SelFotoTest, GuardsPicturesAndEditorWhileLoading) {
  auto window = Open(false);
  ClickPicture(*window, 1);
  Button(*window, "Avanzata")->setEnabled(true);  // a click that slips through
  Button(*window, "Avanzata")->click();
  EXPECT_TRUE(requests_.empty());
  EXPECT_EQ(editorOpened_, 0);
  QSignalSpy finished(window.get(), &SelFoto::loadFinished);
  ASSERT_TRUE(finished.wait(5000));
  Button(*window, "Avanzata")->click();
  EXPECT_EQ(editorOpened_, 1);
}

TEST_F(SelFotoTest, AsksForAPictureAndKeepsTheSlotWhenNothingUsableIsChosen) {
  auto window = Open();
  ClickPicture(*window, 0);
  ASSERT_EQ(requests_.size(), 1u);
  EXPECT_EQ(requests_[0].title, "Seleziona l'immagine di Copertina");
  EXPECT_EQ(requests_[0].initialPath, cover_);
  // The formats Qt reads, JPEG first and chosen (the filters are tested
  // with PictureFilterPairs).
  EXPECT_EQ(requests_[0].filters, ToQtFileFilters(PictureFilterPairs()));
  EXPECT_TRUE(requests_[0].selectedFilter.startsWith("Immagini JPEG (*.jpg *.JPG *.jpeg"))
      << requests_[0].selectedFilter.toStdString();
  // Cancelled: nothing changes.
  EXPECT_TRUE(Picture(*window, 0)->HasPicture());
  EXPECT_EQ(window->selection().PendingPhoto(0), cover_);
  // Not a picture: nothing changes either.
  chosen_ = folder_.filePath("notes.jpg");
  ASSERT_TRUE(test_support::WriteFile(chosen_, "not a picture"));
  ClickPicture(*window, 0);
  EXPECT_EQ(window->selection().PendingPhoto(0), cover_);
  EXPECT_TRUE(Picture(*window, 0)->HasPicture());
  // ...but the user is told, by the file's name.
  ASSERT_EQ(warnings_.size(), 1);
  EXPECT_TRUE(warnings_[0].contains(QDir::toNativeSeparators(chosen_)))
      << warnings_[0].toStdString();
  EXPECT_TRUE(warnings_[0].contains(QStringLiteral("Copertina resta com'era")));
  // A picture replaces the slot's and is stored on confirmation.
  chosen_ = march_;
  ClickPicture(*window, 7);
  EXPECT_EQ(requests_.back().title, "Seleziona l'immagine di Luglio");
  EXPECT_TRUE(requests_.back().initialPath.isEmpty());
  EXPECT_TRUE(Picture(*window, 7)->HasPicture());
  Button(*window, "Fine")->click();
  EXPECT_EQ(Stored("Foto07"), march_);
  EXPECT_EQ(Stored("Foto00"), cover_);
  EXPECT_EQ(Stored("Foto05"), folder_.filePath("gone.jpg"));
  EXPECT_EQ(model_.PhotoPaths[7], march_.toStdString());
}

TEST_F(SelFotoTest, TheCloseButtonDiscardsLikeAnnulla) {
  auto window = Open();
  Note(*window, 0)->setText("changed");
  Button(*window, "Reset")->click();
  window->close();
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(window->result(), QDialog::Rejected);
  EXPECT_EQ(model_.PhotoNotes[0], "Retro");
  EXPECT_EQ(Stored("Nota00"), "<none>");
}

// Drops `files` onto picture area `slot` as a file manager does.
bool Drop(SelFoto& window, int slot, const QStringList& files) {
  PictureArea* area = window.findChild<PictureArea*>(QStringLiteral("FotoMese%1").arg(slot));
  QMimeData data;
  QList<QUrl> urls;
  for (const QString& file : files) urls.append(QUrl::fromLocalFile(file));
  data.setUrls(urls);
  const QPointF at = QRectF(area->rect()).center();
  QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(area, &enter);
  if (!enter.isAccepted()) return false;
  QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(area, &drop);
  return drop.isAccepted();
}

TEST_F(SelFotoTest, APictureIsRemovedAloneByDeleteOrItsMenu) {
  auto window = Open();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  Picture(*window, 3)->setFocus(Qt::TabFocusReason);
  QTest::keyClick(Picture(*window, 3), Qt::Key_Delete);
  EXPECT_FALSE(Picture(*window, 3)->HasPicture());
  EXPECT_TRUE(window->selection().PendingPhoto(3).isEmpty());
  // The rest stays: the other pictures and every note.
  EXPECT_TRUE(Picture(*window, 0)->HasPicture());
  EXPECT_EQ(Note(*window, 3)->text(), "Primavera");

  // The context menu's "Rimuovi immagine", on the cover.
  QString offered;
  QTimer::singleShot(0, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    for (QAction* action : menu->actions()) {
      offered += action->text() + u'|';
      if (action->text().remove(u'&') == "Rimuovi immagine") action->trigger();
    }
    menu->close();
  });
  QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(5, 5),
                              Picture(*window, 0)->mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(Picture(*window, 0), &menuEvent);
  EXPECT_TRUE(offered.contains("Rimuovi immagine")) << offered.toStdString();
  EXPECT_FALSE(Picture(*window, 0)->HasPicture());

  Button(*window, "Fine")->click();
  EXPECT_EQ(Stored("Foto03"), "");
  EXPECT_EQ(Stored("Foto00"), "");
  EXPECT_EQ(Stored("Nota03"), "Primavera");
  EXPECT_EQ(Stored("Foto05"), folder_.filePath("gone.jpg"));
}

TEST_F(SelFotoTest, AFileDroppedOnAPictureAreaIsTakenWhenItIsAPicture) {
  const QString png = folder_.filePath("Sole.PNG");
  ASSERT_TRUE(test_support::WritePicture(png, Qt::yellow, QSize(40, 30), "PNG"));
  const QString text = folder_.filePath("lista.txt");
  ASSERT_TRUE(test_support::WriteFile(text, "no picture"));
  {
    // Before the load has finished a drop does nothing.
    auto window = Open(false);
    Drop(*window, 8, {png});
    EXPECT_TRUE(window->selection().PendingPhoto(8).isEmpty());
  }
  auto window = Open();
  struct Case {
    const char* name;
    QStringList files;
    QString takenBy8;  // slot 8's picture afterwards
    bool warned;
  };
  const Case cases[] = {
      {"a picture", {png}, png, false},
      {"not a picture: told, nothing changes", {text}, png, true},
      {"several files: the first counts", {march_, png}, march_, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    warnings_.clear();
    EXPECT_TRUE(Drop(*window, 8, c.files));
    EXPECT_EQ(window->selection().PendingPhoto(8), c.takenBy8);
    EXPECT_TRUE(Picture(*window, 8)->HasPicture());
    EXPECT_EQ(warnings_.size(), c.warned ? 1 : 0);
    if (c.warned) {
      EXPECT_TRUE(warnings_[0].contains(QDir::toNativeSeparators(text)));
      EXPECT_TRUE(warnings_[0].contains(QStringLiteral("Agosto resta com'era")));
    }
  }
  // Something that is no local file is refused at the door.
  auto* area = Picture(*window, 8);
  QMimeData web;
  web.setUrls({QUrl(QStringLiteral("https://example.org/foto.jpg"))});
  QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &web, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(area, &enter);
  EXPECT_FALSE(enter.isAccepted());
}

TEST_F(SelFotoTest, PictureAreasAreReachedByKeysAndSayWhatTheyDo) {
  auto window = Open();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  // Tab goes from each picture to its note, slot after slot.
  Picture(*window, 1)->setFocus(Qt::TabFocusReason);
  QTest::keyClick(Picture(*window, 1), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), Note(*window, 1));
  QTest::keyClick(Note(*window, 1), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), Picture(*window, 2));
  for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return}) {
    QTest::keyClick(Picture(*window, 2), key);
  }
  ASSERT_EQ(requests_.size(), 2u);
  EXPECT_EQ(requests_[1].title, "Seleziona l'immagine di Febbraio");
  EXPECT_TRUE(Picture(*window, 2)->toolTip().contains("scegli l'immagine di Febbraio"));
  // The picture of a file that is gone: the tool tip tells why nothing shows.
  EXPECT_TRUE(Picture(*window, 5)
                  ->toolTip()
                  .contains(QDir::toNativeSeparators(folder_.filePath("gone.jpg"))));
  EXPECT_FALSE(Picture(*window, 3)->toolTip().contains(QStringLiteral("non si può")));
}

}  // namespace
}  // namespace orsalimbra::ui
