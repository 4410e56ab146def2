#pragma once
#include <string>

#include "canvas/Canvas.h"
#include "icofile/IcoState.h"

namespace pictavo {

// MapTo16: index 0..15 of the nearest kPalette16 colour by the biased
// distance table (lowest index on ties).
int mapTo16(Colour colour);

// RecountColors: number of distinct values in colors256.
int recountColors(const IcoState& ico);

// sourceColors := every cell's colour. Both preparations start from it.
void copySourceColours(IcoState& ico, const Canvas& canvas);

// The 16-colour preparation: index16 and colors16 for every cell from
// sourceColors, then index16 := 0 for transparent cells.
void prepare16(IcoState& ico, const Canvas& canvas);

struct Reduction {
  int passes = 0;      // 0 (not reduced), or the last pass of ReduceTo256 run: 1, 2 or 3
  int colorCount = 0;  // distinct values of colors256 at the end
};

// ReduceTo256: colors256 := sourceColors with low bits dropped (masks F8F8F8,
// F0F0F0, E0E0E0, each pass from the source again) until it holds 256 values
// or fewer, or the third pass has run.
Reduction reduceTo256(IcoState& ico);

// The 256-colour preparation: ReduceTo256 when `colorCount` (the canvas's)
// is 257 or more, else colors256 := sourceColors; then colors256 := 0 for
// transparent cells; finally any value beyond the 256th distinct one (in cell
// order) becomes the nearest of those 256, so colors256 is exactly what a
// 256-colour file will hold.
Reduction prepare256(IcoState& ico, const Canvas& canvas, int colorCount);

// Every cell's colour := colors16 (depth 16) or colors256 (depth 256);
// transparent flags unchanged; other depths do nothing.
void applyPreparedColours(const IcoState& ico, int depth, Canvas& canvas);

// The two loss-of-quality questions, word for word.
std::string sixteenColourWarning(int colorCount);
std::string compressionWarning(int firstCount, int reducedCount);

}  // namespace pictavo
