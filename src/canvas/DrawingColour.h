#pragma once
#include <cstdint>

#include "canvas/Canvas.h"

namespace pictavo {

// The pen: a colour, or the transparent pen. PaintColor is what tools write.
struct DrawingColour {
  Colour penColor = kBlack;
  std::int16_t penTransparent = 0;
  Colour paintColor = kBlack;

  void updatePaintColor() { paintColor = penTransparent == 1 ? kWhite : penColor; }

  // Painting a cell: colour := PaintColor, flag := PenTransparent.
  void paint(Cell& cell) const {
    cell.colour = paintColor;
    cell.transparent = penTransparent;
  }

  // A palette pick or right-button pick: back to the colour pen.
  void choose(Colour c) {
    penTransparent = 0;
    penColor = c;
  }
  void chooseTransparent() { penTransparent = 1; }
};

}  // namespace pictavo
