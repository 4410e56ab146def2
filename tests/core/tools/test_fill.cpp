#include <gtest/gtest.h>

#include "ToolTestSupport.h"
#include "tools/Commands.h"

using namespace pictavo;
using namespace pictavo::testing;

namespace {
const Colour kRed = rgb(255, 0, 0), kBlue = rgb(0, 0, 255), kGreen = rgb(0, 255, 0);
}

TEST(FillTool, FreshCanvasFillsEverywhereWithColourOrTransparency) {
  ProgramState s = stateWithTool("Fill");
  click(s, 20, 3);
  EXPECT_EQ(cellsOf(s.canvas, kRed).size(), 1024u);
  EXPECT_EQ(cellsOf(s.canvas).size(), 1024u);
  EXPECT_EQ(s.tools.undo.undoCount, 1);  // the release on the same cell did not fill again
  s.colour.chooseTransparent();
  click(s, 0, 0);
  EXPECT_TRUE(cellsOf(s.canvas).empty());
  EXPECT_EQ(cellsOf(s.canvas, kWhite).size(), 1024u);
}

TEST(FillTool, RegionsFollowFourNeighboursWithinRows) {
  // Checkerboard: diagonal neighbours do not join.
  ProgramState s = stateWithTool("Fill", kGreen);
  for (int n = 1; n <= kCellCount; ++n) s.canvas.cell(n) = Cell{(columnOf(n) + rowOf(n)) % 2 ? kRed : kBlue, 0};
  click(s, 5, 5);
  EXPECT_EQ(cellsOf(s.canvas, kGreen), (CellSet{{5, 5}}));

  // Regions at the row ends do not leak into the end of the row above or the start of the row below.
  fillCanvas(s, kBlue);
  for (int c = 0; c < 4; ++c) s.canvas.at(c, 5).colour = s.canvas.at(31 - c, 8).colour = kRed;
  s.canvas.at(31, 4).colour = s.canvas.at(0, 9).colour = kRed;
  click(s, 0, 5);
  click(s, 31, 8);
  EXPECT_EQ(cellsOf(s.canvas, kGreen).size(), 8u);
  EXPECT_EQ(cellsOf(s.canvas, kRed), (CellSet{{31, 4}, {0, 9}}));

  // A serpentine corridor (U turns) through the whole canvas, walled in black.
  fillCanvas(s, kBlack);
  for (int r = 0; r < 32; r += 2)
    for (int c = 0; c < 32; ++c) s.canvas.at(c, r).colour = kWhite;
  for (int r = 1; r < 31; r += 2) s.canvas.at(r % 4 == 1 ? 31 : 0, r).colour = kWhite;
  const CellSet corridor = cellsOf(s.canvas, kWhite);
  click(s, 0, 30);
  EXPECT_EQ(cellsOf(s.canvas, kGreen), corridor);
}

TEST(FillTool, PaintColourAndTheNextValueFillAsOneRegion) {
  ProgramState s = stateWithTool("Fill", kRed);
  fillCanvas(s, kBlue);
  for (int c = 0; c < 6; ++c) s.canvas.at(c, 3) = Cell{c % 2 ? kRed : kRed + 1, 0};
  s.canvas.at(2, 3).transparent = 1;
  click(s, 0, 3);
  EXPECT_EQ(cellsOf(s.canvas, kRed), (CellSet{{0, 3}, {1, 3}, {2, 3}, {3, 3}, {4, 3}, {5, 3}}));
  EXPECT_EQ(cellsOf(s.canvas).size(), 1024u);
}

TEST(FillTool, OpaqueWhiteOnTransparentAreaLeavesOtherWhiteCells) {
  ProgramState s = stateWithTool("Fill", kWhite);
  for (int r = 0; r < 32; ++r) s.canvas.at(10, r) = Cell{kBlack, 0};
  click(s, 0, 0);
  EXPECT_EQ(cellsOf(s.canvas).size(), 32u * 11);
  EXPECT_EQ(s.canvas.at(11, 0).transparent, 1);
}

TEST(FillTool, EveryNewPressFillsEvenOnTheSameCell) {
  ProgramState s = stateWithTool("Fill");
  click(s, 4, 4);
  undo(s);
  EXPECT_TRUE(cellsOf(s.canvas).empty());
  click(s, 4, 4);
  EXPECT_EQ(cellsOf(s.canvas).size(), 1024u);

  // Within one drag each new cell fills again; returning to it does not.
  ProgramState d = stateWithTool("Fill");
  fillCanvas(d, kBlue);
  d.canvas.at(9, 9).colour = kGreen;
  dragThrough(d, {{1, 1}, {9, 9}, {9, 9}});
  EXPECT_EQ(d.tools.undo.undoCount, 2);
}
