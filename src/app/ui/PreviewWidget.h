#pragma once
#include <QWidget>

#include "canvas/Preview.h"

namespace pictavo::ui {

// Picture3: the icon at actual size, one pixel per cell, inside a one-pixel border.
class PreviewWidget : public QWidget {
  Q_OBJECT
 public:
  PreviewWidget(const Preview& preview, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const Preview& preview_;
};

}  // namespace pictavo::ui
