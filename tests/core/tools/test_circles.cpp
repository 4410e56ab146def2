#include <gtest/gtest.h>

#include "ToolTestSupport.h"

using namespace pictavo;
using namespace pictavo::testing;

namespace {

CellSet mirroredAbout(int cx, int cy, const CellSet& quarter) {
  CellSet all;
  for (auto [x, y] : quarter)
    for (int mx : {x, 2 * cx - x})
      for (int my : {y, 2 * cy - y}) all.insert({mx, my});
  return all;
}

}  // namespace

TEST(CircleTool, RadiusFiveOutline) {
  ProgramState s = stateWithTool("Circle");
  dragThrough(s, {{16, 16}, {19, 20}});
  EXPECT_EQ(opaqueCells(s.canvas),
            mirroredAbout(16, 16, {{16, 21}, {17, 21}, {18, 21}, {19, 20}, {20, 19}, {21, 18},
                                   {21, 17}, {21, 16}}));
}

TEST(CircleTool, FilledRadiusTwo) {
  ProgramState s = stateWithTool("CircleFill");
  dragThrough(s, {{10, 10}, {12, 10}});
  CellSet expected;
  for (int c = 9; c <= 11; ++c) expected.insert({{c, 8}, {c, 12}});
  for (int r = 9; r <= 11; ++r)
    for (int c = 8; c <= 12; ++c) expected.insert({c, r});
  EXPECT_EQ(opaqueCells(s.canvas), expected);
}

TEST(CircleTool, RadiusIsClampedToTheNearestEdge) {
  ProgramState s = stateWithTool("Circle");
  dragThrough(s, {{3, 20}, {20, 20}});
  const CellSet cells = opaqueCells(s.canvas);
  EXPECT_EQ(cells.begin()->first, 0);
  EXPECT_EQ(cells.rbegin()->first, 6);
  EXPECT_TRUE(cells.count({3, 17}) && cells.count({3, 23}));

  ProgramState border = stateWithTool("Circle");
  dragThrough(border, {{0, 10}, {5, 14}});
  EXPECT_EQ(opaqueCells(border.canvas), (CellSet{{0, 10}}));
}

TEST(CircleTool, DrawsOnlyOnMovesAndMovingBackLeavesTheCentre) {
  ProgramState s = stateWithTool("Circle");
  click(s, 12, 12);
  toolEvent(s, PointerKind::Press, kLeftButton, 0, 8, 8);
  toolEvent(s, PointerKind::Release, kLeftButton, 0, 11, 8);
  EXPECT_TRUE(opaqueCells(s.canvas).empty());
  EXPECT_EQ(s.tools.undo.undoCount, 2);

  dragThrough(s, {{16, 16}, {19, 20}, {16, 16}});
  EXPECT_EQ(opaqueCells(s.canvas), (CellSet{{16, 16}}));
}
