#pragma once
#include <array>
#include <functional>

#include "canvas/Canvas.h"

namespace pictavo {

// The selection rectangle as last drawn, in picture-window client pixels.
struct SelectionRect {
  int left = 0, top = 0, width = 0, height = 0;
};

// The colour of window pixel (x, y) as displayed (red + 256 green + 65536 blue),
// or kNoColour when (x, y) lies outside the window's client area.
using PixelReader = std::function<Colour(int x, int y)>;

// PictureSamples: one colour per cell, index = cell number - 1; kNoColour = none.
using PictureSamples = std::array<Colour, kCellCount>;

// Up to this cell width one point per cell is read; wider cells average six reads.
constexpr double kSinglePointMaxCellWidth = 10.0;

// A(a, b): the mean of two 8-bit channel values, halves to even (100,101 -> 100; 101,102 -> 102).
int averageChannel(int a, int b);

// A() channel by channel. A point without colour drops out of the mean, leaving the other;
// two without colour give none.
Colour averageColours(Colour a, Colour b);

// Selections reach at most this far from the origin in each value: far beyond any
// picture, and it keeps every point's arithmetic inside int.
constexpr int kSamplingLimit = 1 << 24;

// The selection with left, top, width and height each clamped to +-kSamplingLimit;
// sampling always works on this.
SelectionRect clampedForSampling(const SelectionRect& rect);

// The colour of one cell of the selection (column, row 0..31), read through `readPixel`.
Colour sampleCell(const SelectionRect& rect, const PixelReader& readPixel, int column, int row);

// SamplePicture's arithmetic: all 1024 cells, row by row, each column left to right.
PictureSamples samplePicture(const SelectionRect& rect, const PixelReader& readPixel);

// ApplySamples: a cell with a colour becomes opaque in it; one without becomes transparent white.
void applySamples(const PictureSamples& samples, Canvas& canvas);

}  // namespace pictavo
