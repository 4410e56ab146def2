#pragma once
#include "icofile/IcoState.h"
#include "icofile/RgbaImage.h"

namespace pictavo {

// Puts an image of any size into the temporary icon's 32 x 32 cells.
// Each cell takes the pixels it covers, in part or whole: it is transparent
// (and white) when less than half its area is covered by opaque pixels
// (alpha 128 or more), otherwise its colour is the average of the covered
// pixels weighted by covered area times alpha, rounded half to even. So a
// whole-number enlargement (16 -> 32) turns each pixel into an exact k x k
// block, a 32 x 32 image passes unchanged, and reductions average evenly.
// An empty image leaves the buffer blank (transparent white).
void resampleIntoTempIcon(const RgbaImage& image, IcoState& ico);

}  // namespace pictavo
