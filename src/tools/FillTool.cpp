#include <array>
#include <vector>

#include "tools/Commands.h"
#include "tools/Tools.h"

namespace pictavo {
namespace {

using WorkColours = std::array<Colour, kCellCount>;  // index = cell number - 1

// Marks with `paint` the 4-connected region of cells that share the seed's work colour.
void markRegion(WorkColours& work, int seedIndex, Colour paint) {
  const Colour target = work[seedIndex];
  work[seedIndex] = paint;
  std::vector<int> pending{seedIndex};
  auto visit = [&](int index) {
    if (work[index] != target) return;
    work[index] = paint;
    pending.push_back(index);
  };
  while (!pending.empty()) {
    const int i = pending.back();
    pending.pop_back();
    const int column = i % kGridSize;
    if (column > 0) visit(i - 1);
    if (column < kGridSize - 1) visit(i + 1);
    if (i >= kGridSize) visit(i - kGridSize);
    if (i < kCellCount - kGridSize) visit(i + kGridSize);
  }
}

bool repeatsLastFill(const ProgramState& state, PointerKind kind, CellPos cell) {
  const FillMemory& memory = state.tools.fill;
  return kind != PointerKind::Press && memory.lastFillCell == cell &&
         memory.lastFillColor == state.colour.paintColor;
}

}  // namespace

// A new press always fills; within a drag, events on the cell just filled with
// the same colour (the release after the press) do not fill again.
void fillTool(ProgramState& state, PointerKind kind, int, int, int column, int row) {
  const CellPos cell{column, row};
  if (repeatsLastFill(state, kind, cell)) return;
  const Colour paint = state.colour.paintColor;

  // Cells already of the paint colour are shifted by one so that the paint
  // colour can mark the region.
  WorkColours work;
  for (int i = 0; i < kCellCount; ++i) {
    const Colour c = state.canvas.cells()[i].colour;
    work[i] = c == paint ? paint + 1 : c;
  }
  markRegion(work, cellNumber(column, row) - 1, paint);

  doBackup(state);
  for (int i = 0; i < kCellCount; ++i)
    if (work[i] == paint) state.colour.paint(state.canvas.cells()[i]);
  state.tools.fill.lastFillColor = paint;
  state.tools.fill.lastFillCell = cell;
}

}  // namespace pictavo
