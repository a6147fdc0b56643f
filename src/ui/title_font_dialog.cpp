#include "ui/title_font_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace orsalimbra::ui {

namespace {
// Tall enough to judge a face by.
constexpr int kSamplePixels = 28;
}  // namespace

TitleFontDialog::TitleFontDialog(const QFont& initial, QWidget* parent)
    : QDialog(parent),
      family_(new QFontComboBox(this)),
      bold_(new QCheckBox(QStringLiteral("&Grassetto"), this)),
      italic_(new QCheckBox(QStringLiteral("Cors&ivo"), this)),
      sample_(new QLabel(QStringLiteral("Calendario AaBbCc 0123"), this)) {
  setObjectName(QStringLiteral("TitleFontDialog"));
  setWindowTitle(kCaption);
  family_->setObjectName(QStringLiteral("Carattere"));
  family_->setEditable(false);
  family_->setCurrentFont(QFont(initial.family()));
  bold_->setChecked(initial.bold());
  italic_->setChecked(initial.italic());
  sample_->setObjectName(QStringLiteral("Esempio"));
  sample_->setAlignment(Qt::AlignCenter);
  sample_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  sample_->setMinimumHeight(kSamplePixels * 2);
  sample_->setAutoFillBackground(true);
  QPalette white = sample_->palette();
  white.setColor(QPalette::Window, Qt::white);
  white.setColor(QPalette::WindowText, Qt::black);
  sample_->setPalette(white);

  auto* note = new QLabel(
      QStringLiteral("La grandezza non si sceglie: il titolo si adatta da sé al suo spazio."),
      this);
  note->setWordWrap(true);

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("&Carattere:"), family_);
  auto* styles = new QHBoxLayout;
  styles->addWidget(bold_);
  styles->addWidget(italic_);
  styles->addStretch();
  form->addRow(QString(), styles);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(sample_);
  layout->addWidget(note);
  layout->addWidget(buttons);

  connect(family_, &QFontComboBox::currentFontChanged, this, &TitleFontDialog::ShowSample);
  connect(bold_, &QCheckBox::toggled, this, &TitleFontDialog::ShowSample);
  connect(italic_, &QCheckBox::toggled, this, &TitleFontDialog::ShowSample);
  ShowSample();
  resize(420, sizeHint().height());
}

QFont TitleFontDialog::chosenFont() const {
  QFont font(family_->currentFont().family());
  font.setBold(bold_->isChecked());
  font.setItalic(italic_->isChecked());
  return font;
}

void TitleFontDialog::ShowSample() {
  QFont font = chosenFont();
  font.setPixelSize(kSamplePixels);
  sample_->setFont(font);
}

std::optional<QFont> TitleFontDialog::Ask(QWidget* parent, const QFont& initial) {
  TitleFontDialog dialog(initial, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.chosenFont();
}

}  // namespace orsalimbra::ui
