#include "app/ui/PreviewWidget.h"

#include <QImage>
#include <QPainter>

namespace pictavo::ui {

PreviewWidget::PreviewWidget(const Preview& preview, QWidget* parent)
    : QWidget(parent), preview_(preview) {
  setObjectName(QStringLiteral("Picture3"));
  setFixedSize(kGridSize + 2, kGridSize + 2);
}

void PreviewWidget::paintEvent(QPaintEvent*) {
  QImage image(kGridSize, kGridSize, QImage::Format_RGB32);
  for (int y = 0; y < kGridSize; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < kGridSize; ++x) {
      const Colour c = preview_.pixel(x, y);
      line[x] = qRgb(redOf(c), greenOf(c), blueOf(c));
    }
  }
  QPainter p(this);
  p.setPen(Qt::black);
  p.drawRect(0, 0, width() - 1, height() - 1);
  p.drawImage(1, 1, image);
}

}  // namespace pictavo::ui
