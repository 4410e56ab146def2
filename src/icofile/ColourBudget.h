#pragma once
#include "canvas/Canvas.h"

namespace pictavo {

// How the icon's colours fit the two palette depths, for a display kept up to
// date while drawing.
struct ColourBudget {
  int colorCount = 0;   // distinct stored colours, as Count Colors counts them
  bool fits16 = false;  // a 16-colour save keeps every visible cell's colour
  bool fits256 = false; // a 256-colour save keeps every visible cell's colour
};

// Cheap enough to run after every change (two sorts of 1024 values, no tables
// kept). fits256 also needs the file's palette to hold the visible colours
// plus the black written under transparent cells, so in the rare case of 256
// visible colours other than black beside transparent cells it says no.
ColourBudget colourBudget(const Canvas& canvas);

}  // namespace pictavo
