#include "app/ui/ColourBudgetPanel.h"

#include <QPainter>

#include "app/ui/MainStatusBar.h"
#include "icofile/ColourBudget.h"

namespace pictavo::ui {
namespace {

constexpr int kMargin = 4;

QString describe(const ColourBudget& b) {
  QString fits;
  if (b.fits16 && b.fits256)
    fits = QStringLiteral("fits 16 and 256");
  else if (b.fits256)
    fits = QStringLiteral("fits 256, not 16");
  else
    fits = QStringLiteral("fits neither 16 nor 256");
  return QStringLiteral("%1 %2: %3").arg(b.colorCount).arg(b.colorCount == 1 ? "color" : "colors", fits);
}

}  // namespace

ColourBudgetPanel::ColourBudgetPanel(const Canvas& canvas, QWidget* parent)
    : QWidget(parent), canvas_(canvas) {
  setObjectName(QStringLiteral("ColourBudget"));
  setToolTip(QStringLiteral("Colors in the icon, and whether saving it with 16 or 256 colors "
                            "keeps every visible cell as it is"));
  // As wide as the longest text, so the panels beside it never move while drawing.
  setFixedWidth(fontMetrics().horizontalAdvance(describe({1024, false, false})) + 2 * kMargin + 2);
}

void ColourBudgetPanel::canvasChanged() {
  stale_ = true;
  update();
}

QString ColourBudgetPanel::text() const {
  if (stale_) {
    text_ = describe(colourBudget(canvas_));
    stale_ = false;
  }
  return text_;
}

void ColourBudgetPanel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setPen(palette().color(QPalette::WindowText));
  p.drawText(rect().adjusted(kMargin, 0, -kMargin, 0), Qt::AlignLeft | Qt::AlignVCenter, text());
  drawSunkenEdge(p, rect(), palette());
}

}  // namespace pictavo::ui
