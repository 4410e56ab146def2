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

// sourceColors := every cell's colour.
void copySourceColours(IcoState& ico, const Canvas& canvas);

// The 16-colour preparation for every cell (transparent ones too).
void prepare16(IcoState& ico);

struct Reduction {
  int passes = 0;      // 1, 2 or 3: the last pass run
  int colorCount = 0;  // distinct values of colors256 after it
};

// ReduceTo256: drops low bits of sourceColors (masks F8F8F8, F0F0F0, E0E0E0,
// each pass from the source again) until colors256 holds 256 values or fewer,
// or the third pass has run.
Reduction reduceTo256(IcoState& ico);

// colors256 := sourceColors, for icons of 256 colours or fewer.
void copySourceTo256(IcoState& ico);

// index16 := 0, or colors256 := 0, for every transparent cell.
void clearTransparentIndex16(IcoState& ico, const Canvas& canvas);
void clearTransparentColors256(IcoState& ico, const Canvas& canvas);

// Every cell's colour := colors16 (depth 16) or colors256 (depth 256);
// transparent flags unchanged; other depths do nothing.
void applyPreparedColours(const IcoState& ico, int depth, Canvas& canvas);

// The two loss-of-quality questions, word for word.
std::string sixteenColourWarning(int colorCount);
std::string compressionWarning(int firstCount, int reducedCount);

}  // namespace pictavo
