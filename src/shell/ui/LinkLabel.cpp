#include "shell/ui/LinkLabel.h"

#include <QMouseEvent>

namespace pictavo::ui {
namespace {
const QColor kUnvisited(0, 0, 255);
const QColor kVisited(0, 0, 128);  // the dark blue of a visited entry

void setTextColour(QLabel& label, const QColor& colour) {
  QPalette p = label.palette();
  p.setColor(QPalette::WindowText, colour);
  label.setPalette(p);
}
}  // namespace

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setCursor(Qt::PointingHandCursor);
  QFont f = font();
  f.setUnderline(true);
  setFont(f);
  setTextColour(*this, kUnvisited);
  setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
}

void LinkLabel::markVisited() { setTextColour(*this, kVisited); }

QColor LinkLabel::textColour() const { return palette().color(QPalette::WindowText); }

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

}  // namespace pictavo::ui
