#pragma once
#include <QStatusBar>

#include "canvas/Canvas.h"

class QLabel;
class QPainter;
class QTimer;

namespace pictavo::ui {

class ColourBudgetPanel;

// The thin sunken edge of a status-bar panel, whatever the widget style draws.
void drawSunkenEdge(QPainter& painter, const QRect& rect, const QPalette& palette);

// sbStatusBar: a text panel reading "Status", the current date and the current
// time; beside the first, the colour budget of `canvas`.
class MainStatusBar : public QStatusBar {
  Q_OBJECT
 public:
  MainStatusBar(const Canvas& canvas, QWidget* parent);

  QLabel* textPanel() const { return text_; }
  QLabel* datePanel() const { return date_; }
  QLabel* timePanel() const { return time_; }
  ColourBudgetPanel* budgetPanel() const { return budget_; }

 private:
  void showClock();

  QLabel* text_;
  ColourBudgetPanel* budget_;
  QLabel* date_;
  QLabel* time_;
  QTimer* clock_;
};

}  // namespace pictavo::ui
