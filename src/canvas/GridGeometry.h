#pragma once

#include "canvas/Canvas.h"

namespace pictavo {

// Screen class chosen at start from the screen height.
enum class ScreenMode { Small = 640, Large = 800 };

constexpr int kTwipsPerPixel = 15;

// 800 unless the screen is less than 7300 twips high.
constexpr ScreenMode screenModeForHeight(int screenHeightPixels) {
  return screenHeightPixels * kTwipsPerPixel < 7300 ? ScreenMode::Small : ScreenMode::Large;
}

struct CellRect {
  int left, top, width, height;
};

// Where the grid's cells lie in the main window, in client pixels.
// Neighbouring cells overlap by one pixel so their borders form single lines.
struct GridGeometry {
  int cellWidth;
  int cellHeight;
  int gridOffset;
  int pickOffset;

  static constexpr GridGeometry large() { return {16, 13, 0, 0}; }
  static constexpr GridGeometry small() { return {14, 11, 26, 24}; }
  static constexpr GridGeometry forMode(ScreenMode m) {
    return m == ScreenMode::Small ? small() : large();
  }

  constexpr CellRect cellRect(int column, int row) const {
    return {(gridOffset - 7) + (column + 1) * (cellWidth - 1), 40 + row * (cellHeight - 1),
            cellWidth, cellHeight};
  }
};

}  // namespace pictavo
