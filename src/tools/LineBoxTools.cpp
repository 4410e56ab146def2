#include <cstdlib>

#include "tools/DragFrame.h"
#include "tools/Tools.h"

namespace pictavo {
namespace {

int stepToward(int from, int to) { return to > from ? 1 : -1; }

// One cell per step along the major axis; the other coordinate is
// interpolated and rounded by plotCell.
void drawLine(ProgramState& state, CellPos a, CellPos b) {
  const int dx = b.column - a.column;
  const int dy = b.row - a.row;
  if (std::abs(dx) > std::abs(dy)) {
    const int sx = stepToward(a.column, b.column);
    for (int x = a.column;; x += sx) {
      plotCell(state, x, a.row + double(dy) * std::abs(x - a.column) / std::abs(dx));
      if (x == b.column) break;
    }
    return;
  }
  if (dy == 0) return;
  const int sy = stepToward(a.row, b.row);
  for (int y = a.row;; y += sy) {
    plotCell(state, a.column + double(dx) * std::abs(y - a.row) / std::abs(dy), y);
    if (y == b.row) break;
  }
}

void drawBox(ProgramState& state, CellPos a, CellPos b) {
  forEachOutlineCell(a, b, [&](int x, int y) { plotCell(state, x, y); });
}

void drawFilledBox(ProgramState& state, CellPos a, CellPos b) {
  state.colour.updatePaintColor();
  const int sx = stepToward(a.column, b.column);
  const int sy = stepToward(a.row, b.row);
  for (int y = a.row;; y += sy) {
    for (int x = a.column;; x += sx) {
      state.colour.paint(state.canvas.at(x, y));
      if (x == b.column) break;
    }
    if (y == b.row) break;
  }
}

}  // namespace

void lineTool(ProgramState& state, PointerKind kind, int, int, int column, int row) {
  runShapeFrame(state, kind, {column, row}, drawLine);
}

void boxTool(ProgramState& state, PointerKind kind, int, int, int column, int row) {
  runShapeFrame(state, kind, {column, row}, drawBox);
}

void boxFillTool(ProgramState& state, PointerKind kind, int, int, int column, int row) {
  runShapeFrame(state, kind, {column, row}, drawFilledBox);
}

}  // namespace pictavo
