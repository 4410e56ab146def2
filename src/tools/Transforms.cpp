#include "tools/CanvasChange.h"
#include "tools/Commands.h"

namespace pictavo {
namespace {

constexpr int kLast = kGridSize - 1;

// Every cell is written from a copy taken first, so source and target never overlap.
template <typename SourceOf>
void remap(ProgramState& state, SourceOf sourceOf) {
  beginCanvasChange(state);
  const Canvas old = state.canvas;
  for (int r = 0; r < kGridSize; ++r)
    for (int c = 0; c < kGridSize; ++c) {
      const CellPos from = sourceOf(c, r);
      state.canvas.at(c, r) = old.at(from.column, from.row);
    }
  finishCanvasChange(state);
}

int wrap(int v) { return (v + kGridSize) % kGridSize; }

}  // namespace

void flipHorizontal(ProgramState& state) {
  remap(state, [](int c, int r) { return CellPos{kLast - c, r}; });
}

void flipVertical(ProgramState& state) {
  remap(state, [](int c, int r) { return CellPos{c, kLast - r}; });
}

void rotateQuarter(ProgramState& state) {
  remap(state, [](int c, int r) { return CellPos{r, kLast - c}; });
}

void slideUp(ProgramState& state) {
  remap(state, [](int c, int r) { return CellPos{c, wrap(r + 1)}; });
}

void slideDown(ProgramState& state) {
  remap(state, [](int c, int r) { return CellPos{c, wrap(r - 1)}; });
}

void slideLeft(ProgramState& state) {
  remap(state, [](int c, int r) { return CellPos{wrap(c + 1), r}; });
}

void slideRight(ProgramState& state) {
  remap(state, [](int c, int r) { return CellPos{wrap(c - 1), r}; });
}

}  // namespace pictavo
