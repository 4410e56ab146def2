#include "picture/ui/PictureImage.h"

#include <QPainter>
#include <algorithm>

namespace pictavo::ui {

PictureImage::PictureImage(QWidget* form) : PointerWidget(form) {
  setObjectName(QStringLiteral("Image1"));
  // The sizes labels follow the pointer even between drags.
  setMouseTracking(true);
}

void PictureImage::showNatural(const QImage& picture) {
  picture_ = picture;
  stretched_ = false;
  resize(picture.size());
  update();
}

void PictureImage::showStretched(const QImage& picture, QSize area) {
  picture_ = picture;
  stretched_ = true;
  resize(area);
  update();
}

void PictureImage::clear() {
  picture_ = QImage();
  resize(0, 0);
}

void PictureImage::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter p(this);
  if (!stretched_) {
    p.drawImage(0, 0, picture_);
    return;
  }
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(rect(), picture_);
}




SelectionOutline::SelectionOutline(QWidget* form) : QWidget(form) {
  setObjectName(QStringLiteral("Shape1"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  hide();
}

void SelectionOutline::showRect(const SelectionRect& rect, bool visible) {
  // A rectangle of width 0 still shows, as a line.
  setGeometry(rect.left, rect.top, std::max(1, rect.width), std::max(1, rect.height));
  setVisible(visible);
  if (visible) raise();
}

void SelectionOutline::paintEvent(QPaintEvent*) {
  // Black dashes over white: visible on light and dark parts of a photo alike.
  QPainter p(this);
  const QRect outline(0, 0, width() - 1, height() - 1);
  p.setPen(Qt::white);
  p.drawRect(outline);
  p.setPen(QPen(Qt::black, 1, Qt::DashLine));
  p.drawRect(outline);
}

}  // namespace pictavo::ui
