#pragma once
#include <array>
#include <cstdint>

#include "canvas/Colour.h"

namespace pictavo {

constexpr int kGridSize = 32;
constexpr int kCellCount = kGridSize * kGridSize;

// Cells are numbered 1..1024, left to right along a row, rows top to bottom.
constexpr int cellNumber(int column, int row) { return kGridSize * row + column + 1; }
constexpr int columnOf(int number) { return (number - 1) % kGridSize; }
constexpr int rowOf(int number) { return (number - 1) / kGridSize; }
constexpr bool isOnCanvas(int column, int row) {
  return column >= 0 && column < kGridSize && row >= 0 && row < kGridSize;
}

struct Cell {
  Colour colour = kWhite;
  std::int16_t transparent = 1;  // 0 opaque, 1 transparent; the flag alone decides

  friend bool operator==(const Cell& a, const Cell& b) {
    return a.colour == b.colour && a.transparent == b.transparent;
  }
  friend bool operator!=(const Cell& a, const Cell& b) { return !(a == b); }
};

// The icon being edited: 32 x 32 cells, each a colour and a transparent flag.
class Canvas {
 public:
  using Cells = std::array<Cell, kCellCount>;

  Canvas() { reset(); }

  // ResetGrid: a new, fully transparent icon with every cell colour white.
  void reset() { cells_.fill(Cell{kWhite, 1}); }

  Cell& cell(int number) { return cells_[static_cast<std::size_t>(number - 1)]; }
  const Cell& cell(int number) const { return cells_[static_cast<std::size_t>(number - 1)]; }
  Cell& at(int column, int row) { return cell(cellNumber(column, row)); }
  const Cell& at(int column, int row) const { return cell(cellNumber(column, row)); }

  Cells& cells() { return cells_; }
  const Cells& cells() const { return cells_; }

  friend bool operator==(const Canvas& a, const Canvas& b) { return a.cells_ == b.cells_; }
  friend bool operator!=(const Canvas& a, const Canvas& b) { return !(a == b); }

 private:
  Cells cells_;
};

}  // namespace pictavo
