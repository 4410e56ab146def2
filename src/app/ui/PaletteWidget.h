#pragma once
#include <QImage>
#include <QWidget>

#include "platform/ui/PointerWidget.h"

class QPushButton;

namespace pictavo::ui {

// Picture1: the palette picture, with the "BW" button on its title bar.
class PaletteWidget : public PointerWidget {
  Q_OBJECT
 public:
  PaletteWidget(const QRect& bwButton, QWidget* parent);
  QPushButton* bwButton() const { return bw_; }
  const QImage& image() const { return image_; }


 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage image_;
  QPushButton* bw_;
};

}  // namespace pictavo::ui
