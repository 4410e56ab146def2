#include <gtest/gtest.h>

#include "ToolTestSupport.h"

using namespace pictavo;
using namespace pictavo::testing;

namespace {

CellSet block(int left, int top, int right, int bottom) {
  CellSet cells;
  for (int r = top; r <= bottom; ++r)
    for (int c = left; c <= right; ++c) cells.insert({c, r});
  return cells;
}

CellSet join(std::initializer_list<CellSet> parts) {
  CellSet all;
  for (const CellSet& p : parts) all.insert(p.begin(), p.end());
  return all;
}

// A quarter outline mirrored about the centre into the whole outline.
CellSet mirroredAbout(int cx, int cy, const CellSet& quarter) {
  CellSet all;
  for (auto [x, y] : quarter)
    for (int mx : {x, 2 * cx - x})
      for (int my : {y, 2 * cy - y}) all.insert({mx, my});
  return all;
}

}  // namespace

TEST(ShapeTools, DragsDrawTheExpectedCells) {
  struct Case { const char* tool; std::pair<int, int> from, to; CellSet expected; };
  const Case cases[] = {
      // Lines follow the major axis, rounding halves to even.
      {"Line", {0, 0}, {3, 1}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}}},
      {"Line", {0, 0}, {2, 1}, {{0, 0}, {1, 0}, {2, 1}}},
      {"Line", {0, 1}, {2, 2}, {{0, 1}, {1, 2}, {2, 2}}},
      {"Line", {4, 4}, {1, 7}, {{4, 4}, {3, 5}, {2, 6}, {1, 7}}},
      {"Line", {6, 9}, {6, 2}, block(6, 2, 6, 9)},
      {"Box", {2, 2}, {5, 4}, join({block(2, 2, 5, 2), block(2, 4, 5, 4), {{2, 3}, {5, 3}}})},
      {"Box", {7, 3}, {2, 3}, block(2, 3, 7, 3)},
      {"Box", {4, 6}, {4, 2}, block(4, 2, 4, 6)},  // in the anchor's column: the one-column segment
      {"BoxFill", {5, 5}, {3, 8}, block(3, 5, 5, 8)},
      {"Circle", {16, 16}, {19, 20},  // radius 5
       mirroredAbout(16, 16, {{16, 21}, {17, 21}, {18, 21}, {19, 20}, {20, 19}, {21, 18}, {21, 17}, {21, 16}})},
      {"CircleFill", {10, 10}, {12, 10}, join({block(9, 8, 11, 8), block(8, 9, 12, 11), block(9, 12, 11, 12)})},
      {"Circle", {0, 10}, {5, 14}, {{0, 10}}},  // centred on an edge: radius 0
      {"CircleFill", {12, 31}, {12, 29}, {{12, 31}}},
  };
  for (const Case& c : cases)
    for (const Cell pen : {Cell{rgb(255, 0, 0), 0}, Cell{kWhite, 1}}) {  // the transparent pen paints transparent white
      ProgramState s = stateWithTool(c.tool);
      fillCanvas(s, kBlack);
      if (pen.transparent) s.colour.chooseTransparent();
      dragThrough(s, {c.from, c.to});
      const CellSet drawn = cellsOf(s.canvas, pen.colour);
      EXPECT_EQ(drawn, c.expected) << c.tool << " to " << c.to.first << "," << c.to.second;
      EXPECT_EQ(cellsOf(s.canvas, kBlack).size() + drawn.size(), 1024u);
      for (auto [x, y] : drawn) {
        EXPECT_EQ(s.canvas.at(x, y), pen);
        EXPECT_EQ(s.preview.pixel(x, y), pen.colour);
      }
      EXPECT_EQ(s.tools.undo.undoCount, 1);
    }
}

TEST(ShapeTools, CircleRadiusIsClampedToTheNearestEdge) {
  ProgramState s = stateWithTool("Circle");
  dragThrough(s, {{3, 20}, {20, 20}});
  const CellSet cells = cellsOf(s.canvas);
  EXPECT_EQ(cells.begin()->first, 0);
  EXPECT_EQ(cells.rbegin()->first, 6);
  EXPECT_TRUE(cells.count({3, 17}) && cells.count({3, 23}));
}

// Press and release on one cell, a release elsewhere without a move, or a drag back to the anchor.
TEST(ShapeTools, ClicksAndReturnsToTheAnchorDrawNothingButTheFilledAnchor) {
  for (const char* tool : {"Line", "Box", "Circle", "BoxFill"}) {
    const CellSet anchorOnly = tool == std::string("BoxFill") ? CellSet{{9, 9}} : CellSet{};
    ProgramState s = stateWithTool(tool);
    toolEvent(s, PointerKind::Press, kLeftButton, 0, 9, 9);
    EXPECT_EQ(cellsOf(s.tools.undo.levels[0].cells), anchorOnly) << tool;  // painted before the push
    toolEvent(s, PointerKind::Release, kLeftButton, 0, 9, 9);
    EXPECT_EQ(cellsOf(s.canvas), anchorOnly) << tool;
    EXPECT_FALSE(s.iconSaved) << tool;
    EXPECT_EQ(s.tools.undo.undoCount, 1);

    dragThrough(s, {{9, 9}, {12, 13}, {5, 2}, {9, 9}});
    const CellSet centreOnly{{9, 9}};
    EXPECT_EQ(cellsOf(s.canvas), tool == std::string("Circle") ? centreOnly : anchorOnly) << tool;
  }
  ProgramState s = stateWithTool("Circle");
  toolEvent(s, PointerKind::Press, kLeftButton, 0, 8, 8);
  toolEvent(s, PointerKind::Release, kLeftButton, 0, 11, 8);
  EXPECT_TRUE(cellsOf(s.canvas).empty());
}
