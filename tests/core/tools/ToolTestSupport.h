#pragma once
#include <initializer_list>
#include <set>
#include <string>
#include <utility>

#include "app/ProgramState.h"
#include "tools/PointerInput.h"

namespace pictavo::testing {

using CellSet = std::set<std::pair<int, int>>;

inline CellSet opaqueCells(const Canvas& canvas) {
  CellSet cells;
  for (int r = 0; r < kGridSize; ++r)
    for (int c = 0; c < kGridSize; ++c)
      if (canvas.at(c, r).transparent == 0) cells.insert({c, r});
  return cells;
}

inline CellSet cellsOfColour(const Canvas& canvas, Colour colour) {
  CellSet cells;
  for (int r = 0; r < kGridSize; ++r)
    for (int c = 0; c < kGridSize; ++c)
      if (canvas.at(c, r).colour == colour) cells.insert({c, r});
  return cells;
}

// A fresh state with the given tool and an opaque red pen.
inline ProgramState stateWithTool(const std::string& tool, Colour pen = rgb(255, 0, 0)) {
  ProgramState s;
  s.tool = tool;
  s.colour.choose(pen);
  return s;
}

// A left-button drag over cells: press on the first, a move to each of the
// rest, release on the last.
inline void dragThrough(ProgramState& s, std::initializer_list<std::pair<int, int>> path) {
  const auto first = *path.begin();
  toolEvent(s, PointerKind::Press, kLeftButton, 0, first.first, first.second);
  for (auto it = path.begin() + 1; it != path.end(); ++it)
    toolEvent(s, PointerKind::Move, kLeftButton, 0, it->first, it->second);
  const auto last = *(path.end() - 1);
  toolEvent(s, PointerKind::Release, kLeftButton, 0, last.first, last.second);
}

inline void click(ProgramState& s, int column, int row) { dragThrough(s, {{column, row}}); }

inline void fillCanvas(ProgramState& s, Colour colour) {
  s.canvas.cells().fill(Cell{colour, 0});
}

}  // namespace pictavo::testing
