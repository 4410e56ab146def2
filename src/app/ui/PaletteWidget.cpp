#include "app/ui/PaletteWidget.h"

#include <QPainter>
#include <QPushButton>

#include "app/ui/DecorPictures.h"

namespace pictavo::ui {

PaletteWidget::PaletteWidget(const QRect& bwButton, QWidget* parent)
    : PointerWidget(parent), image_(paletteImage()), bw_(new QPushButton(QStringLiteral("BW"), this)) {
  setObjectName(QStringLiteral("Picture1"));
  setFixedSize(image_.size());
  bw_->setObjectName(QStringLiteral("Command13"));
  bw_->setGeometry(bwButton);
  QFont f = bw_->font();
  f.setPixelSize(9);
  bw_->setFont(f);
  bw_->setToolTip(QStringLiteral("Black and White"));
}

void PaletteWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, image_);
}



}  // namespace pictavo::ui
