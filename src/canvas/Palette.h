#pragma once

#include "canvas/Colour.h"

namespace pictavo {

// The palette picture: a small tool window with a hue field and a grey ramp.
// The image is the palette; any of its pixels is a valid pick.
constexpr int kPaletteWidth = 137;
constexpr int kPaletteHeight = 189;

// Colour of the palette image pixel (x, y); kNoColour outside the image.
Colour paletteColourAt(int x, int y);

}  // namespace pictavo
