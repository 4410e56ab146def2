#pragma once
#include <QStatusBar>

class QLabel;
class QTimer;

namespace pictavo::ui {

// sbStatusBar: a text panel reading "Status", the current date and the current time.
class MainStatusBar : public QStatusBar {
  Q_OBJECT
 public:
  explicit MainStatusBar(QWidget* parent);

  QLabel* textPanel() const { return text_; }
  QLabel* datePanel() const { return date_; }
  QLabel* timePanel() const { return time_; }

 private:
  void showClock();

  QLabel* text_;
  QLabel* date_;
  QLabel* time_;
  QTimer* clock_;
};

}  // namespace pictavo::ui
