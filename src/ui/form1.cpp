#include "ui/form1.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFocusEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolTip>

#include <optional>
#include <utility>
#include <vector>

#include "render/cover_fit.h"
#include "render/credits.h"
#include "render_qt/qt_picture.h"
#include "session/settings_codec.h"
#include "session/settings_keys.h"
#include "session/stored_choices.h"
#include "session/year_entry.h"
#include "session/year_inputs.h"
#include "ui/clickable_label.h"
#include "ui/data_file_problem_text.h"
#include "ui/eliding_combo_box.h"
#include "ui/enter_moves_focus.h"
#include "ui/layout_button.h"
#include "ui/layout_choice.h"
#include "ui/page_sketches.h"
#include "ui/spin_buttons.h"
#include "ui/twips.h"
#include "ui/window_print_host.h"
#include "ui/wrap_button.h"
#include "ui/year_check.h"

namespace orsalimbra::ui {

namespace {

constexpr int kClientWidth = 8184;
constexpr int kClientHeight = 5484;

// Page Up and Page Down step the year by this much, as in a spin box.
constexpr int kYearPageStep = 10;

// What a click (or Space) on the clickable pictures and labels does.
const QString kTimeBaseTip = QStringLiteral(
    "Ora delle fasi lunari: LOC ora locale (solare), GMT ora di Greenwich.\n"
    "Clic o Spazio: cambia.");
const QString kTitleSampleTip =
    QStringLiteral("Esempio del titolo.\nClic o Spazio: ombra sì o no.");
const QString kCoverTip = QStringLiteral(
    "Copertina.\nClic o Spazio: stile seguente (nessuna copertina, titolo in alto, al centro,\n"
    "in basso, solo la foto).");
const QString kMoonSampleTip =
    QStringLiteral("Simbolo delle fasi lunari; il pulsante «Lune» cambia lo stile.");

}  // namespace

Form1::Form1(WindowEnvironment environment, WindowServices services, QWidget* parent)
    : QWidget(parent),
      env_(std::move(environment)),
      services_(std::move(services)),
      store_(env_.settingsSection) {
  setObjectName(QStringLiteral("Form1"));
  timeBase_ = core::TimeBaseState(core::TimeBaseState::Hooks{
      [this](const std::string& caption) { Fuso->setText(QString::fromStdString(caption)); },
      [this] { LetEventsRun(); },
      [this](const std::string& value) {
        store_.write(session::keys::LocalTime, QString::fromStdString(value));
      }});
  CreateControls();
  ConnectControls();
  CreatePrintJobs();
}

Form1::~Form1() = default;

void Form1::CreateControls() {
  setFixedSize(Px(kClientWidth), Px(kClientHeight));
  // The small controls of the window are sized for an 8-point face.
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(11);
  setFont(font);

  const auto name = [](QWidget* widget, const char* objectName, const QRect& place) {
    widget->setObjectName(QString::fromLatin1(objectName));
    widget->setGeometry(place);
  };
  const auto label = [&](const char* objectName, const QString& caption, const QRect& place,
                         QWidget* parent) {
    auto* l = new QLabel(caption, parent);
    name(l, objectName, place);
    return l;
  };
  const auto button = [&](const char* objectName, const QString& caption, const QRect& place) {
    auto* b = new WrapButton(caption, this);
    name(b, objectName, place);
    return b;
  };
  const auto pictureBox = [&](const char* objectName, const QRect& place) {
    auto* box = new ClickableLabel(this);
    name(box, objectName, place);
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setLineWidth(1);
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return box;
  };

  // Created in the order the focus travels with Tab (and Enter).
  Label4 =
      label("Label4", QStringLiteral("Generatore di calendari"), Twips(480, 120, 7212, 372), this);
  QFont banner(QStringLiteral("Arial"));
  banner.setPixelSize(20);
  banner.setBold(true);
  Label4->setFont(banner);
  Label4->setAlignment(Qt::AlignCenter);

  Text1 = new QLineEdit(QStringLiteral("2002"), this);
  name(Text1, "Text1", Twips(480, 645, 855, 420));
  Text1->setToolTip(YearBoxToolTip());
  UpDown1 = new SpinButtons(this);
  name(UpDown1, "UpDown1", Twips(1320, 660, 240, 396));
  Label1 = label("Label1", QStringLiteral("&Anno"), Twips(1680, 720, 696, 312), this);
  Label1->setBuddy(Text1);
  LabelLingua = label("LabelLingua", QStringLiteral("&Lingua"), Twips(2400, 720, 732, 288), this);
  LabelLingua->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  Lingue = new ElidingComboBox(this);
  LabelLingua->setBuddy(Lingue);
  name(Lingue, "Lingue", Twips(3180, 690, 2175, 288));
  Lingue->setPlaceholderText(QStringLiteral(" seleziona"));
  Fuso = new ClickableLabel(this);
  Fuso->setText(QStringLiteral("GMT"));
  // The moon sample beside it is widened to the left (below); the label,
  // narrowed to match, still holds "LOC" and "GMT" whole.
  name(Fuso, "Fuso", Twips(5520, 780, 500, 252));
  Fuso->setAlignment(Qt::AlignCenter);
  Fuso->setCursor(Qt::PointingHandCursor);
  Fuso->setFocusPolicy(Qt::StrongFocus);
  Fuso->setToolTip(kTimeBaseTip);
  // 740 twips would cut the last-quarter symbol drawn beside the face, which
  // reaches 1.5 box heights + 160 twips (some 770) from the left: the box
  // takes the room up to the moon button.
  EsempioLun = pictureBox("EsempioLun", Twips(6020, 690, 820, 400));
  EsempioLun->setToolTip(kMoonSampleTip);
  OpzioneLuna = button("OpzioneLuna", QStringLiteral("Lu&ne"), Twips(6840, 690, 855, 400));
  FontKey = button("FontKey", QStringLiteral("F&ont titoli"), Twips(480, 1280, 855, 660));
  EsempioTit = pictureBox("EsempioTit", Twips(1320, 1110, 5535, 885));
  EsempioTit->setCursor(Qt::PointingHandCursor);
  EsempioTit->setFocusPolicy(Qt::StrongFocus);
  EsempioTit->setToolTip(kTitleSampleTip);
  ColTitKey = button("ColTitKey", QStringLiteral("&Colore titoli"), Twips(6840, 1275, 855, 660));

  // The no-cover picture lies under the miniature and shows when it is hidden.
  CoverOFF = new QLabel(this);
  name(CoverOFF, "CoverOFF", Twips(516, 2160, 1185, 1545));
  CoverOFF->setScaledContents(true);
  coverOffPicture_ = DrawNoCoverPicture(CoverOFF->size(), devicePixelRatioF());
  CoverOFF->setPixmap(coverOffPicture_);
  Cover = pictureBox("Cover", CoverOFF->geometry());
  Cover->setCursor(Qt::PointingHandCursor);
  Cover->setFocusPolicy(Qt::StrongFocus);
  Cover->setToolTip(kCoverTip);

  Tipo1 = new LayoutButton(PageSketch::Weekly, this);
  name(Tipo1, "Tipo1", Twips(2470, 2160, 1215, 1575));
  Tipo2 = new LayoutButton(PageSketch::Daily, this);
  name(Tipo2, "Tipo2", Twips(4490, 2160, 1215, 1545));
  Tipo0 = new LayoutButton(PageSketch::Semester, this);
  name(Tipo0, "Tipo0", Twips(6480, 2160, 1215, 1545));
  Tipo0->setToolTip(LayoutToolTip(core::LayoutCode::Semester));
  Tipo1->setToolTip(LayoutToolTip(core::LayoutCode::Weekly));
  Tipo2->setToolTip(LayoutToolTip(core::LayoutCode::Daily));
  // The thumbnails lie on the weekly and daily buttons.
  Miniat1 = pictureBox("Miniat1", Twips(2676, 2310, 900, 660));
  Miniat2 = pictureBox("Miniat2", Twips(4596, 2310, 900, 660));
  Miniat1->setToolTip(Tipo1->toolTip());
  Miniat2->setToolTip(Tipo2->toolTip());
  Miniat1->hide();
  Miniat2->hide();

  Formato = label("Formato", QStringLiteral("Un mese per facciata, formato settimanale"),
                  Twips(2520, 3840, 5052, 252), this);
  Formato->setAlignment(Qt::AlignCenter);
  Progress = new QProgressBar(this);
  name(Progress, "Progress", Twips(600, 3840, 6972, 252));
  Progress->setTextVisible(false);
  Progress->hide();
  // Beside the progress bar, shown with it.
  AnnullaStampa = new QPushButton(QStringLiteral("Annulla"), this);
  name(AnnullaStampa, "AnnullaStampa", Twips(7620, 3780, 540, 372));
  AnnullaStampa->setToolTip(QStringLiteral(" Annulla la stampa in corso (Esc) "));
  AnnullaStampa->hide();
  CreatePageStyleBoxes();
  OrdInv = new QCheckBox(QStringLiteral("Ord-In&v"), this);
  name(OrdInv, "OrdInv", Twips(4920, 4215, 1092, 240));

  // Alt and the underlined letter press a button; no letter is used twice.
  Aiuto = button("Aiuto", QStringLiteral("&Help"), Twips(120, 4485, 852, 780));
  Modifica =
      button("Modifica", QStringLiteral("&Imposta immagini e note"), Twips(1080, 4485, 852, 780));
  StampaAll = button("StampaAll", QStringLiteral("Stampa &tutto"), Twips(2040, 4485, 852, 780));
  Stampa0 =
      button("Stampa0", QStringLiteral("Stampa &solo copertina"), Twips(3000, 4485, 852, 780));
  Stampa1 =
      button("Stampa1", QStringLiteral("Stampa p&rimo semestre"), Twips(3960, 4485, 852, 780));
  Stampa2 =
      button("Stampa2", QStringLiteral("Stampa secon&do semestre"), Twips(4920, 4485, 852, 780));

  FrameM = new QFrame(this);
  name(FrameM, "FrameM", Twips(5880, 4125, 1290, 1150));
  FrameM->setFrameStyle(QFrame::Box | QFrame::Sunken);
  LabelM = label("LabelM", QStringLiteral("Stampa mese"), Twips(45, 45, 1200, 240), FrameM);
  LabelM->setAlignment(Qt::AlignCenter);
  // Three rows of four month buttons.
  for (int i = 0; i < 12; ++i) {
    auto* month = new QPushButton(QString::number(i + 1), FrameM);
    month->setObjectName(QStringLiteral("StampaM%1").arg(i));
    month->setGeometry(Twips(45 + (i % 4) * 300, 300 + (i / 4) * 270, 300, 255));
    StampaM[i] = month;
  }
  Esci = button("Esci", QStringLiteral("Fin&e"), Twips(7236, 4485, 852, 780));

  setWindowTitle(QString::fromUtf8(render::kCreditLine));
  setWindowIcon(QIcon(DrawPageSketch(PageSketch::Weekly, QSize(32, 32), 2)));
}

void Form1::ConnectControls() {
  Text1->installEventFilter(this);
  connect(UpDown1, &SpinButtons::stepped, this, &Form1::SpinStepped);
  connect(Lingue, &QComboBox::currentIndexChanged, this, &Form1::LanguageChosen);
  connect(Fuso, &ClickableLabel::clicked, this, [this] { timeBase_.Click(); });
  connect(OpzioneLuna, &QPushButton::clicked, this, &Form1::MoonStyleClicked);
  connect(FontKey, &QPushButton::clicked, this, &Form1::TitleFontClicked);
  connect(EsempioTit, &ClickableLabel::clicked, this, &Form1::TitleSampleClicked);
  connect(ColTitKey, &QPushButton::clicked, this, &Form1::TitleColourClicked);
  connect(Cover, &ClickableLabel::clicked, this, &Form1::CoverClicked);
  connect(Tipo0, &QAbstractButton::clicked, this,
          [this] { LayoutClicked(core::LayoutCode::Semester); });
  connect(Tipo1, &QAbstractButton::clicked, this,
          [this] { LayoutClicked(core::LayoutCode::Weekly); });
  connect(Tipo2, &QAbstractButton::clicked, this,
          [this] { LayoutClicked(core::LayoutCode::Daily); });
  connect(Miniat1, &ClickableLabel::clicked, this,
          [this] { LayoutClicked(core::LayoutCode::Weekly); });
  connect(Miniat2, &ClickableLabel::clicked, this,
          [this] { LayoutClicked(core::LayoutCode::Daily); });
  connect(Aiuto, &QPushButton::clicked, this, &Form1::HelpClicked);
  connect(Modifica, &QPushButton::clicked, this, &Form1::ImagesClicked);
  connect(Esci, &QPushButton::clicked, this, &Form1::ExitClicked);
  connect(AnnullaStampa, &QPushButton::clicked, this, &Form1::CancelPrint);
  // Escape cancels a running job; at other times it is not this window's.
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  escape->setContext(Qt::WindowShortcut);
  connect(escape, &QShortcut::activated, this, &Form1::CancelPrint);
  helpKey_ = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(helpKey_, &QShortcut::activated, this, &Form1::HelpClicked);

  connect(StampaAll, &QPushButton::clicked, this, [this] {
    if (Ready) PrintAll();
  });
  const auto halfYear = [this](render::HalfYear half) {
    if (Ready) PrintHalfYear(half);
  };
  connect(Stampa0, &QPushButton::clicked, this,
          [halfYear] { halfYear(render::HalfYear::CoverOnly); });
  connect(Stampa1, &QPushButton::clicked, this, [halfYear] { halfYear(render::HalfYear::First); });
  connect(Stampa2, &QPushButton::clicked, this, [halfYear] { halfYear(render::HalfYear::Second); });
  for (int i = 0; i < 12; ++i) {
    // Not guarded: a month prints whenever its button is pressed.
    connect(StampaM[i], &QPushButton::clicked, this, [this, i] { PrintMonth(i); });
  }
}

void Form1::Start() {
  // Enter moves the focus on, seen before any control gets the key.
  if (keyPreview_ == nullptr) keyPreview_ = new EnterMovesFocus(this);
  Ready = false;

  timeBase_.SetUtcOffsetHours(core::UtcOffsetFromBias(env_.timeZoneBias));
  // The year is never stored: every start proposes it afresh.
  yearInForce_ = session::ProposedYear(env_.today);
  ShowYearInForce();
  year_.PageName[0] = "Copertina";

  store_.applyVersion();
  choices_ = session::ChoicesFrom(session::ReadStoredChoices(store_));
  personal_ = session::ReadPersonalDateSettings(store_);
  choices_.personalDateColour = personal_.colour;
  // The list is still empty; the build below fills it and selects the entry.
  const core::YearModel start = session::StartingYearModel(choices_);
  year_.LanguageIndex = start.LanguageIndex;
  year_.PhotoPaths = start.PhotoPaths;
  year_.PhotoNotes = start.PhotoNotes;
  if (choices_.OrdInv) OrdInv->setChecked(*choices_.OrdInv);
  timeBase_.SetUseLocalTime(choices_.UseLocalTime);
  timeBase_.ShowTimeBase();
  moonLook_.MoonLineColour = render::kRed;
  moonLook_.MoonFillColour = render::kWhite;

  LoadYearData();
  if (year_.LanguageIndex >= 0 && year_.LanguageIndex < static_cast<int>(year_.TitleList.size())) {
    year_.CurrentTitle = year_.TitleList[static_cast<std::size_t>(year_.LanguageIndex)];
  }
  if (services_.measurePrinter) metrics_ = services_.measurePrinter();

  window()->show();
  ShowLayout();
  DrawTitleSample();
  ShowMoonSample();
  Ready = true;
  Aiuto->setFocus();
}

void Form1::LetEventsRun() { QCoreApplication::processEvents(); }

QSize Form1::PixelsInside(const QLabel* label) const {
  return label->contentsRect().size() * label->devicePixelRatioF();
}

void Form1::LoadYearData() {
  Ready = false;
  PrinterChosen = false;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  ++builds_;

  const session::DataFileInUse data = session::DataFileInForce(env_.files);
  session::DataFileStatus dataFile;
  core::YearInputs inputs = session::ReadYearInputs(
      data.place.dataFile, env_.files.folder, env_.files.userFolder, QString::number(yearInForce_),
      choices_.LayoutType.value_or(core::LayoutCode::Invalid), choices_.UserPhotosSet, &dataFile);
  session::PersonalDatesLoad personal = LoadPersonalDates(personal_.enabledPaths(), yearInForce_);
  inputs.personalDates = std::move(personal.dates);
  core::YearLoad load = core::LoadYearData(year_, inputs);
  if (duringYearModelBuild) duringYearModelBuild();

  std::vector<session::SettingsWrite> writes;
  for (const core::SettingsWrite& write : load.settingsWrites) {
    writes.push_back({QString::fromStdString(write.key), QString::fromStdString(write.value)});
  }
  store_.write(writes);
  year_ = std::move(load.model);
  ShowEntries();
  ShowMonthThumbnails();
  LoadCoverPicture();
  // Clicks that arrived during the build are spent here, while Ready is
  // still false, instead of acting on the new model afterwards.
  LetEventsRun();

  Ready = true;
  DrawTitleSample();
  ShowLayout();
  QApplication::restoreOverrideCursor();
  ReportDataFile(data, dataFile);
  ReportPersonalDates(personal.problems);
  Aiuto->setFocus();
}

session::PersonalDatesLoad Form1::LoadPersonalDates(const std::vector<std::string>& paths,
                                                    int year) const {
  return session::LoadPersonalDates(paths, year, env_.timeZoneName);
}

void Form1::ReportPersonalDates(const std::vector<events::ImportProblem>& problems) {
  // Told once: a new year or language reads the same files again.
  const QString text = session::ItalianProblemsText(problems);
  const bool quiet = std::exchange(personalProblemsQuiet_, false);
  if (text == personalProblemsTold_) return;
  personalProblemsTold_ = text;
  if (quiet) return;
  if (text.isEmpty() || !services_.showPersonalDatesProblem) return;
  services_.showPersonalDatesProblem(
      this, QStringLiteral("Date personali"),
      QStringLiteral("Alcune date personali non sono state lette; il calendario si stampa "
                     "con le altre.\n\n") +
          text);
}

void Form1::PersonalDatesCommand() {
  if (!Ready || !services_.editPersonalDates) return;
  session::PersonalDateSettings edited = personal_;
  const int year = yearInForce_;
  if (!services_.editPersonalDates(this, edited, year, [this, year](const auto& paths) {
        return LoadPersonalDates(paths, year);
      })) {
    return;
  }
  personal_ = edited;
  choices_.personalDateColour = personal_.colour;
  session::WritePersonalDateSettings(store_, personal_);
  // The window has just shown the problems of these files.
  personalProblemsQuiet_ = true;
  LetEventsRun();
  LoadYearData();
}

void Form1::ReportDataFile(const session::DataFileInUse& data,
                           const session::DataFileStatus& status) {
  // A missing data file is how the program may start: nothing is said. The
  // user's copy, though, was there a moment ago (a link to nowhere, say).
  const session::DataFileProblem problem =
      status.problem == session::DataFileProblem::Missing && !data.userCopy
          ? session::DataFileProblem::None
          : status.problem;
  if (problem == dataFileProblemTold_) return;
  dataFileProblemTold_ = problem;
  if (problem == session::DataFileProblem::None || !services_.showDataFileProblem) return;
  services_.showDataFileProblem(this, QString::fromUtf8(kDataFileProblemTitle),
                                ui::DataFileProblemText(data, status));
}

void Form1::ShowEntries() {
  // Filling the list selects lines; that is no choice of the user's.
  const QSignalBlocker quiet(Lingue);
  bool same = Lingue->count() == static_cast<int>(year_.entries.size());
  for (int i = 0; same && i < Lingue->count(); ++i) {
    same = Lingue->itemText(i) ==
           QLatin1Char(' ') + QString::fromStdString(year_.entries[static_cast<std::size_t>(i)]);
  }
  if (!same) {
    Lingue->clear();
    for (const std::string& entry : year_.entries) {
      Lingue->addItem(QLatin1Char(' ') + QString::fromStdString(entry));
    }
  }
  if (year_.selectedEntry >= 0 && year_.selectedEntry < Lingue->count()) {
    Lingue->setCurrentIndex(year_.selectedEntry);
  }
  // "Lingua" or "Paese", reached with Alt and its first letter.
  LabelLingua->setText(QLatin1Char('&') + QString::fromStdString(year_.entryLabel));
}

void Form1::ShowMonthThumbnails() {
  if (year_.NoMonthPhotos || year_.firstMonthPhoto < 1) {
    Miniat1->hide();
    Miniat2->hide();
    return;
  }
  // Decoded on a worker thread; a picture that cannot be decoded leaves the
  // one loaded before.
  ImgTemp.Request(
      QString::fromStdString(year_.PhotoPaths[static_cast<std::size_t>(year_.firstMonthPhoto)]),
      PixelsInside(Miniat1), {}, [this](bool) {
        QPixmap thumbnail = QPixmap::fromImage(ImgTemp.image());
        thumbnail.setDevicePixelRatio(devicePixelRatioF());
        Miniat1->setPixmap(thumbnail);
        Miniat2->setPixmap(thumbnail);
        Miniat1->show();
        Miniat2->show();
      });
}

void Form1::LoadCoverPicture() {
  if (!year_.HasCoverPhoto) return;
  // Placed on the miniature as the cover page places it on paper, decoded on
  // a worker thread. A cover picture that cannot be decoded leaves the one
  // held before.
  const QString path = QString::fromStdString(year_.PhotoPaths[0]);
  const std::optional<QSize> natural = render::PicturePixelSize(path);
  if (!natural) return;
  const QSizeF box = Cover->contentsRect().size();
  const render::PicturePlacement place = render::PlaceCoverPicture(
      natural->width(), natural->height(), box.width(), box.height(), choices_.coverFit);
  const QRectF rect(place.x, place.y, place.width, place.height);
  const qreal ratio = Cover->devicePixelRatioF();
  const QSize pixels = (rect.size() * ratio).toSize().expandedTo(QSize(1, 1));
  Immagine.Request(path, pixels, place.part, [this, rect](bool held) {
    if (!held) return;
    coverPictureRect_ = rect;
    // During a rebuild the layout draws the miniature once it is done.
    if (Ready) DrawCoverPreview();
  });
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Text1) {
    if (event->type() == QEvent::FocusOut) {
      // Focus moves inside this window count; leaving the window and coming
      // back (another program, a dialog) does not.
      const auto reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
        ApplyYearBox();
      }
    } else if (event->type() == QEvent::KeyPress) {
      // The keys of a spin box step the year as the arrows beside it do.
      const auto* key = static_cast<QKeyEvent*>(event);
      const int delta = key->key() == Qt::Key_Up         ? 1
                        : key->key() == Qt::Key_Down     ? -1
                        : key->key() == Qt::Key_PageUp   ? kYearPageStep
                        : key->key() == Qt::Key_PageDown ? -kYearPageStep
                                                         : 0;
      if (delta != 0) {
        SpinStepped(delta);
        return true;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

void Form1::ShowYearInForce() {
  Text1->setText(QString::number(yearInForce_));
  Text1->setToolTip(YearBoxToolTip());
}

void Form1::SayYearRefused(const QString& reason) {
  // Kept as the box's tool tip until a year is applied, so that it can be
  // read again after the pop-up has gone.
  Text1->setToolTip(reason);
  // Shown once the focus has moved on: a tip shown in the middle of the
  // move would be hidden by its end.
  QTimer::singleShot(0, this, [this, reason] {
    if (Text1->toolTip() != reason) return;
    QToolTip::showText(Text1->mapToGlobal(QPoint(0, Text1->height())), reason, Text1, QRect(),
                       8000);
  });
}

void Form1::ApplyYearBox() {
  if (!Idle()) return;
  const YearVerdict verdict = CheckTypedYear(Text1->text(), yearInForce_);
  if (!verdict.year) {
    // Nothing shows or prints a year that is not one.
    Text1->setText(QString::number(yearInForce_));
    SayYearRefused(verdict.reason);
    return;
  }
  const bool changed = *verdict.year != yearInForce_;
  yearInForce_ = *verdict.year;
  ShowYearInForce();
  if (!changed) return;
  // The new year shows in the title while the model is rebuilt.
  DrawTitleSample();
  LetEventsRun();
  LoadYearData();
}

void Form1::SpinStepped(int delta) {
  if (!Idle()) return;
  const std::optional<int> year = session::SpinStep(Text1->text(), yearInForce_, delta);
  if (!year) return;
  // The step applies the year at once; the year box, if it has the focus,
  // finds it in force when the rebuild moves the focus away.
  yearInForce_ = *year;
  ShowYearInForce();
  DrawTitleSample();
  LetEventsRun();
  LoadYearData();
}

void Form1::LanguageChosen(int index) {
  if (jobs_->running()) {
    // The list cannot be closed on a choice that is not taken.
    const QSignalBlocker quiet(Lingue);
    Lingue->setCurrentIndex(year_.selectedEntry);
    return;
  }
  if (!Ready || index < 0) return;
  year_.LanguageIndex = index;
  store_.write(session::keys::Lingua, session::FormatInt(index));
  if (index < static_cast<int>(year_.TitleList.size())) {
    year_.CurrentTitle = year_.TitleList[static_cast<std::size_t>(index)];
  }
  LoadYearData();
}

void Form1::HelpClicked() {
  if (!Ready) return;
  // A missing help page shows nothing.
  const QFileInfo page(env_.files.helpFile);
  if (!page.isFile()) return;
  if (services_.openHelpPage) services_.openHelpPage(this, page.absoluteFilePath());
}

void Form1::ImagesClicked() {
  if (!Idle()) return;
  if (services_.showImageWindow) services_.showImageWindow(this, year_, store_, env_.files);
  // The window may have changed how the cover picture meets the page.
  choices_.coverFit = session::ReadCoverFit(store_);
  LetEventsRun();
  LoadYearData();
}

void Form1::ExitClicked() {
  // Only this button stores the reversed-order choice; closing the window
  // from its title bar stores nothing.
  store_.write(session::keys::OrdInv, session::FormatInt(OrdInv->isChecked() ? 1 : 0));
  window()->close();
}

void Form1::HelpCommand() { HelpClicked(); }

void Form1::HandOverHelpKey() {
  delete helpKey_;
  helpKey_ = nullptr;
}

void Form1::ExitCommand() {
  if (!jobs_->running()) ExitClicked();
}

}  // namespace orsalimbra::ui
