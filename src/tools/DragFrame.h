#pragma once
#include <functional>

#include "app/ProgramState.h"
#include "tools/PointerInput.h"

namespace pictavo {

// Visits from, from + step, ... up to and including to, stepping by -1 when
// the two are equal (so an equal pair visits once).
template <typename Visit>
void forEachBetween(int from, int to, Visit visit) {
  const int step = to > from ? 1 : -1;
  for (int v = from;; v += step) {
    visit(v);
    if (v == to) break;
  }
}

using ShapeDrawer = std::function<void(ProgramState&, CellPos anchor, CellPos to)>;

// The press / move / release frame shared by line, box and filled box:
// snapshot at the press, restore-and-redraw on moves to a new cell,
// a final draw at the release, and an undo level pushed at the press.
void runShapeFrame(ProgramState& state, PointerKind kind, CellPos cell, const ShapeDrawer& draw);

// Visits the cells of a rectangle outline between two corners. One column
// is drawn as a segment; a single cell visits nothing.
void forEachOutlineCell(CellPos anchor, CellPos to, const std::function<void(int, int)>& visit);

}  // namespace pictavo
