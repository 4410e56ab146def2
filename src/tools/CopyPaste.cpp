#include <algorithm>

#include "canvas/Preview.h"
#include "tools/Commands.h"
#include "tools/DragFrame.h"
#include "tools/Tools.h"

namespace pictavo {
namespace {

constexpr Colour kSelectionColour = rgb(255, 0, 255);

void drawSelectionOutline(ProgramState& state, CellPos anchor, CellPos to) {
  forEachOutlineCell(anchor, to, [&](int x, int y) {
    Cell& cell = state.canvas.at(x, y);
    cell.colour = kSelectionColour;
    cell.transparent = state.colour.penTransparent;
  });
}

// The outline disappears and the rectangle between anchor and end is copied.
void copySelection(ProgramState& state) {
  const DragState& drag = state.tools.drag;
  restoreSnapshot(state);
  CopyClipboard& clip = state.tools.clipboard;
  clip.cells = state.canvas;
  clip.clipLeft = std::min(drag.anchor.column, drag.end.column);
  clip.clipRight = std::max(drag.anchor.column, drag.end.column);
  clip.clipTop = std::min(drag.anchor.row, drag.end.row);
  clip.clipBottom = std::max(drag.anchor.row, drag.end.row);
}

}  // namespace

void pointerTool(ProgramState& state, PointerKind kind, int, int, int column, int row) {
  DragState& drag = state.tools.drag;
  const CellPos cell{column, row};
  if (kind == PointerKind::Release) {
    drag.end = cell;
    copySelection(state);
    return;
  }
  if (kind == PointerKind::Press) {
    takeSnapshot(state);
    drag.anchor = drag.end = cell;
  }
  if (cell == drag.last) return;
  if (kind == PointerKind::Move) restoreSnapshot(state);
  drawSelectionOutline(state, drag.anchor, cell);
  drag.last = cell;
}

void finishSelectionOffGrid(ProgramState& state) {
  state.tools.drag.end = state.tools.drag.last;
  copySelection(state);
}

void pasteTool(ProgramState& state, PointerKind, int, int, int column, int row) {
  doBackup(state);
  const CopyClipboard& clip = state.tools.clipboard;
  for (int i = clip.clipLeft; i <= clip.clipRight; ++i) {
    const int t = column + (i - clip.clipLeft);
    if (t >= kGridSize) continue;
    for (int j = clip.clipTop; j <= clip.clipBottom; ++j) {
      const int u = row + (j - clip.clipTop);
      if (u >= kGridSize) continue;
      const Cell& source = clip.cells.at(i, j);
      if (source.transparent != 1) state.canvas.at(t, u) = source;
    }
  }
  layIcon(state.canvas, state.preview);
}

}  // namespace pictavo
