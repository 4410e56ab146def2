#include "tools/DragFrame.h"

#include "canvas/Rounding.h"
#include "tools/Commands.h"

namespace pictavo {
void plotCell(ProgramState& state, double x, double y) {
  state.colour.updatePaintColor();
  const int column = roundHalfEven(x);
  const int row = roundHalfEven(y);
  if (isOnCanvas(column, row)) state.colour.paint(state.canvas.at(column, row));
}

void takeSnapshot(ProgramState& state) { state.tools.drag.snapshot = state.canvas; }

void restoreSnapshot(ProgramState& state) { state.canvas = state.tools.drag.snapshot; }

void runShapeFrame(ProgramState& state, PointerKind kind, CellPos cell, const ShapeDrawer& draw) {
  DragState& drag = state.tools.drag;
  if (kind == PointerKind::Press) {
    takeSnapshot(state);
    drag.anchor = drag.end = cell;
  }
  if (kind == PointerKind::Release) drag.end = cell;
  if (cell != drag.last) {
    if (kind == PointerKind::Move) restoreSnapshot(state);
    draw(state, drag.anchor, cell);
  }
  drag.last = cell;
  if (kind == PointerKind::Press) doBackup(state);
}

void forEachOutlineCell(CellPos anchor, CellPos to, const std::function<void(int, int)>& visit) {
  if (anchor.column == to.column) {
    if (anchor.row == to.row) return;
    forEachBetween(anchor.row, to.row, [&](int y) { visit(anchor.column, y); });
    return;
  }
  forEachBetween(anchor.column, to.column, [&](int x) {
    visit(x, anchor.row);
    visit(x, to.row);
  });
  if (anchor.row == to.row) return;
  forEachBetween(anchor.row, to.row, [&](int y) {
    visit(anchor.column, y);
    visit(to.column, y);
  });
}

}  // namespace pictavo
