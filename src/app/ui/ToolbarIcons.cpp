#include "app/ui/ToolbarIcons.h"

#include <QIconEngine>
#include <QMap>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace pictavo::ui {
namespace {

using Drawing = std::function<void(QPainter&)>;

const QColor kInk(32, 32, 32);
const QColor kPaper(255, 255, 255);
const QColor kBlue(30, 80, 190);
const QColor kGreen(20, 140, 60);
const QColor kRed(200, 30, 30);
const QColor kYellow(240, 200, 40);
const QColor kGrey(150, 150, 150);

void page(QPainter& p, const QRectF& r) {
  QPainterPath path;
  const double fold = 4;
  path.moveTo(r.left(), r.top());
  path.lineTo(r.right() - fold, r.top());
  path.lineTo(r.right(), r.top() + fold);
  path.lineTo(r.right(), r.bottom());
  path.lineTo(r.left(), r.bottom());
  path.closeSubpath();
  p.setPen(QPen(kInk, 1));
  p.setBrush(kPaper);
  p.drawPath(path);
  p.drawLine(QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold));
  p.drawLine(QPointF(r.right() - fold, r.top() + fold), QPointF(r.right(), r.top() + fold));
}

void arrowHead(QPainter& p, QPointF tip, double angleDegrees, const QColor& colour) {
  p.save();
  p.translate(tip);
  p.rotate(angleDegrees);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(-4.5, -3.5), QPointF(-4.5, 3.5)}));
  p.restore();
}

// A curved arrow for undo (leftwards) and redo (rightwards).
void turnArrow(QPainter& p, bool leftwards) {
  if (!leftwards) {
    p.translate(16, 0);
    p.scale(-1, 1);
  }
  QPainterPath path;
  path.moveTo(13.5, 13);
  path.cubicTo(14.5, 6, 8, 3.5, 4, 7.5);
  p.setPen(QPen(kBlue, 2, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  arrowHead(p, QPointF(2, 9.5), 135, kBlue);
}

void mirrorPair(QPainter& p, bool vertical) {
  if (vertical) {
    p.translate(16, 0);
    p.rotate(90);
  }
  p.setPen(QPen(kGrey, 1, Qt::DashLine));
  p.drawLine(QPointF(8, 1), QPointF(8, 15));
  p.setPen(QPen(kInk, 1));
  p.setBrush(kBlue);
  p.drawPolygon(QPolygonF({QPointF(6, 3), QPointF(6, 13), QPointF(1, 13)}));
  p.setBrush(kPaper);
  p.drawPolygon(QPolygonF({QPointF(10, 3), QPointF(10, 13), QPointF(15, 13)}));
}

void box(QPainter& p, bool filled) {
  p.setPen(QPen(kInk, 1.5));
  p.setBrush(filled ? QBrush(kBlue) : Qt::NoBrush);
  p.drawRect(QRectF(2.5, 3.5, 11, 9));
}

void circle(QPainter& p, bool filled) {
  p.setPen(QPen(kInk, 1.5));
  p.setBrush(filled ? QBrush(kRed) : Qt::NoBrush);
  p.drawEllipse(QRectF(2.5, 2.5, 11, 11));
}

const QMap<QString, Drawing>& drawings() {
  static const QMap<QString, Drawing> all{
      {"New", [](QPainter& p) { page(p, QRectF(3.5, 1.5, 9, 13)); }},
      {"Open",
       [](QPainter& p) {
         p.setPen(QPen(QColor(120, 90, 10), 1));
         p.setBrush(QColor(220, 180, 60));
         p.drawPolygon(QPolygonF({QPointF(1.5, 3.5), QPointF(5.5, 3.5), QPointF(7, 5), QPointF(12.5, 5),
                                  QPointF(12.5, 13.5), QPointF(1.5, 13.5)}));
         p.setBrush(kYellow);
         p.drawPolygon(QPolygonF({QPointF(3.5, 7.5), QPointF(15, 7.5), QPointF(12.5, 13.5),
                                  QPointF(1.5, 13.5)}));
       }},
      {"Save",
       [](QPainter& p) {
         p.setPen(QPen(kInk, 1));
         p.setBrush(kBlue);
         p.drawRect(QRectF(1.5, 1.5, 13, 13));
         p.setBrush(kPaper);
         p.drawRect(QRectF(4.5, 1.5, 7, 5));
         p.setBrush(QColor(200, 200, 200));
         p.drawRect(QRectF(4.5, 9.5, 7, 5));
       }},
      {"Options",
       [](QPainter& p) {
         p.setPen(QPen(kInk, 1));
         p.setBrush(QColor(230, 230, 230));
         p.drawRect(QRectF(1.5, 1.5, 13, 13));
         p.fillRect(QRectF(2, 2, 12, 3), QColor(0, 0, 127));
         for (double y : {7.5, 11.0}) {
           p.setBrush(kPaper);
           p.drawRect(QRectF(3.5, y - 1, 3, 3));
           p.drawLine(QPointF(8, y + 0.5), QPointF(13, y + 0.5));
         }
         p.setPen(QPen(kGreen, 1.5));
         p.drawLine(QPointF(3.8, 7.5), QPointF(5, 8.8));
         p.drawLine(QPointF(5, 8.8), QPointF(7, 5.5));
       }},
      {"Copy",
       [](QPainter& p) {
         page(p, QRectF(1.5, 1.5, 8, 10));
         page(p, QRectF(6.5, 4.5, 8, 10));
       }},
      {"Paste",
       [](QPainter& p) {
         p.setPen(QPen(QColor(90, 60, 20), 1));
         p.setBrush(QColor(180, 130, 60));
         p.drawRect(QRectF(1.5, 2.5, 10, 12));
         p.setBrush(kGrey);
         p.drawRect(QRectF(4.5, 1.5, 4, 2));
         page(p, QRectF(6.5, 5.5, 8, 9));
       }},
      {"Undo", [](QPainter& p) { turnArrow(p, true); }},
      {"Redo", [](QPainter& p) { turnArrow(p, false); }},
      {"Backup",
       [](QPainter& p) {
         p.setPen(QPen(kInk, 1));
         p.setBrush(QColor(200, 170, 110));
         p.drawRect(QRectF(2.5, 9.5, 11, 5));
         p.setPen(QPen(kGreen, 2));
         p.drawLine(QPointF(8, 1), QPointF(8, 7));
         arrowHead(p, QPointF(8, 10), 90, kGreen);
       }},
      {"Restore",
       [](QPainter& p) {
         p.setPen(QPen(kInk, 1));
         p.setBrush(QColor(200, 170, 110));
         p.drawRect(QRectF(2.5, 9.5, 11, 5));
         p.setPen(QPen(kBlue, 2));
         p.drawLine(QPointF(8, 11), QPointF(8, 4));
         arrowHead(p, QPointF(8, 0.5), -90, kBlue);
       }},
      {"FlipVertical", [](QPainter& p) { mirrorPair(p, true); }},
      {"FlipHorizontal", [](QPainter& p) { mirrorPair(p, false); }},
      {"Rotate",
       [](QPainter& p) {
         p.setPen(QPen(kBlue, 2, Qt::SolidLine, Qt::RoundCap));
         p.setBrush(Qt::NoBrush);
         // Clockwise from twelve o'clock round to nine, the head pointing on upwards.
         p.drawArc(QRectF(2.5, 3.5, 11, 11), 90 * 16, -270 * 16);
         arrowHead(p, QPointF(2.5, 4.5), -90, kBlue);
       }},
      {"Draw",
       [](QPainter& p) {
         p.translate(8, 8);
         p.rotate(45);
         p.setPen(QPen(kInk, 1));
         p.setBrush(kYellow);
         p.drawRect(QRectF(-2, -7, 4, 10));
         p.setBrush(QColor(240, 210, 170));
         p.drawPolygon(QPolygonF({QPointF(-2, 3), QPointF(2, 3), QPointF(0, 7.5)}));
         p.setBrush(QColor(230, 120, 140));
         p.drawRect(QRectF(-2, -8.5, 4, 2));
       }},
      {"DrawLine",
       [](QPainter& p) {
         p.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::RoundCap));
         p.drawLine(QPointF(2.5, 13.5), QPointF(13.5, 2.5));
       }},
      {"DrawBox", [](QPainter& p) { box(p, false); }},
      {"DrawBoxFill", [](QPainter& p) { box(p, true); }},
      {"DrawCircle", [](QPainter& p) { circle(p, false); }},
      {"DrawCircleFill", [](QPainter& p) { circle(p, true); }},
      {"Fill",
       [](QPainter& p) {
         p.save();
         p.translate(7, 9);
         p.rotate(-30);
         p.setPen(QPen(kInk, 1));
         p.setBrush(QColor(210, 210, 210));
         p.drawRect(QRectF(-4.5, -4.5, 9, 8));
         p.setBrush(Qt::NoBrush);
         p.drawArc(QRectF(-3, -8, 6, 7), 0, 180 * 16);
         p.restore();
         p.setPen(Qt::NoPen);
         p.setBrush(kBlue);
         p.drawEllipse(QRectF(11.5, 9, 3.5, 5));
         p.drawPolygon(QPolygonF({QPointF(11.5, 11), QPointF(15, 11), QPointF(12.5, 5)}));
       }},
      {"ScanBitmap",
       [](QPainter& p) {
         p.setPen(QPen(kInk, 1));
         p.setBrush(QColor(150, 200, 255));
         p.drawRect(QRectF(1.5, 2.5, 13, 11));
         p.setPen(Qt::NoPen);
         p.setBrush(kGreen);
         p.drawPolygon(QPolygonF({QPointF(2, 13), QPointF(6.5, 6.5), QPointF(9.5, 10.5),
                                  QPointF(11, 8.5), QPointF(14, 13)}));
         p.setBrush(kYellow);
         p.drawEllipse(QRectF(10, 4, 3, 3));
       }},
      {"CountColors",
       [](QPainter& p) {
         p.setPen(QPen(kInk, 1));
         const QColor colours[] = {kRed, kGreen, kBlue, kYellow};
         for (int i = 0; i < 4; ++i) {
           p.setBrush(colours[i]);
           p.drawRect(QRectF(1.5 + 7 * (i % 2), 1.5 + 7 * (i / 2), 6, 6));
         }
       }},
      {"Help1",
       [](QPainter& p) {
         p.setPen(QPen(QColor(20, 40, 120), 1));
         p.setBrush(kBlue);
         p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
         QFont f = p.font();
         f.setPixelSize(11);
         f.setBold(true);
         p.setFont(f);
         p.setPen(kPaper);
         p.drawText(QRectF(1.5, 1.5, 13, 13), Qt::AlignCenter, QStringLiteral("?"));
       }},
  };
  return all;
}

}  // namespace

namespace {

// Paints its picture the first time the button is shown, not when the toolbar
// is built, so none of the drawings delays the window's first appearance.
class DrawnIconEngine : public QIconEngine {
 public:
  explicit DrawnIconEngine(const Drawing& drawing) : drawing_(drawing) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    drawn().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return drawn().pixmap(size, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
    return size.boundedTo(QSize(kToolbarIconSize, kToolbarIconSize));
  }
  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    return {QSize(kToolbarIconSize, kToolbarIconSize)};
  }
  QIconEngine* clone() const override { return new DrawnIconEngine(*this); }

 private:
  const QIcon& drawn() {
    if (drawn_.isNull()) {
      QPixmap pm(kToolbarIconSize, kToolbarIconSize);
      pm.fill(Qt::transparent);
      QPainter p(&pm);
      p.setRenderHint(QPainter::Antialiasing);
      drawing_(p);
      p.end();
      drawn_ = QIcon(pm);
    }
    return drawn_;
  }

  Drawing drawing_;
  QIcon drawn_;
};

}  // namespace

QIcon toolbarIcon(const QString& key) {
  const auto it = drawings().constFind(key);
  if (it == drawings().constEnd()) return QIcon();
  return QIcon(new DrawnIconEngine(*it));
}

}  // namespace pictavo::ui
