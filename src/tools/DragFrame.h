#pragma once
#include <functional>

#include "app/ProgramState.h"
#include "tools/PointerInput.h"

namespace pictavo {

using ShapeDrawer = std::function<void(ProgramState&, CellPos anchor, CellPos to)>;

// The press / move / release frame shared by line, box and filled box:
// snapshot at the press, restore-and-redraw on moves to a new cell,
// a final draw at the release, and an undo level pushed at the press.
void runShapeFrame(ProgramState& state, PointerKind kind, CellPos cell, const ShapeDrawer& draw);

// Visits the cells of a rectangle outline between two corners. One column
// is drawn as a segment; a single cell visits nothing.
void forEachOutlineCell(CellPos anchor, CellPos to, const std::function<void(int, int)>& visit);

}  // namespace pictavo
