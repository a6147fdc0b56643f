#include "ui/sel_foto_window.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <thread>

#include "render_qt/qt_picture.h"
#include "session/settings_codec.h"
#include "session/settings_keys.h"
#include "session/settings_store.h"
#include "session/stored_choices.h"
#include "ui/config_window.h"
#include "ui/note_edit.h"
#include "ui/picture_area.h"
#include "ui/picture_filters.h"
#include "ui/thumbnail_prefetch.h"
#include "ui/twips.h"
#include "ui/wrap_button.h"

namespace orsalimbra::ui {

namespace {

// The month grid: four columns, three rows; slot 1..12.
constexpr int kColumnLeft[4] = {240, 2160, 4080, 6000};
constexpr int kPictureTop[3] = {2160, 3840, 5520};
constexpr int kNameTop[3] = {1935, 3630, 5310};
constexpr int kNoteTop[3] = {3345, 5025, 6705};
// January's note box sits 15 twips lower than the rest of its row.
constexpr int kJanuaryNoteTop = 3360;

// How long the load waits for a picture before letting events run again.
constexpr std::chrono::milliseconds kPollInterval{15};

QString DefaultChoosePicture(QWidget* parent, const PictureRequest& request) {
  QString selected = request.selectedFilter;
  return QFileDialog::getOpenFileName(parent, request.title, request.initialPath,
                                      request.filters.join(QStringLiteral(";;")), &selected);
}

void DefaultWarn(QWidget* parent, const QString& text) {
  QMessageBox::warning(parent, SelFoto::kCaption, text);
}

}  // namespace

SelFoto::SelFoto(core::YearModel& model, session::SettingsStore& settings,
                 const session::ProgramFiles& files, QWidget* parent, SelFotoHooks hooks)
    : QDialog(parent), model_(model), settings_(settings), files_(files), hooks_(std::move(hooks)) {
  if (!hooks_.choosePicture) hooks_.choosePicture = DefaultChoosePicture;
  if (!hooks_.warn) hooks_.warn = DefaultWarn;
  if (!hooks_.openEditor) {
    hooks_.openEditor = [this](QWidget* owner) {
      Config editor(files_, model_.EntryCount, settings_, owner);
      editor.exec();
    };
  }
  setObjectName(QStringLiteral("SelFoto"));
  setWindowTitle(kCaption);
  setModal(true);
  // A row below the months holds the cover fit.
  setFixedSize(Px(7845), Px(7620));
  // Captions and notes must fit boxes laid out for a small sans-serif face.
  QFont small(QStringLiteral("Arial"));
  small.setPointSize(8);
  setFont(small);

  auto button = [this](const char* name, const QString& caption, const QString& toolTip,
                       const QRect& place) {
    auto* b = new WrapButton(caption, this);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(toolTip);
    b->setGeometry(place);
    return b;
  };
  // Alt and the underlined letter press a button.
  fine_ = button("Fine", QStringLiteral("&Fine"), QStringLiteral(" Conferma selezione immagini "),
                 Twips(1920, 120, 975, 495));
  QPushButton* cancel =
      button("Annulla", QStringLiteral("&Annulla"),
             QStringLiteral(" Annulla modifiche alla selezione "), Twips(3120, 120, 975, 495));
  QPushButton* reset =
      button("Reset", QStringLiteral("&Reset"),
             QStringLiteral(" Rimuovi impostazioni immagini e note "), Twips(4320, 120, 975, 495));
  avanzata_ = button("Avanzata", QStringLiteral("&Configurazione Avanzata"),
                     QStringLiteral(" Vai al pannello di configurazione avanzata "),
                     Twips(5520, 120, 1215, 495));
  connect(fine_, &QPushButton::clicked, this, &SelFoto::Confirm);
  connect(cancel, &QPushButton::clicked, this, &SelFoto::reject);
  connect(reset, &QPushButton::clicked, this, &SelFoto::Reset);
  connect(avanzata_, &QPushButton::clicked, this, &SelFoto::OpenEditor);

  auto* label1 = new QLabel(QStringLiteral("nota di retro copertina:"), this);
  label1->setObjectName(QStringLiteral("Label1"));
  label1->setGeometry(Twips(1680, 1575, 1695, 255));
  auto* label2 = new QLabel(
      QStringLiteral("Click nelle aree delle immagini per impostare le foto da utilizzare per la "
                     "copertina e i vari mesi, modificando eventualmente il testo della nota da "
                     "porre in calce alle foto."),
      this);
  label2->setObjectName(QStringLiteral("Label2"));
  label2->setFont(small);
  label2->setWordWrap(true);
  label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label2->setGeometry(Twips(1800, 720, 5775, 735));

  for (int slot = 0; slot < PhotoSelection::kSlots; ++slot) {
    QRect picture, name, note;
    if (slot == 0) {
      picture = Twips(240, 240, 1140, 1605);
      name = Twips(240, 0, 1095, 255);
      note = Twips(3360, 1575, 4095, 225);
    } else {
      const int left = kColumnLeft[(slot - 1) % 4];
      const int row = (slot - 1) / 4;
      picture = Twips(left, kPictureTop[row], 1605, 1200);
      name = Twips(left, kNameTop[row], 1605, 225);
      note = Twips(left, slot == 1 ? kJanuaryNoteTop : kNoteTop[row], 1600, 225);
    }
    const QString index = QString::number(slot);
    pictures_[slot] = new PictureArea(this);
    pictures_[slot]->setObjectName(QStringLiteral("FotoMese") + index);
    pictures_[slot]->setGeometry(picture);
    connect(pictures_[slot], &PictureArea::clicked, this, [this, slot] { ChoosePicture(slot); });
    connect(pictures_[slot], &PictureArea::removeRequested, this,
            [this, slot] { RemovePicture(slot); });
    connect(pictures_[slot], &PictureArea::fileDropped, this, [this, slot](const QString& path) {
      if (slotsLoaded_) SetPicture(slot, path);
    });
    SetPictureTip(slot);

    // The names are known now; the pictures follow with the deferred load.
    names_[slot] = new QLabel(QString::fromStdString(model_.PageName[slot]), this);
    names_[slot]->setObjectName(QStringLiteral("NomeMese") + index);
    names_[slot]->setGeometry(name);

    notes_[slot] = new NoteEdit(PhotoSelection::kNoNote, this);
    notes_[slot]->setObjectName(QStringLiteral("NotaMese") + index);
    notes_[slot]->setGeometry(note);
    connect(notes_[slot], &NoteEdit::enterPressed, this,
            [this] { fine_->setFocus(Qt::TabFocusReason); });
    connect(notes_[slot], &NoteEdit::left, this, [this, slot] { NoteLeft(slot); });
  }

  auto* fitLabel = new QLabel(QStringLiteral("Copertina:"), this);
  fitLabel->setObjectName(QStringLiteral("LabelCopertina"));
  fitLabel->setGeometry(Twips(240, 7125, 900, 255));
  coverFit_ = new QComboBox(this);
  coverFit_->setObjectName(QStringLiteral("AdattaCopertina"));
  coverFit_->setToolTip(QStringLiteral(" Come la foto di copertina riempie la pagina "));
  coverFit_->addItems(kCoverFits);
  coverFit_->setGeometry(Twips(1140, 7065, 2820, 375));
  fitLabel->setBuddy(coverFit_);
  const auto stored = static_cast<int>(session::ReadCoverFit(settings_));
  shownCoverFit_ = stored >= 0 && stored < kCoverFits.size() ? stored : 0;
  coverFit_->setCurrentIndex(shownCoverFit_);

  avanzata_->setEnabled(false);
  timer_ = new QTimer(this);
  timer_->setSingleShot(true);
  timer_->setInterval(kLoadDelayMs);
  connect(timer_, &QTimer::timeout, this, &SelFoto::LoadSlots);
}

void SelFoto::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // The window paints first; the pictures follow.
  if (loadArmed_) return;
  loadArmed_ = true;
  timer_->start();
}

void SelFoto::done(int result) {
  closing_ = true;
  timer_->stop();
  // The load looks at `closing_` before it touches the prefetch again.
  prefetch_.reset();
  QDialog::done(result);
}

SelFoto::~SelFoto() = default;

void SelFoto::LoadSlots() {
  const QPointer<SelFoto> alive(this);
  // Decoding runs ahead on other threads while the slots are filled here in
  // order; a camera photo takes tens of milliseconds even scaled.
  std::vector<ThumbnailPrefetch::Job> jobs;
  for (int slot = 0; slot < PhotoSelection::kSlots; ++slot) {
    jobs.push_back(
        {QString::fromStdString(model_.PhotoPaths[slot]), pictures_[slot]->PictureBox()});
  }
  prefetch_ = std::make_unique<ThumbnailPrefetch>(
      std::move(jobs), &render::DecodePictureToFit,
      std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 2, 4));
  for (int slot = 0; slot < PhotoSelection::kSlots; ++slot) {
    names_[slot]->setText(QString::fromStdString(model_.PageName[slot]));
    selection_.Load(slot, model_.PhotoPaths[slot], model_.PhotoNotes[slot]);
    QImage thumbnail;
    while (!prefetch_->Take(static_cast<std::size_t>(slot), kPollInterval, &thumbnail)) {
      QCoreApplication::processEvents();
      if (!alive || closing_ || !isVisible()) return;
    }
    pictures_[slot]->ShowPicture(thumbnail);
    if (thumbnail.isNull() && !selection_.PendingPhoto(slot).isEmpty()) {
      // Kept, as the user chose it; the tool tip says why nothing shows.
      SetPictureTip(slot, selection_.PendingPhoto(slot));
    }
    notes_[slot]->setText(selection_.PendingNote(slot));
    notes_[slot]->setCursorPosition(0);
    emit slotFilled(slot);
    // Let the window paint the slot and react to the user.
    QCoreApplication::processEvents();
    if (!alive || closing_ || !isVisible()) return;
  }
  prefetch_.reset();
  avanzata_->setEnabled(true);
  slotsLoaded_ = true;
  emit loadFinished();
}

QImage SelFoto::Thumbnail(int slot, const QString& path) const {
  return render::DecodePictureToFit(path, pictures_[slot]->PictureBox());
}

void SelFoto::ChoosePicture(int slot) {
  if (!slotsLoaded_) return;
  const QStringList filters = ToQtFileFilters(PictureFilterPairs());
  const PictureRequest request{
      QStringLiteral("Seleziona l'immagine di ") + QString::fromStdString(model_.PageName[slot]),
      selection_.PendingPhoto(slot), filters, filters.value(0)};
  const QPointer<SelFoto> alive(this);
  const QString chosen = hooks_.choosePicture(this, request);
  if (!alive || chosen.isEmpty()) return;
  SetPicture(slot, chosen);
}

void SelFoto::SetPicture(int slot, const QString& path) {
  const QImage thumbnail = Thumbnail(slot, path);
  if (thumbnail.isNull()) {
    const QString page = QString::fromStdString(model_.PageName[slot]);
    const QString why = QFileInfo(path).isFile()
                            ? QStringLiteral(
                                  "non è un'immagine che il programma sa leggere (o è "
                                  "danneggiato)")
                            : QStringLiteral("non esiste o non è un file");
    hooks_.warn(this, QStringLiteral("Il file «%1» %2.\n\nL'immagine di %3 resta com'era.")
                          .arg(QDir::toNativeSeparators(path), why, page));
    return;
  }
  pictures_[slot]->ShowPicture(thumbnail);
  selection_.SetPhoto(slot, path);
  SetPictureTip(slot);
}

void SelFoto::RemovePicture(int slot) {
  if (!slotsLoaded_) return;
  selection_.SetPhoto(slot, QString());
  pictures_[slot]->ShowPicture(QImage());
  SetPictureTip(slot);
}

void SelFoto::SetPictureTip(int slot, const QString& unreadable) {
  QString tip = QStringLiteral(
                    "Clic, Spazio o Invio: scegli l'immagine di %1.\nCanc o menu del tasto "
                    "destro: rimuovila.\nSi può anche trascinarvi sopra un file.")
                    .arg(QString::fromStdString(model_.PageName[slot]));
  if (!unreadable.isEmpty()) {
    tip = QStringLiteral(
              "Il file «%1»\nnon si può mostrare (non c'è o non è "
              "un'immagine);\nresta scelto finché non lo cambi o lo rimuovi.\n\n")
              .arg(QDir::toNativeSeparators(unreadable)) +
          tip;
  }
  pictures_[slot]->setToolTip(tip);
}

void SelFoto::NoteLeft(int slot) {
  if (!slotsLoaded_) return;
  notes_[slot]->setText(selection_.LeaveNote(slot, notes_[slot]->text()));
}

void SelFoto::Reset() {
  selection_.Reset();
  for (int slot = 0; slot < PhotoSelection::kSlots; ++slot) {
    pictures_[slot]->ShowPicture(QImage());
    SetPictureTip(slot);
    notes_[slot]->setText(PhotoSelection::kNoNote);
  }
}

void SelFoto::Confirm() {
  if (slotsLoaded_) {
    // A note still being typed counts as left, however "Fine" was reached.
    for (int slot = 0; slot < PhotoSelection::kSlots; ++slot) {
      if (notes_[slot]->hasFocus()) NoteLeft(slot);
    }
    std::vector<session::SettingsWrite> writes =
        selection_.Confirm(model_.PhotoPaths, model_.PhotoNotes);
    if (coverFit_->currentIndex() != shownCoverFit_) {
      writes.push_back(
          {QString::fromLatin1(session::keys::AdattaCopertina),
           session::FormatCode(static_cast<render::CoverFit>(coverFit_->currentIndex()))});
    }
    settings_.write(writes);
  }
  accept();
}

void SelFoto::OpenEditor() {
  if (!slotsLoaded_) return;
  hooks_.openEditor(this);
}

}  // namespace orsalimbra::ui
