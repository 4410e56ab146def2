#pragma once
#include <QPixmap>
#include <QWidget>

#include "app/ProgramState.h"
#include "app/ui/MainLayout.h"
#include "platform/ui/PointerWidget.h"

namespace pictavo::ui {

// The main window's client area. It draws the grid of cells over the hatched
// backdrop, the sunken frame, the colour indicator with the transparent swatch
// and the decorative pictures; buttons, palette, preview and bars are its children.
// Pointer events arrive here in client pixels and are passed on as signals.
class FormSurface : public PointerWidget {
  Q_OBJECT
 public:
  FormSurface(const ProgramState& state, const MainLayout& layout, QWidget* parent);

  const MainLayout& layout() const { return layout_; }
  QRect cellArea(int column, int row) const;


 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void paintCells(QPainter& p, const QRect& area) const;
  void paintFrameLines(QPainter& p) const;
  void paintColourControls(QPainter& p) const;
  void paintPictures(QPainter& p);
  void drawPictures();

  const ProgramState& state_;
  MainLayout layout_;
  QPixmap iconFrame_, colourPanel_, sun_, halfDisc_;
};

// The backdrop's look: white diagonal cross hatch on light grey.
void paintHatch(QPainter& p, const QRect& r);

}  // namespace pictavo::ui
