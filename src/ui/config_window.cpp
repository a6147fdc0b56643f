#include "ui/config_window.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextBlock>
#include <QVBoxLayout>
#include <optional>
#include <vector>

#include "core/row_widths.h"
#include "session/settings_keys.h"
#include "session/settings_store.h"
#include "session/stored_choices.h"
#include "session/year_inputs.h"
#include "ui/data_file_place_text.h"
#include "ui/data_file_text.h"
#include "ui/find_bar.h"
#include "ui/help_opener.h"

namespace orsalimbra::ui {

namespace {

// Contents of a file: empty for a missing file, nothing when a file that
// exists cannot be read whole, is no regular file or is far too large.
std::optional<QByteArray> ReadAll(const QString& path) {
  session::DataFileStatus status;
  const std::optional<std::string> bytes = session::ReadDataFile(path, &status);
  if (status.problem == session::DataFileProblem::Missing) return QByteArray();
  if (!bytes) return std::nullopt;
  return QByteArray::fromStdString(*bytes);
}

void DefaultWarn(QWidget* parent, const QString& text) {
  QMessageBox::warning(parent, Config::kCaption, text);
}

void DefaultOpenHelp(QWidget* parent, const QString& helpFile) { OpenHelp(parent, helpFile); }

DiscardAnswer DefaultAskDiscard(QWidget* parent) {
  QMessageBox box(QMessageBox::Question, Config::kCaption,
                  QStringLiteral("Il testo del file dei dati è stato modificato. Salvare le "
                                 "modifiche?"),
                  QMessageBox::NoButton, parent);
  QPushButton* save = box.addButton(QStringLiteral("&Salva"), QMessageBox::AcceptRole);
  QPushButton* discard =
      box.addButton(QStringLiteral("&Non salvare"), QMessageBox::DestructiveRole);
  QPushButton* cancel = box.addButton(QStringLiteral("Annulla"), QMessageBox::RejectRole);
  box.setDefaultButton(save);
  box.setEscapeButton(cancel);
  box.exec();
  if (box.clickedButton() == save) return DiscardAnswer::Save;
  if (box.clickedButton() == discard) return DiscardAnswer::Discard;
  return DiscardAnswer::Cancel;
}

// A box whose safe answer `no` is the default and Escape's; true for `yes`.
bool Confirm(QWidget* parent, QMessageBox::Icon icon, const QString& text, const QString& yes,
             const QString& no) {
  QMessageBox box(icon, Config::kCaption, text, QMessageBox::NoButton, parent);
  QPushButton* back = box.addButton(no, QMessageBox::RejectRole);
  QPushButton* go = box.addButton(yes, QMessageBox::AcceptRole);
  box.setDefaultButton(back);
  box.setEscapeButton(back);
  box.exec();
  return box.clickedButton() == go;
}

bool DefaultConfirmUnevenRows(QWidget* parent, const QString& text) {
  return Confirm(parent, QMessageBox::Warning, text, QStringLiteral("Salva &comunque"),
                 QStringLiteral("&Torna al testo"));
}

void DefaultInform(QWidget* parent, const QString& text) {
  QMessageBox::information(parent, Config::kCaption, text);
}

bool DefaultConfirmReset(QWidget* parent, const QString& text) {
  return Confirm(parent, QMessageBox::Question, text, QStringLiteral("&Ripristina"),
                 QStringLiteral("Annulla"));
}

}  // namespace

Config::Config(const session::ProgramFiles& files, int entryCount, session::SettingsStore& settings,
               QWidget* parent, ConfigHooks hooks)
    : QDialog(parent),
      files_(files),
      entryCount_(entryCount),
      settings_(settings),
      hooks_(std::move(hooks)),
      fontSize_(EditorFontSize::Bounded(session::ReadEditorFontSize(settings))) {
  if (!hooks_.warn) hooks_.warn = DefaultWarn;
  if (!hooks_.openHelp) hooks_.openHelp = DefaultOpenHelp;
  if (!hooks_.askDiscard) hooks_.askDiscard = DefaultAskDiscard;
  if (!hooks_.confirmUnevenRows) hooks_.confirmUnevenRows = DefaultConfirmUnevenRows;
  if (!hooks_.inform) hooks_.inform = DefaultInform;
  if (!hooks_.confirmReset) hooks_.confirmReset = DefaultConfirmReset;
  if (!hooks_.fileSystem) hooks_.fileSystem = std::make_shared<SaveFileSystem>();
  setObjectName(QStringLiteral("Config"));
  setWindowTitle(kCaption);
  setModal(true);

  auto* buttons = new QHBoxLayout;
  // Alt and the underlined letter press a button.
  QPushButton* reduce = AddButton("Riduci", QStringLiteral("&Riduci carattere"), {});
  QPushButton* enlarge = AddButton("Aumenta", QStringLiteral("&Ingrandisci carattere"), {});
  QPushButton* rollBack = AddButton("RollBack", QStringLiteral("&Versione precedente"), {});
  reset_ = AddButton("Ripristina", QStringLiteral("Ripristina il file &originale"),
                     QStringLiteral(" Torna al file dei dati installato con il programma "));
  // Without a folder of the user's there is no copy to give up.
  reset_->setVisible(!files_.userFolder.isEmpty());
  QPushButton* save = AddButton("SalvaKey", QStringLiteral("&Salva"),
                                QStringLiteral(" Salva le modifiche apportate al file "));
  QPushButton* cancel = AddButton("AnnullaKey", QStringLiteral("&Annulla"),
                                  QStringLiteral(" Ritorna senza apportare modifiche "));
  QPushButton* help = AddButton("Aiuto", QStringLiteral("Ai&uto"), {});
  buttons->addWidget(reduce);
  buttons->addWidget(enlarge);
  buttons->addSpacing(12);
  buttons->addWidget(rollBack);
  buttons->addWidget(reset_);
  buttons->addStretch();
  buttons->addWidget(save);
  buttons->addWidget(cancel);
  buttons->addSpacing(12);
  buttons->addWidget(help);
  connect(reduce, &QPushButton::clicked, this, &Config::Reduce);
  connect(enlarge, &QPushButton::clicked, this, &Config::Enlarge);
  connect(rollBack, &QPushButton::clicked, this, &Config::RollBack);
  connect(reset_, &QPushButton::clicked, this, &Config::Reset);
  connect(save, &QPushButton::clicked, this, &Config::Save);
  connect(cancel, &QPushButton::clicked, this, &Config::reject);
  connect(help, &QPushButton::clicked, this, &Config::Help);

  location_ = new QLabel(this);
  location_->setObjectName(QStringLiteral("FileDati"));
  location_->setWordWrap(true);
  // The path can be copied.
  location_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  text_ = new QPlainTextEdit(this);
  text_->setObjectName(QStringLiteral("Testo"));
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  text_->installEventFilter(this);
  findBar_ = new FindBar(text_, this);

  // Wherever the focus is in the window.
  const auto shortcut = [this](QKeySequence keys, auto action) {
    connect(new QShortcut(keys, this), &QShortcut::activated, this, action);
  };
  shortcut(QKeySequence(Qt::Key_F1), &Config::Help);
  shortcut(QKeySequence(Qt::CTRL | Qt::Key_S), &Config::Save);
  shortcut(QKeySequence(Qt::CTRL | Qt::Key_F), [this] { findBar_->Open(); });
  shortcut(QKeySequence(Qt::Key_F3), [this] { findBar_->FindNext(); });
  shortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3), [this] { findBar_->FindPrevious(); });

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(location_);
  layout->addWidget(text_, 1);
  layout->addWidget(findBar_);
  resize(860, 600);

  ApplyFont();
  Locate();
  ShowDataFile(false);
  text_->setFocus();
}

QPushButton* Config::AddButton(const char* name, const QString& caption, const QString& toolTip) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(QString::fromLatin1(name));
  button->setToolTip(toolTip);
  return button;
}

void Config::ApplyFont() {
  QFont font(QStringLiteral("Courier New"));
  font.setStyleHint(QFont::TypeWriter);
  font.setBold(true);
  font.setPointSize(fontSize_.points());
  text_->setFont(font);
}

bool Config::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
  const int key = static_cast<QKeyEvent*>(event)->key();
  if (watched != text_) return false;
  switch (key) {
    case Qt::Key_Tab:
      MoveCaret(&NextTabStop);
      return true;
    case Qt::Key_Backtab:
      // Tab stays inside the table; Shift+Tab is the keyboard's way out.
      focusNextPrevChild(false);
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      // No line break is typed (Shift+Enter included); new lines come only
      // from pasting.
      MoveCaret(&NextLineStart);
      return true;
    default:
      return false;
  }
}

void Config::MoveCaret(TextCaret (*rule)(std::span<const int>, TextCaret)) {
  const QTextDocument* document = text_->document();
  std::vector<int> lengths;
  lengths.reserve(static_cast<std::size_t>(document->blockCount()));
  // A block's length counts its separator.
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    lengths.push_back(block.length() - 1);
  }
  QTextCursor cursor = text_->textCursor();
  const TextCaret to = rule(lengths, {cursor.blockNumber(), cursor.positionInBlock()});
  cursor.setPosition(document->findBlockByNumber(to.line).position() + to.column);
  text_->setTextCursor(cursor);
}

QString Config::EditedText() const {
  // toPlainText() would turn no-break spaces into blanks.
  QString text = text_->document()->toRawText();
  text.replace(QChar::ParagraphSeparator, u'\n');
  text.replace(QChar::LineSeparator, u'\n');
  return text;
}

void Config::Reduce() {
  // Stored with the next save or enlargement only.
  if (fontSize_.Reduce()) ApplyFont();
  text_->setFocus();
}

void Config::Enlarge() {
  if (fontSize_.Enlarge()) {
    ApplyFont();
    settings_.write(session::keys::FontSize, fontSize_.SettingText());
  }
  text_->setFocus();
}

void Config::Locate() {
  inForce_ = session::DataFileInForce(files_);
  savePlace_ = session::DataFileSavePlace(files_);
  location_->setText(DataFileLocationText(files_, inForce_, savePlace_));
  // Giving up the copy would leave no data file at all.
  reset_->setEnabled(inForce_.userCopy && QFileInfo(files_.dataFile).isFile());
}

void Config::ShowDataFile(bool undoable) {
  const std::optional<QByteArray> bytes = ReadAll(inForce_.place.dataFile);
  const QString text =
      FillColumns(SplitFileLines(DecodeDataFile(bytes.value_or(QByteArray()))), entryCount_);
  if (undoable) {
    ReplaceText(text);
  } else {
    text_->setPlainText(text);
    text_->moveCursor(QTextCursor::Start);
  }
  // Closing asks nothing unless the user changes this text.
  openedText_ = EditedText();
  if (!bytes) {
    // The user would otherwise take the empty text for the file's content.
    hooks_.warn(this, QStringLiteral("Il file dei dati \"%1\" esiste ma non si può leggere: il "
                                     "testo mostrato è vuoto. Salvando, il file attuale diventa "
                                     "la versione precedente.")
                          .arg(inForce_.place.dataFile));
  }
}

void Config::ReplaceText(const QString& text) {
  // One step of undo brings the edited text back.
  QTextCursor cursor(text_->document());
  cursor.beginEditBlock();
  cursor.select(QTextCursor::Document);
  cursor.insertText(text);
  cursor.endEditBlock();
  text_->moveCursor(QTextCursor::Start);
}

void Config::RollBack() {
  // The backup of the place the next save writes: the one that save replaces.
  const std::optional<QByteArray> bytes = ReadAll(savePlace_.place.backupFile);
  // Shown as stored, without filling.
  if (bytes && !bytes->isEmpty()) ReplaceText(ToEditorText(DecodeDataFile(*bytes)));
  text_->setFocus();
}

void Config::Reset() {
  if (!inForce_.userCopy) return;
  const session::DataFilePlace user = inForce_.place;
  const bool rollBackReachesIt = !session::FolderWritable(files_.folder);
  if (!hooks_.confirmReset(this, ResetQuestionText(files_, user, rollBackReachesIt))) {
    text_->setFocus();
    return;
  }
  const SaveOutcome outcome = SetAsideDataFile(user, *hooks_.fileSystem);
  if (!outcome.saved) {
    hooks_.warn(this, outcome.failure);
    text_->setFocus();
    return;
  }
  Locate();
  ShowDataFile(true);
  text_->setFocus();
}

void Config::GoToLine(int line) {
  const QTextBlock block = text_->document()->findBlockByNumber(line - 1);
  if (block.isValid()) {
    QTextCursor cursor(block);
    text_->setTextCursor(cursor);
    text_->centerCursor();
  }
  text_->setFocus();
}

void Config::Save() {
  const EncodedDataFile encoded = EncodeDataFile(ToFileText(EditedText()));
  if (!encoded.problems.isEmpty()) {
    hooks_.warn(this, encoded.problems);
    text_->setFocus();
    return;
  }
  const core::RowWidthCheck rows = core::CheckRowWidths(
      std::string_view(encoded.bytes.constData(), static_cast<std::size_t>(encoded.bytes.size())));
  if (!rows.uneven.empty() && !hooks_.confirmUnevenRows(this, UnevenRowsText(rows))) {
    GoToLine(rows.uneven.front().line);
    return;
  }
  // The first save of the user's copy keeps the file read until now as its
  // earlier version.
  const bool elsewhere = savePlace_.place.dataFile != inForce_.place.dataFile;
  const SaveOutcome outcome = SaveDataFile(savePlace_.place, encoded.bytes, *hooks_.fileSystem,
                                           elsewhere ? inForce_.place.dataFile : QString());
  if (!outcome.saved) {
    hooks_.warn(this, outcome.failure);
    text_->setFocus();
    return;
  }
  settings_.write(session::keys::FontSize, fontSize_.SettingText());
  if (elsewhere && savePlace_.userCopy)
    hooks_.inform(this, UserCopyCreatedText(files_, savePlace_.place));
  accept();
}

void Config::reject() {
  if (EditedText() == openedText_) {
    QDialog::reject();
    return;
  }
  switch (hooks_.askDiscard(this)) {
    case DiscardAnswer::Save:
      // A save that fails or is taken back keeps the window open.
      Save();
      return;
    case DiscardAnswer::Discard:
      QDialog::reject();
      return;
    case DiscardAnswer::Cancel:
      text_->setFocus();
      return;
  }
}

void Config::Help() {
  hooks_.openHelp(this, files_.helpFile);
  text_->setFocus();
}

}  // namespace orsalimbra::ui
