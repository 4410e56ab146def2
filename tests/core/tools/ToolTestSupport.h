#pragma once
#include <initializer_list>
#include <set>
#include <string>
#include <utility>

#include "app/ProgramState.h"
#include "support/ScriptedMessageBoxes.h"
#include "tools/PointerInput.h"

namespace pictavo::testing {

using CellSet = std::set<std::pair<int, int>>;

// The cells of one colour, or with kNoColour every opaque cell.
inline CellSet cellsOf(const Canvas& canvas, Colour colour = kNoColour) {
  CellSet cells;
  for (int n = 1; n <= kCellCount; ++n) {
    const Cell& c = canvas.cell(n);
    if (colour == kNoColour ? c.transparent == 0 : c.colour == colour) cells.insert({columnOf(n), rowOf(n)});
  }
  return cells;
}

// A fresh state with the given tool and an opaque red pen.
inline ProgramState stateWithTool(const std::string& tool, Colour pen = rgb(255, 0, 0)) {
  ProgramState s;
  s.tool = tool;
  s.colour.choose(pen);
  return s;
}

// A left-button drag over cells: press on the first, a move to each of the rest, release on the last.
inline void dragThrough(ProgramState& s, std::initializer_list<std::pair<int, int>> path) {
  toolEvent(s, PointerKind::Press, kLeftButton, 0, path.begin()->first, path.begin()->second);
  for (auto it = path.begin() + 1; it != path.end(); ++it)
    toolEvent(s, PointerKind::Move, kLeftButton, 0, it->first, it->second);
  toolEvent(s, PointerKind::Release, kLeftButton, 0, (path.end() - 1)->first, (path.end() - 1)->second);
}

inline void click(ProgramState& s, int column, int row) { dragThrough(s, {{column, row}}); }

inline ScriptedMessageBoxes answering(std::initializer_list<Answer> answers) {
  ScriptedMessageBoxes boxes;
  for (Answer a : answers) boxes.queue(a);
  return boxes;
}

inline void fillCanvas(ProgramState& s, Colour colour) { s.canvas.cells().fill(Cell{colour, 0}); }

}  // namespace pictavo::testing
