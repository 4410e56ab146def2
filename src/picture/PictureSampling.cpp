#include "picture/PictureSampling.h"

#include <algorithm>

#include "canvas/Rounding.h"

namespace pictavo {
namespace {

bool hasColour(Colour c) { return c >= 0; }

// Three points along one axis around a base point: the base, and two that drift
// apart by 0.2 pixel per cell, so they sit together at the first cell and spread
// out towards the far edge.
struct Axis {
  double cellSize;
  double extent;
  int origin;   // the pixel that cell 0 starts from
  double lead;  // 1 for the base offset inside a cell

  int at(double step, int index) const { return origin + roundHalfEven(step * index + lead); }
  int base(int index) const { return at(cellSize, index); }
  int wide(int index) const { return at(cellSize + 0.2, index); }
  int narrow(int index) const { return at(cellSize - 0.2, index); }
  bool wideIsPastEdge(int index) const { return (cellSize + 0.5) * index > extent; }
};

}  // namespace

int averageChannel(int a, int b) { return roundHalfEven((a + b) / 2.0); }

Colour averageColours(Colour a, Colour b) {
  if (!hasColour(a)) return b;
  if (!hasColour(b)) return a;
  return rgb(averageChannel(redOf(a), redOf(b)), averageChannel(greenOf(a), greenOf(b)),
             averageChannel(blueOf(a), blueOf(b)));
}

SelectionRect clampedForSampling(const SelectionRect& rect) {
  auto clamp = [](int v) { return std::clamp(v, -kSamplingLimit, kSamplingLimit); };
  return {clamp(rect.left), clamp(rect.top), clamp(rect.width), clamp(rect.height)};
}

Colour sampleCell(const SelectionRect& selection, const PixelReader& readPixel, int column, int row) {
  const SelectionRect rect = clampedForSampling(selection);
  const double width = rect.width, height = rect.height;
  const Axis across{width / kGridSize, width, rect.left + 1, 0.0};
  const Axis down{height / kGridSize, height, rect.top, 1.0};
  const int x0 = across.base(column), y0 = down.base(row);
  if (across.cellSize <= kSinglePointMaxCellWidth) return readPixel(x0, y0);

  const Colour p = readPixel(x0, y0);
  const Colour c1 = across.wideIsPastEdge(column) ? p : readPixel(across.wide(column), y0);
  const Colour c2 = readPixel(across.narrow(column), y0);
  const Colour horizontal = averageColours(averageColours(c1, c2), p);

  const Colour pAgain = readPixel(x0, y0);
  const Colour d1 = down.wideIsPastEdge(row) ? pAgain : readPixel(x0, down.wide(row));
  const Colour d2 = readPixel(x0, down.narrow(row));
  const Colour vertical = averageColours(averageColours(d1, d2), pAgain);

  return averageColours(horizontal, vertical);
}

PictureSamples samplePicture(const SelectionRect& rect, const PixelReader& readPixel) {
  PictureSamples samples;
  for (int row = 0; row < kGridSize; ++row)
    for (int column = 0; column < kGridSize; ++column)
      samples[cellNumber(column, row) - 1] = sampleCell(rect, readPixel, column, row);
  return samples;
}

void applySamples(const PictureSamples& samples, Canvas& canvas) {
  for (int number = 1; number <= kCellCount; ++number) {
    const Colour c = samples[number - 1];
    canvas.cell(number) = hasColour(c) ? Cell{c, 0} : Cell{kWhite, 1};
  }
}

}  // namespace pictavo
