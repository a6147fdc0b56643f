// A framed area that shows a picture scaled to fit and reports what the user
// does with it: a click (or Space or Enter when it has the focus) to choose a
// picture, the Delete key or its context menu to remove it, a file dropped
// onto it.
#pragma once

#include "ui/clickable_label.h"

class QMimeData;

namespace orsalimbra::ui {

class PictureArea : public ClickableLabel {
  Q_OBJECT

 public:
  explicit PictureArea(QWidget* parent);

  // Pixels a picture is decoded to: the inside of the frame on this screen.
  QSize PictureBox() const;
  // Shows `image`; a null image empties the area.
  void ShowPicture(const QImage& image);
  bool HasPicture() const;

 signals:
  void removeRequested();
  // A local file was dropped onto the area (the first, when there were more).
  void fileDropped(const QString& path);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
};

// The first local file among dropped data; empty when there is none.
QString DroppedFile(const QMimeData* data);

}  // namespace orsalimbra::ui
