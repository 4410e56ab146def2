#include "shell/ui/Form11.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/ui/LinkLabel.h"

namespace pictavo::ui {
namespace {

constexpr int kTextWidth = 420;

// The small shape in front of each tip.
QLabel* bullet(QWidget* parent) {
  QPixmap dot(12, 12);
  dot.fill(Qt::transparent);
  QPainter p(&dot);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 128));
  p.drawEllipse(QRectF(3, 3, 6, 6));
  p.end();
  auto* label = new QLabel(parent);
  label->setPixmap(dot);
  label->setAlignment(Qt::AlignTop);
  return label;
}

}  // namespace

Form11::Form11(const HelpWindows& windows)
    : HelpWindow(windows.host().owner, "Form11", QStringLiteral("Tips and Tricks"), windows.pageAnchor()), windows_(windows) {
  auto* layout = new QVBoxLayout(this);
  auto* tips = new QGridLayout;
  tips->setVerticalSpacing(10);
  int row = 0;
  for (const HelpTip& tip : helpTips()) {
    tips->addWidget(bullet(this), row, 0, Qt::AlignTop);
    tips->addWidget(tipWidget(tip), row++, 1);
  }
  layout->addLayout(tips);
  auto* close = new QPushButton(QStringLiteral("Close"), this);
  close->setObjectName(QStringLiteral("Command1"));
  close->setFixedSize(89, 25);
  connect(close, &QPushButton::clicked, this, &Form11::Command1_Click);
  layout->addWidget(close, 0, Qt::AlignRight);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* Form11::tipWidget(const HelpTip& tip) {
  auto* box = new QWidget(this);
  box->setFixedWidth(kTextWidth);
  auto* column = new QVBoxLayout(box);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  auto* text = new QLabel(QString::fromStdString(tip.text), box);
  text->setWordWrap(true);
  column->addWidget(text);
  if (!tip.hasLink) return box;
  // The link ends the tip on a line of its own: "... click" / "here."
  auto* row = new QHBoxLayout;
  row->setSpacing(0);
  auto* here = new LinkLabel(QStringLiteral("here"), box);
  here->setObjectName(QStringLiteral("Label%1").arg(here_.size() + 1));
  here_.push_back(here);
  const HelpTarget target = tip.link;
  connect(here, &LinkLabel::clicked, this, [this, target] { windows_.show(target); });
  row->addWidget(here);
  row->addWidget(new QLabel(QString::fromStdString(tip.afterLink), box));
  row->addStretch();
  column->addLayout(row);
  return box;
}

void Form11::Command1_Click() { close(); }

}  // namespace pictavo::ui
