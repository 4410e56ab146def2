#include "icofile/ColourBudget.h"

#include <algorithm>
#include <array>

#include "icofile/ColourReduction.h"
#include "icofile/IcoFormat.h"

namespace pictavo {
namespace {

using Colours = std::array<Colour, kCellCount>;

// Sorts the first n values and returns how many distinct ones lead the array.
int sortDistinct(Colours& colours, int n) {
  std::sort(colours.begin(), colours.begin() + n);
  return int(std::unique(colours.begin(), colours.begin() + n) - colours.begin());
}

}  // namespace

ColourBudget colourBudget(const Canvas& canvas) {
  Colours stored{}, visible{};
  int visibleCount = 0;
  bool anyTransparent = false;
  for (int i = 0; i < kCellCount; ++i) {
    const Cell& c = canvas.cells()[i];
    stored[i] = c.colour;
    if (c.transparent == 1)
      anyTransparent = true;
    else
      visible[visibleCount++] = c.colour;
  }
  ColourBudget budget;
  budget.colorCount = sortDistinct(stored, kCellCount);
  const int distinctVisible = sortDistinct(visible, visibleCount);

  // More than 256 stored colours make the save drop low bits of every colour.
  const bool blackIsVisible = distinctVisible > 0 && visible[0] == kBlack;
  const int paletteNeeded = distinctVisible + (anyTransparent && !blackIsVisible ? 1 : 0);
  budget.fits256 = budget.colorCount <= 256 && paletteNeeded <= 256;

  // Transparent cells are written as index 0 whatever they store.
  budget.fits16 = distinctVisible <= 16 &&
                  std::all_of(visible.begin(), visible.begin() + distinctVisible,
                              [](Colour c) { return kPalette16[mapTo16(c)] == c; });
  return budget;
}

}  // namespace pictavo
