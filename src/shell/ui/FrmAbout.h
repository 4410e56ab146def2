#pragma once
#include <QWidget>

namespace pictavo::ui {

// "About Pictavo": the program's icon, its name and version 2.0.
class FrmAbout : public QWidget {
  Q_OBJECT
 public:
  explicit FrmAbout(QWidget* owner);

 public slots:
  void cmdOK_Click();
};

}  // namespace pictavo::ui
