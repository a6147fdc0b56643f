// "Date personali": the user's calendar files (.ics) whose dates print on the
// pages, each with a check box to set it aside, the colour of those dates,
// and how many dates the files give for the year. It edits a copy; the
// opener stores it and rebuilds the year model when the user confirms.
#pragma once

#include <QColor>
#include <QDialog>
#include <QStringList>

#include <functional>

#include "session/personal_dates.h"

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace orsalimbra::ui {

// What the window does outside itself; tests replace these.
struct PersonalDatesHooks {
  // The files chosen to add; empty when cancelled. Default: the open-file
  // dialog.
  std::function<QStringList(QWidget* parent)> chooseFiles;
  // The new colour, or an invalid one when cancelled. Default: the colour
  // chooser.
  std::function<QColor(QWidget* parent, const QColor& initial)> chooseColour;
  // The dates of the enabled files for the year the window counts.
  std::function<session::PersonalDatesLoad(const std::vector<std::string>& paths)> load;
};

// "Nessuna data personale nel 2026", "1 data personale nel 2026", ...
QString PersonalDatesCountText(int year, std::size_t count);

class PersonalDatesWindow : public QDialog {
  Q_OBJECT

 public:
  static inline const QString kCaption = QStringLiteral("Orsalimbra - Date personali");

  PersonalDatesWindow(session::PersonalDateSettings settings, int year, PersonalDatesHooks hooks,
                      QWidget* parent = nullptr);

  // The files and colour as the user left them.
  session::PersonalDateSettings settings() const;

  // The controls, for the tests.
  QListWidget* fileList() const { return files_; }
  QPushButton* addButton() const { return add_; }
  QPushButton* removeButton() const { return remove_; }
  QPushButton* colourButton() const { return colour_; }
  QLabel* countLabel() const { return count_; }
  QLabel* problemLabel() const { return problems_; }

 private:
  void AddFiles();
  void RemoveSelected();
  void ChooseColour();
  void ShowColour();
  // Reads the enabled files again and shows the count and the problems.
  void Recount();
  void AddItem(const session::PersonalDateFile& file);

  int year_;
  PersonalDatesHooks hooks_;
  QColor colourValue_;
  QListWidget* files_ = nullptr;
  QPushButton* add_ = nullptr;
  QPushButton* remove_ = nullptr;
  QPushButton* colour_ = nullptr;
  QLabel* count_ = nullptr;
  QLabel* problems_ = nullptr;
};

}  // namespace orsalimbra::ui
