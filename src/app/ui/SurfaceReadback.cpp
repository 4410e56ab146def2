#include <QImage>
#include <QPixmap>

#include "app/ui/Services.h"
#include "canvas/Rounding.h"

namespace pictavo::ui {

Colour grabSurfaceColour(QWidget& surface, double x, double y) {
  const int px = roundHalfEven(x), py = roundHalfEven(y);
  if (!surface.rect().contains(px, py)) return kNoColour;
  const QPixmap drawn = surface.grab(QRect(px, py, 1, 1));
  if (drawn.isNull()) return kNoColour;
  const QColor c = drawn.toImage().pixelColor(0, 0);
  return rgb(c.red(), c.green(), c.blue());
}

}  // namespace pictavo::ui
