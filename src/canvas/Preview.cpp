#include "canvas/Preview.h"

namespace pictavo {

void layIcon(const Canvas& canvas, Preview& preview) {
  for (int y = 0; y < kGridSize; ++y)
    for (int x = 0; x < kGridSize; ++x) {
      const Cell& c = canvas.at(x, y);
      preview.setPixel(x, y, c.transparent == 1 ? kWhite : c.colour);
    }
}

}  // namespace pictavo
