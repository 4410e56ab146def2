#pragma once
#include <QWidget>

#include "canvas/Canvas.h"

namespace pictavo::ui {

// A status-bar panel with the icon's colour count and whether it saves at 16
// and at 256 colours without a visible change, e.g. "40 colors: fits 256, not 16".
// A change only marks the text stale; it is worked out when the panel is next
// painted, so a pen drag pays for at most one count per frame.
class ColourBudgetPanel : public QWidget {
  Q_OBJECT
 public:
  ColourBudgetPanel(const Canvas& canvas, QWidget* parent);

  void canvasChanged();
  QString text() const;  // up to date, counted now if stale

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const Canvas& canvas_;
  mutable bool stale_ = true;
  mutable QString text_;
};

}  // namespace pictavo::ui
