#include "tools/PointerInput.h"

#include "canvas/Palette.h"
#include "canvas/Rounding.h"
#include "tools/Tools.h"

namespace pictavo {
namespace {

constexpr int kGridAreaTop = 40;
constexpr int kGridAreaRight = 490;   // exclusive
constexpr int kGridAreaBottom = 425;  // exclusive

bool inGridArea(const ProgramState& state, double x, double y) {
  return x >= state.geometry.gridOffset + 9 && y >= kGridAreaTop && x < kGridAreaRight &&
         y < kGridAreaBottom;
}

int gridIndex(double position, int origin, int cellSize) {
  const int offset = roundHalfEven(position - origin);
  return roundHalfEven(double(offset) / (cellSize - 1));
}

// A left release ends a drag wherever it happens, on the grid or not; a
// selection still copies what it covered up to the last cell reached.
void endDragOffGrid(ProgramState& state) {
  DragState& drag = state.tools.drag;
  if (drag.tool == "Pointer") finishSelectionOffGrid(state);
  drag.inProgress = false;
}

void pickFromPalette(ProgramState& state, double x, double y) {
  state.colour.penTransparent = 0;
  const Colour picked = paletteColourAt(roundHalfEven(x), roundHalfEven(y));
  if (picked != kNoColour) state.colour.choose(picked);
}

}  // namespace

std::optional<std::pair<int, int>> cellAtPoint(const GridGeometry& geometry, double x, double y) {
  const int column = gridIndex(x, 15 + geometry.pickOffset, geometry.cellWidth);
  const int row = gridIndex(y, 46, geometry.cellHeight);
  if (!isOnCanvas(column, row)) return std::nullopt;
  return std::make_pair(column, row);
}

void gridMouse(ProgramState& state, PointerKind kind, int button, int shift, double x, double y) {
  if (state.busy || button == 0 || button == kRightButton) return;
  const auto cell = cellAtPoint(state.geometry, x, y);
  if (!cell) return;
  toolEvent(state, kind, button, shift, cell->first, cell->second);
}

void endDrag(ProgramState& state) {
  DragState& drag = state.tools.drag;
  if (!drag.inProgress) return;
  if (drag.tool == "Pointer") restoreSnapshot(state);
  drag.inProgress = false;
}

void selectTool(ProgramState& state, const std::string& tool) {
  endDrag(state);
  state.tool = tool;
}

bool onTransparentSwatch(double x, double y) { return 606 < x && x < 632 && 222 < y && y < 245; }

void formMouseDown(ProgramState& state, int button, int shift, double x, double y,
                   const std::function<Colour(double, double)>& readSurface) {
  if (state.busy) return;
  if (button == kLeftButton && x >= state.geometry.gridOffset + 9 && y >= kGridAreaTop) {
    if (onTransparentSwatch(x, y))
      state.colour.chooseTransparent();
    else if (x < kGridAreaRight && y < kGridAreaBottom)
      gridMouse(state, PointerKind::Press, button, shift, x, y);
  } else if (button == kRightButton) {
    const Colour seen = readSurface ? readSurface(x, y) : kNoColour;
    if (seen != kNoColour) state.colour.choose(seen);
  }
}

void formMouseMove(ProgramState& state, int buttons, int shift, double x, double y) {
  if (!state.busy && inGridArea(state, x, y))
    gridMouse(state, PointerKind::Move, buttons, shift, x, y);
}

void formMouseUp(ProgramState& state, int button, int shift, double x, double y) {
  if (!state.busy && inGridArea(state, x, y))
    gridMouse(state, PointerKind::Release, button, shift, x, y);
  if ((button & kLeftButton) != 0 && state.tools.drag.inProgress) endDragOffGrid(state);
}

void paletteMouseDown(ProgramState& state, int /*button*/, int /*shift*/, double x, double y) {
  pickFromPalette(state, x, y);
}

void paletteMouseMove(ProgramState& state, int buttons, int /*shift*/, double x, double y) {
  if (buttons == kLeftButton) pickFromPalette(state, x, y);
}

}  // namespace pictavo
