#pragma once
#include <QImage>
#include <QWidget>

class QPushButton;

namespace pictavo::ui {

// Picture1: the palette picture, with the "BW" button on its title bar.
class PaletteWidget : public QWidget {
  Q_OBJECT
 public:
  PaletteWidget(const QRect& bwButton, QWidget* parent);
  QPushButton* bwButton() const { return bw_; }
  const QImage& image() const { return image_; }

 signals:
  // Positions in palette image pixels; buttons and shift as bit sets.
  void pressed(int button, int shift, double x, double y);
  void moved(int buttons, int shift, double x, double y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  QImage image_;
  QPushButton* bw_;
};

}  // namespace pictavo::ui
