// The image and note window: one picture and one note for the cover (slot 0,
// whose note goes on the back cover) and for each month (slots 1..12), and
// how the cover picture meets the page.
// It edits private copies and hands them to the year model and the settings
// only when the user confirms with "Fine"; the opener rebuilds the year model
// after it closes.
#pragma once

#include <QDialog>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>

#include "core/year_model.h"
#include "session/program_folder.h"
#include "ui/photo_selection.h"

class QComboBox;
class QPushButton;
class QLabel;
class QTimer;

namespace orsalimbra::session {
class SettingsStore;
}

namespace orsalimbra::ui {

class NoteEdit;
class PictureArea;
class ThumbnailPrefetch;

// What the open-file dialog is asked.
struct PictureRequest {
  QString title;
  QString initialPath;
  QStringList filters;  // Qt form, "description (patterns)"
  QString selectedFilter;
};

// What the window does outside itself; tests replace these.
struct SelFotoHooks {
  // The chosen file, or empty when the dialog was cancelled. Default: the
  // open-file dialog.
  std::function<QString(QWidget* parent, const PictureRequest& request)> choosePicture;
  // Runs the data-file editor modally. Default: the Config window.
  std::function<void(QWidget* parent)> openEditor;
  // Tells the user something went wrong. Default: a warning box.
  std::function<void(QWidget* parent, const QString& text)> warn;
};

class SelFoto : public QDialog {
  Q_OBJECT

 public:
  static inline const QString kCaption = QStringLiteral("Orsalimbra - Selezione Immagini");
  // The cover fits offered, in the order of their codes (render::CoverFit).
  static inline const QStringList kCoverFits{QStringLiteral("Riempi e ritaglia"),
                                             QStringLiteral("Foto intera su bianco"),
                                             QStringLiteral("Stira")};
  static constexpr int kLoadDelayMs = 300;

  // Works on `model`'s PageName, PhotoPaths and PhotoNotes and uses its
  // EntryCount for the editor; both must outlive the window. Show it with
  // exec(); afterwards rebuild the year model.
  SelFoto(core::YearModel& model, session::SettingsStore& settings,
          const session::ProgramFiles& files, QWidget* parent = nullptr, SelFotoHooks hooks = {});

  bool slotsLoaded() const { return slotsLoaded_; }
  const PhotoSelection& selection() const { return selection_; }

  ~SelFoto() override;
  void done(int result) override;

 signals:
  // Slot `slot` of the deferred load is shown.
  void slotFilled(int slot);
  // Every slot is filled; the window is ready.
  void loadFinished();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void LoadSlots();
  // Decodes `path` at the size of slot `slot`'s area; null when it cannot.
  QImage Thumbnail(int slot, const QString& path) const;
  void ChoosePicture(int slot);
  // Puts the picture of file `path` in slot `slot`; a file that is no
  // picture leaves the slot as it was and is named to the user.
  void SetPicture(int slot, const QString& path);
  void RemovePicture(int slot);
  // The picture area's tool tip; `unreadable` names a file it cannot show.
  void SetPictureTip(int slot, const QString& unreadable = {});
  void NoteLeft(int slot);
  void Reset();
  void Confirm();
  void OpenEditor();

  core::YearModel& model_;
  session::SettingsStore& settings_;
  session::ProgramFiles files_;
  SelFotoHooks hooks_;
  PhotoSelection selection_;
  bool slotsLoaded_ = false;
  bool closing_ = false;
  bool loadArmed_ = false;

  std::array<PictureArea*, PhotoSelection::kSlots> pictures_{};
  std::array<QLabel*, PhotoSelection::kSlots> names_{};
  std::array<NoteEdit*, PhotoSelection::kSlots> notes_{};
  QPushButton* fine_ = nullptr;
  QPushButton* avanzata_ = nullptr;
  QComboBox* coverFit_ = nullptr;
  // The choice shown when the window opened: stored only when changed, so
  // that a stored code this version does not know survives.
  int shownCoverFit_ = 0;
  QTimer* timer_ = nullptr;
  // Alive while the load runs; stopping it drops pictures not yet decoded.
  std::unique_ptr<ThumbnailPrefetch> prefetch_;
};

}  // namespace orsalimbra::ui
