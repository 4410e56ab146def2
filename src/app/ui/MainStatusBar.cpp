#include "app/ui/MainStatusBar.h"

#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QTimer>

#include "app/ui/ColourBudgetPanel.h"

namespace pictavo::ui {
namespace {

class SunkenPanel : public QLabel {
 public:
  using QLabel::QLabel;

 protected:
  void paintEvent(QPaintEvent* event) override {
    QLabel::paintEvent(event);
    QPainter p(this);
    drawSunkenEdge(p, rect(), palette());
  }
};

QLabel* panel(const QString& name, const QString& text, QWidget* parent) {
  auto* label = new SunkenPanel(text, parent);
  label->setObjectName(name);
  label->setContentsMargins(4, 0, 4, 0);
  return label;
}

}  // namespace

void drawSunkenEdge(QPainter& p, const QRect& rect, const QPalette& palette) {
  const QRect r = rect.adjusted(0, 0, -1, -1);
  p.setPen(palette.color(QPalette::Dark));
  p.drawLine(r.topLeft(), r.topRight());
  p.drawLine(r.topLeft(), r.bottomLeft());
  p.setPen(palette.color(QPalette::Light));
  p.drawLine(r.bottomLeft(), r.bottomRight());
  p.drawLine(r.topRight(), r.bottomRight());
}

MainStatusBar::MainStatusBar(const Canvas& canvas, QWidget* parent)
    : QStatusBar(parent),
      text_(panel(QStringLiteral("Panel1"), QStringLiteral("Status"), this)),
      budget_(new ColourBudgetPanel(canvas, this)),
      date_(panel(QStringLiteral("Panel2"), QString(), this)),
      time_(panel(QStringLiteral("Panel3"), QString(), this)),
      clock_(new QTimer(this)) {
  setObjectName(QStringLiteral("sbStatusBar"));
  setSizeGripEnabled(false);
  addPermanentWidget(text_, 1);
  addPermanentWidget(budget_);
  addPermanentWidget(date_);
  addPermanentWidget(time_);
  showClock();
  // The panels show whole minutes; checking every second keeps them at most a second late.
  clock_->setInterval(1000);
  connect(clock_, &QTimer::timeout, this, &MainStatusBar::showClock);
  clock_->start();
}

void MainStatusBar::showClock() {
  const QDateTime now = QDateTime::currentDateTime();
  const QLocale locale;
  date_->setText(locale.toString(now.date(), QLocale::ShortFormat));
  time_->setText(locale.toString(now.time(), QLocale::ShortFormat));
}

}  // namespace pictavo::ui
