#pragma once
#include <QImage>
#include <QWidget>
#include <array>
#include <cstdint>

#include "canvas/Canvas.h"

namespace pictavo::ui {

// A 32 x 32 image of one icon, cell (c, r) at pixel (c, r); transparent cells
// take `transparentColour`. Without flags every cell is drawn opaque.
QImage iconImage(const std::array<Colour, kCellCount>& colours,
                 const std::array<std::int16_t, kCellCount>* transparent = nullptr,
                 QColor transparentColour = Qt::white);
QImage iconImage(const Canvas& canvas, QColor transparentColour);

// A picture box showing one icon at actual size on a white background, inside
// an optional one-pixel frame. It can also be empty, or marked as holding an
// image that cannot be read (a small grey cross).
class IconPicture : public QWidget {
  Q_OBJECT
 public:
  enum class Content { Empty, Image, Unsupported };

  explicit IconPicture(QWidget* parent, bool framed = false);

  void showImage(const QImage& image);
  void clear();
  void markUnsupported();
  Content content() const { return content_; }
  const QImage& image() const { return image_; }

 signals:
  void clicked();
  void doubleClicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  int border() const { return framed_ ? 1 : 0; }

  bool framed_;
  Content content_ = Content::Empty;
  QImage image_;
};

}  // namespace pictavo::ui
