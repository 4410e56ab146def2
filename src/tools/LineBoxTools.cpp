#include <cstdlib>

#include "tools/DragFrame.h"
#include "tools/Tools.h"

namespace pictavo {
namespace {

// One cell per step along the major axis; the other coordinate is
// interpolated and rounded by plotCell.
void drawLine(ProgramState& state, CellPos a, CellPos b) {
  const int dx = b.column - a.column;
  const int dy = b.row - a.row;
  if (std::abs(dx) > std::abs(dy)) {
    forEachBetween(a.column, b.column, [&](int x) {
      plotCell(state, x, a.row + double(dy) * std::abs(x - a.column) / std::abs(dx));
    });
    return;
  }
  if (dy == 0) return;
  forEachBetween(a.row, b.row, [&](int y) {
    plotCell(state, a.column + double(dx) * std::abs(y - a.row) / std::abs(dy), y);
  });
}

void drawBox(ProgramState& state, CellPos a, CellPos b) {
  forEachOutlineCell(a, b, [&](int x, int y) { plotCell(state, x, y); });
}

void drawFilledBox(ProgramState& state, CellPos a, CellPos b) {
  state.colour.updatePaintColor();
  forEachBetween(a.row, b.row, [&](int y) {
    forEachBetween(a.column, b.column, [&](int x) { state.colour.paint(state.canvas.at(x, y)); });
  });
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
