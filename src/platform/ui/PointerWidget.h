#pragma once
#include <QWidget>

namespace pictavo::ui {

// A widget whose pointer events are handed on as signals in the editor's terms:
// its own pixel position, button bits (1 left, 2 right, 4 middle) and shift bits.
class PointerWidget : public QWidget {
  Q_OBJECT
 public:
  using QWidget::QWidget;

 signals:
  void pressed(int button, int shift, double x, double y);
  void moved(int buttons, int shift, double x, double y);
  void released(int button, int shift, double x, double y);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace pictavo::ui
