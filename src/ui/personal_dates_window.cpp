#include "ui/personal_dates_window.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <utility>

#include "render_qt/qt_colour.h"

namespace orsalimbra::ui {

namespace {

QStringList ChooseCalendarFiles(QWidget* parent) {
  return QFileDialog::getOpenFileNames(
      parent, QStringLiteral("Scegli i file di calendario"), QDir::homePath(),
      QStringLiteral("Calendari iCalendar (*.ics *.ICS);;Tutti i file (*)"));
}

QColor ChooseDatesColour(QWidget* parent, const QColor& initial) {
  return QColorDialog::getColor(initial, parent, QStringLiteral("Colore delle date personali"));
}

PersonalDatesHooks WithDefaults(PersonalDatesHooks hooks) {
  if (!hooks.chooseFiles) hooks.chooseFiles = &ChooseCalendarFiles;
  if (!hooks.chooseColour) hooks.chooseColour = &ChooseDatesColour;
  return hooks;
}

// The item keeps the path as given; the list shows it the system's way.
constexpr int kPathRole = Qt::UserRole;

}  // namespace

QString PersonalDatesCountText(int year, std::size_t count) {
  if (count == 0) return QStringLiteral("Nessuna data personale nel %1").arg(year);
  if (count == 1) return QStringLiteral("1 data personale nel %1").arg(year);
  return QStringLiteral("%1 date personali nel %2").arg(count).arg(year);
}

PersonalDatesWindow::PersonalDatesWindow(session::PersonalDateSettings settings, int year,
                                         PersonalDatesHooks hooks, QWidget* parent)
    : QDialog(parent),
      year_(year),
      hooks_(WithDefaults(std::move(hooks))),
      colourValue_(render::ToQColor(settings.colour)) {
  setWindowTitle(kCaption);
  setObjectName(QStringLiteral("DatePersonali"));

  auto* intro = new QLabel(
      QStringLiteral("Compleanni, anniversari e appuntamenti dai file .ics esportati dai "
                     "programmi di calendario. Le date spuntate si stampano dopo le feste "
                     "del giorno."),
      this);
  intro->setWordWrap(true);
  files_ = new QListWidget(this);
  files_->setObjectName(QStringLiteral("FileEventi"));
  files_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  add_ = new QPushButton(QStringLiteral("&Aggiungi..."), this);
  remove_ = new QPushButton(QStringLiteral("&Rimuovi"), this);
  colour_ = new QPushButton(QStringLiteral("&Colore..."), this);
  count_ = new QLabel(this);
  problems_ = new QLabel(this);
  problems_->setWordWrap(true);
  problems_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

  auto* side = new QVBoxLayout;
  side->addWidget(add_);
  side->addWidget(remove_);
  side->addWidget(colour_);
  side->addStretch();
  auto* middle = new QHBoxLayout;
  middle->addWidget(files_, 1);
  middle->addLayout(side);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addLayout(middle, 1);
  layout->addWidget(count_);
  layout->addWidget(problems_);
  layout->addWidget(buttons);
  resize(560, 360);

  for (const session::PersonalDateFile& file : settings.files) AddItem(file);
  ShowColour();
  Recount();

  connect(add_, &QPushButton::clicked, this, &PersonalDatesWindow::AddFiles);
  connect(remove_, &QPushButton::clicked, this, &PersonalDatesWindow::RemoveSelected);
  connect(colour_, &QPushButton::clicked, this, &PersonalDatesWindow::ChooseColour);
  connect(files_, &QListWidget::itemChanged, this, [this] { Recount(); });
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void PersonalDatesWindow::AddItem(const session::PersonalDateFile& file) {
  auto* item = new QListWidgetItem(QDir::toNativeSeparators(file.path));
  item->setData(kPathRole, file.path);
  item->setToolTip(QDir::toNativeSeparators(file.path));
  item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
  item->setCheckState(file.enabled ? Qt::Checked : Qt::Unchecked);
  files_->addItem(item);
}

session::PersonalDateSettings PersonalDatesWindow::settings() const {
  session::PersonalDateSettings s;
  for (int i = 0; i < files_->count(); ++i) {
    const QListWidgetItem* item = files_->item(i);
    s.files.push_back({item->data(kPathRole).toString(), item->checkState() == Qt::Checked});
  }
  s.colour = render::FromQColor(colourValue_);
  return s;
}

void PersonalDatesWindow::AddFiles() {
  const QStringList chosen = hooks_.chooseFiles(this);
  const QSignalBlocker quiet(files_);
  for (const QString& path : chosen) {
    const bool listed =
        !files_->findItems(QDir::toNativeSeparators(path), Qt::MatchExactly).empty();
    if (listed || files_->count() >= session::kMaxPersonalDateFiles) continue;
    AddItem({path, true});
  }
  Recount();
}

void PersonalDatesWindow::RemoveSelected() {
  const QList<QListWidgetItem*> selected = files_->selectedItems();
  if (selected.empty()) return;
  for (QListWidgetItem* item : selected) delete item;
  Recount();
}

void PersonalDatesWindow::ChooseColour() {
  const QColor chosen = hooks_.chooseColour(this, colourValue_);
  if (!chosen.isValid()) return;
  colourValue_ = chosen;
  ShowColour();
}

void PersonalDatesWindow::ShowColour() {
  QPixmap swatch(16, 16);
  swatch.fill(colourValue_);
  colour_->setIcon(QIcon(swatch));
}

void PersonalDatesWindow::Recount() {
  const session::PersonalDatesLoad load =
      hooks_.load ? hooks_.load(settings().enabledPaths()) : session::PersonalDatesLoad{};
  count_->setText(PersonalDatesCountText(year_, load.dates.size()));
  const QString problems = session::ItalianProblemsText(load.problems);
  problems_->setText(problems);
  problems_->setVisible(!problems.isEmpty());
}

}  // namespace orsalimbra::ui
