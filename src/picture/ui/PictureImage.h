#pragma once
#include <QImage>
#include <QWidget>

#include "picture/PictureSampling.h"
#include "platform/ui/PointerWidget.h"

namespace pictavo::ui {

// Image1: the picture area, showing the picture at its natural size or stretched
// over the whole area. Reports pointer events in its own pixels; after a press
// it keeps receiving them when the pointer leaves it.
class PictureImage : public PointerWidget {
  Q_OBJECT
 public:
  explicit PictureImage(QWidget* form);

  const QImage& picture() const { return picture_; }
  bool stretched() const { return stretched_; }
  void showNatural(const QImage& picture);
  void showStretched(const QImage& picture, QSize area);
  void clear();


 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
  bool stretched_ = false;
};

// Shape1: the selection rectangle, an outline over the picture that clicks pass through.
class SelectionOutline : public QWidget {
  Q_OBJECT
 public:
  explicit SelectionOutline(QWidget* form);
  void showRect(const SelectionRect& rect, bool visible);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace pictavo::ui
