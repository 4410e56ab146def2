#include <algorithm>
#include <cmath>

#include "canvas/Rounding.h"
#include "tools/Commands.h"
#include "tools/DragFrame.h"
#include "tools/Tools.h"

namespace pictavo {
namespace {

int roundedRoot(int square) { return roundHalfEven(std::sqrt(double(square))); }

// The distance to the pointer, kept small enough that the circle stays on the canvas.
int clampedRadius(CellPos centre, CellPos to) {
  const int dx = to.column - centre.column;
  const int dy = to.row - centre.row;
  int r = roundedRoot(dx * dx + dy * dy);
  r = std::min(r, std::min(centre.row, 31 - centre.row));
  r = std::min(r, std::min(centre.column, 31 - centre.column));
  return r;
}

void plotMirrored(ProgramState& state, CellPos c, int dx, int dy) {
  plotCell(state, c.column + dx, c.row + dy);
  plotCell(state, c.column - dx, c.row - dy);
  plotCell(state, c.column + dx, c.row - dy);
  plotCell(state, c.column - dx, c.row + dy);
}

// Sweeping along both axes leaves no gaps in the steep or the flat parts.
void drawCircle(ProgramState& state, CellPos centre, int r, bool filled) {
  for (int dx = 0; dx <= r; ++dx) {
    const int h = roundedRoot(r * r - dx * dx);
    if (filled) {
      for (int dy = 0; dy <= h; ++dy) plotMirrored(state, centre, dx, dy);
    } else {
      plotMirrored(state, centre, dx, h);
    }
  }
  for (int dy = 0; dy <= r; ++dy) plotMirrored(state, centre, roundedRoot(r * r - dy * dy), dy);
}

}  // namespace

// Unlike the other shapes, the circle draws only on moves; a release keeps
// what the last move drew.
void circleTool(ProgramState& state, PointerKind kind, int, int, int column, int row) {
  DragState& drag = state.tools.drag;
  const CellPos cell{column, row};
  switch (kind) {
    case PointerKind::Press:
      takeSnapshot(state);
      drag.anchor = drag.end = drag.last = cell;
      doBackup(state);
      break;
    case PointerKind::Release:
      drag.end = cell;
      break;
    case PointerKind::Move:
      if (cell == drag.last) break;
      restoreSnapshot(state);
      drawCircle(state, drag.anchor, clampedRadius(drag.anchor, cell), state.tool == "CircleFill");
      drag.last = cell;
      break;
  }
}

}  // namespace pictavo
