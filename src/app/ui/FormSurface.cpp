#include "app/ui/FormSurface.h"

#include <algorithm>

#include <QPaintEvent>
#include <QPainter>

#include "app/ui/DecorPictures.h"

namespace pictavo::ui {
namespace {

const QColor kBackdrop(0xE0, 0xE0, 0xE0);

QColor fromColour(Colour c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }

// A one-pixel outline lying inside r, as a shape's border does.
void innerBorder(QPainter& p, const QRect& r, const QColor& colour) {
  p.fillRect(r.left(), r.top(), r.width(), 1, colour);
  p.fillRect(r.left(), r.bottom(), r.width(), 1, colour);
  p.fillRect(r.left(), r.top(), 1, r.height(), colour);
  p.fillRect(r.right(), r.top(), 1, r.height(), colour);
}

// Horizontal or vertical line without its end point, as the frame lines are drawn.
void frameLine(QPainter& p, const QLine& l, const QColor& colour) {
  const int dx = l.x2() > l.x1() ? 1 : (l.x2() < l.x1() ? -1 : 0);
  const int dy = l.y2() > l.y1() ? 1 : (l.y2() < l.y1() ? -1 : 0);
  const QPoint last(l.x2() - dx, l.y2() - dy);
  // QRect::normalized() would drop a pixel at each end of a reversed line.
  const QPoint topLeft(std::min(l.x1(), last.x()), std::min(l.y1(), last.y()));
  const QPoint bottomRight(std::max(l.x1(), last.x()), std::max(l.y1(), last.y()));
  p.fillRect(QRect(topLeft, bottomRight), colour);
}

}  // namespace

void paintHatch(QPainter& p, const QRect& r) {
  p.fillRect(r, kBackdrop);
  p.fillRect(r, QBrush(Qt::white, Qt::DiagCrossPattern));
}

FormSurface::FormSurface(const ProgramState& state, const MainLayout& layout, QWidget* parent)
    : PointerWidget(parent),
      state_(state),
      layout_(layout) {
  setObjectName(QStringLiteral("FormSurface"));
  setFixedSize(layout.client);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

QRect FormSurface::cellArea(int column, int row) const {
  const CellRect r = state_.geometry.cellRect(column, row);
  return QRect(r.left, r.top, r.width, r.height);
}

void FormSurface::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  p.fillRect(event->rect(), palette().color(QPalette::Window));
  paintHatch(p, layout_.shape4);
  paintCells(p, event->rect());
  paintFrameLines(p);
  paintPictures(p);
  paintColourControls(p);
}

void FormSurface::paintCells(QPainter& p, const QRect& area) const {
  const QColor border = palette().color(QPalette::WindowText);
  for (int row = 0; row < kGridSize; ++row)
    for (int column = 0; column < kGridSize; ++column) {
      const QRect r = cellArea(column, row);
      if (!r.intersects(area)) continue;
      const Cell& cell = state_.canvas.at(column, row);
      if (cell.transparent != 1) p.fillRect(r, fromColour(cell.colour));
      innerBorder(p, r, border);
    }
}

void FormSurface::paintFrameLines(QPainter& p) const {
  const QColor shadow = palette().color(QPalette::Dark);
  const QColor light = palette().color(QPalette::Light);
  for (std::size_t i = 0; i < layout_.frameLines.size(); ++i)
    frameLine(p, layout_.frameLines[i], MainLayout::isShadowLine(i) ? shadow : light);
}

// Drawn at the first paint rather than at start: the captions need the fonts
// loaded and shaped, and the window can be on the screen before that.
void FormSurface::drawPictures() {
  const QSize frame = layout_.picture2Visible ? layout_.picture2.size() : layout_.picture4.size();
  iconFrame_ = yourIconFrame(frame);
  colourPanel_ = colourPanel(layout_.image2.size(), palette().color(QPalette::Window));
  sun_ = sunPicture(layout_.image3.size());
  halfDisc_ = halfDiscPicture(layout_.image1.size());
}

void FormSurface::paintPictures(QPainter& p) {
  if (iconFrame_.isNull()) drawPictures();
  p.drawPixmap(layout_.picture2Visible ? layout_.picture2.topLeft() : layout_.picture4.topLeft(),
               iconFrame_);
  p.drawPixmap(layout_.image2.topLeft(), colourPanel_);
  p.drawPixmap(layout_.image3.topLeft(), sun_);
  p.drawPixmap(layout_.image1.topLeft(), halfDisc_);
}

void FormSurface::paintColourControls(QPainter& p) const {
  const QColor border = palette().color(QPalette::WindowText);
  if (state_.colour.penTransparent == 1)
    paintHatch(p, layout_.shape2);
  else
    p.fillRect(layout_.shape2, fromColour(state_.colour.penColor));
  innerBorder(p, layout_.shape2, border);
  innerBorder(p, layout_.shape5, border);
  paintHatch(p, layout_.shape1);
}




}  // namespace pictavo::ui
