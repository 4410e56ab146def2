#include "icofile/ui/IconPicture.h"

#include <QMouseEvent>
#include <QPainter>

namespace pictavo::ui {

QImage iconImage(const std::array<Colour, kCellCount>& colours,
                 const std::array<std::int16_t, kCellCount>* transparent, QColor transparentColour) {
  QImage image(kGridSize, kGridSize, QImage::Format_RGB32);
  for (int y = 0; y < kGridSize; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < kGridSize; ++x) {
      const int i = y * kGridSize + x;
      const Colour c = colours[i];
      line[x] = transparent && (*transparent)[i] == 1 ? transparentColour.rgb()
                                                       : qRgb(redOf(c), greenOf(c), blueOf(c));
    }
  }
  return image;
}

QImage iconImage(const Canvas& canvas, QColor transparentColour) {
  std::array<Colour, kCellCount> colours{};
  std::array<std::int16_t, kCellCount> flags{};
  for (int i = 0; i < kCellCount; ++i) {
    colours[i] = canvas.cells()[i].colour;
    flags[i] = canvas.cells()[i].transparent;
  }
  return iconImage(colours, &flags, transparentColour);
}

IconPicture::IconPicture(QWidget* parent, bool framed) : QWidget(parent), framed_(framed) {
  setFixedSize(kGridSize + 2 * border(), kGridSize + 2 * border());
}

void IconPicture::showImage(const QImage& image) {
  content_ = Content::Image;
  image_ = image;
  setToolTip(QString());
  update();
}

void IconPicture::clear() {
  content_ = Content::Empty;
  image_ = QImage();
  setToolTip(QString());
  update();
}

void IconPicture::markUnsupported() {
  content_ = Content::Unsupported;
  image_ = QImage();
  setToolTip(QStringLiteral("This image cannot be read"));
  update();
}

void IconPicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect inside(border(), border(), kGridSize, kGridSize);
  if (framed_) {
    p.setPen(Qt::black);
    p.drawRect(0, 0, width() - 1, height() - 1);
  }
  p.fillRect(inside, Qt::white);
  if (content_ == Content::Image) {
    p.drawImage(inside.topLeft(), image_);
  } else if (content_ == Content::Unsupported) {
    p.setPen(QPen(QColor(160, 160, 160), 2));
    const QRect cross = inside.adjusted(11, 11, -11, -11);
    p.drawLine(cross.topLeft(), cross.bottomRight());
    p.drawLine(cross.topRight(), cross.bottomLeft());
  }
}

void IconPicture::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit clicked();
}

void IconPicture::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit doubleClicked();
}

}  // namespace pictavo::ui
