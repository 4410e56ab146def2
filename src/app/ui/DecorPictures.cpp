#include "app/ui/DecorPictures.h"

#include <QFont>
#include <QPainter>
#include <QPolygon>

#include "canvas/Palette.h"

namespace pictavo::ui {
namespace {

const QColor kFace(192, 192, 192);
const QColor kShadow(128, 128, 128);
const QColor kDarkShadow(64, 64, 64);
const QColor kNavy(0, 0, 127);

QFont smallFont(int pixels, bool bold) {
  QFont f;
  f.setPixelSize(pixels);
  f.setBold(bold);
  f.setStyleStrategy(QFont::NoAntialias);
  return f;
}

// A raised window edge: light top and left, dark bottom and right.
void raisedEdge(QPainter& p, const QRect& r) {
  p.setPen(Qt::white);
  p.drawLine(r.left() + 1, r.top() + 1, r.right() - 1, r.top() + 1);
  p.drawLine(r.left() + 1, r.top() + 1, r.left() + 1, r.bottom() - 1);
  p.setPen(kShadow);
  p.drawLine(r.left() + 1, r.bottom() - 1, r.right() - 1, r.bottom() - 1);
  p.drawLine(r.right() - 1, r.top() + 1, r.right() - 1, r.bottom() - 1);
  p.setPen(kDarkShadow);
  p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
  p.drawLine(r.right(), r.top(), r.right(), r.bottom());
}

void sunkenEdge(QPainter& p, const QRect& r) {
  p.setPen(kShadow);
  p.drawLine(r.topLeft(), r.topRight());
  p.drawLine(r.topLeft(), r.bottomLeft());
  p.setPen(Qt::white);
  p.drawLine(r.bottomLeft(), r.bottomRight());
  p.drawLine(r.topRight(), r.bottomRight());
}

QPixmap blank(QSize size) {
  QPixmap pm(size);
  pm.fill(Qt::transparent);
  return pm;
}

}  // namespace

QImage paletteImage() {
  QImage image(kPaletteWidth, kPaletteHeight, QImage::Format_RGB32);
  // Straight into the rows: pixel by pixel through QColor was a tenth of the start.
  for (int y = 0; y < kPaletteHeight; ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < kPaletteWidth; ++x) {
      const Colour c = paletteColourAt(x, y);
      row[x] = qRgb(redOf(c), greenOf(c), blueOf(c));
    }
  }
  return image;
}

QPixmap yourIconFrame(QSize size) {
  QPixmap pm(size);
  pm.fill(kFace);
  QPainter p(&pm);
  const QRect all(QPoint(0, 0), size);
  raisedEdge(p, all);
  const QRect title(3, 3, size.width() - 6, 15);
  p.fillRect(title, kNavy);
  p.setFont(smallFont(11, true));
  p.setPen(Qt::white);
  p.drawText(title.adjusted(4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Your Icon"));
  // A sunken well under the title, where the preview sits.
  sunkenEdge(p, QRect(6, title.bottom() + 4, size.width() - 12, size.height() - title.bottom() - 10));
  return pm;
}

QPixmap colourPanel(QSize size, const QColor& background) {
  QPixmap pm(size);
  pm.fill(background);
  QPainter p(&pm);
  sunkenEdge(p, QRect(0, 0, size.width() - 1, size.height() - 1));
  p.setPen(Qt::white);
  p.drawRect(QRect(1, 1, size.width() - 3, size.height() - 3));
  p.setPen(Qt::black);
  p.setFont(smallFont(10, false));
  p.drawText(QRect(3, 0, 29, size.height()), Qt::AlignCenter, QStringLiteral("Color"));
  return pm;
}

QPixmap sunPicture(QSize size) {
  QPixmap pm = blank(size);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF c(size.width() / 2.0, size.height() / 2.0);
  p.setPen(QPen(QColor(200, 140, 0), 1.2));
  for (int i = 0; i < 8; ++i) {
    p.save();
    p.translate(c);
    p.rotate(45.0 * i);
    p.drawLine(QPointF(0, 4.5), QPointF(0, 7));
    p.restore();
  }
  p.setBrush(QColor(255, 210, 0));
  p.drawEllipse(c, 3.5, 3.5);
  return pm;
}

QPixmap halfDiscPicture(QSize size) {
  QPixmap pm = blank(size);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF disc(size.width() / 2.0 - 6, size.height() / 2.0 - 6, 12, 12);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawPie(disc, 90 * 16, 180 * 16);
  p.setBrush(Qt::black);
  p.drawPie(disc, -90 * 16, 180 * 16);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Qt::black, 1));
  p.drawEllipse(disc);
  return pm;
}

QPixmap arrowPicture(Arrow direction, int size) {
  QPixmap pm = blank(QSize(size, size));
  QPainter p(&pm);
  const int m = size / 2, e = size - 1, h = size / 4;
  QPolygon head;
  switch (direction) {
    case Arrow::Up: head << QPoint(m, h) << QPoint(0, e - h) << QPoint(e, e - h); break;
    case Arrow::Down: head << QPoint(m, e - h) << QPoint(0, h) << QPoint(e, h); break;
    case Arrow::Left: head << QPoint(h, m) << QPoint(e - h, 0) << QPoint(e - h, e); break;
    case Arrow::Right: head << QPoint(e - h, m) << QPoint(h, 0) << QPoint(h, e); break;
  }
  p.setPen(Qt::black);
  p.setBrush(Qt::black);
  p.drawPolygon(head);
  return pm;
}

}  // namespace pictavo::ui
