// The program's top-level window: the menu bar above the main form, and a
// status line that says where a document went.
#pragma once

#include <QMainWindow>

#include "ui/form1.h"

namespace orsalimbra::ui {

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(WindowEnvironment environment,
                      WindowServices services = WindowServices::Standard(),
                      QWidget* parent = nullptr);

  Form1& form() { return *form_; }
  // Starts the form, which shows this window at its step of the start-up.
  void Start() { form_->Start(); }

 private:
  void CreateMenus();
  void ShowAbout();

  Form1* form_;
};

// The text of "Informazioni su Orsalimbra": version, licence, credit line.
QString AboutText();

}  // namespace orsalimbra::ui
