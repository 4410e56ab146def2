#include <gtest/gtest.h>

#include <tuple>

#include "ToolTestSupport.h"
#include "tools/Commands.h"

using namespace pictavo;
using namespace pictavo::testing;

namespace {

const Colour kMagenta = rgb(255, 0, 255);

// Every cell a colour of its own, opaque.
ProgramState numberedCanvas() {
  ProgramState s = stateWithTool("Pointer");
  for (int n = 1; n <= kCellCount; ++n) s.canvas.cell(n) = Cell{n, 0};
  return s;
}

auto clipOf(const ProgramState& s) {
  const CopyClipboard& c = s.tools.clipboard;
  return std::make_tuple(c.clipLeft, c.clipRight, c.clipTop, c.clipBottom);
}

}  // namespace

TEST(CopyPaste, DraggedRectangleIsPastedAndClippedAtTheEdges) {
  ProgramState s = numberedCanvas();
  const Canvas original = s.canvas;
  dragThrough(s, {{10, 12}, {7, 7}, {5, 3}});
  EXPECT_EQ(s.canvas, original);
  EXPECT_EQ(clipOf(s), std::make_tuple(5, 10, 3, 12));

  s.tool = "Paste";
  click(s, 0, 0);
  for (int n = 1; n <= kCellCount; ++n) {
    const int c = columnOf(n), r = rowOf(n);
    EXPECT_EQ(s.canvas.cell(n), c <= 5 && r <= 9 ? original.at(c + 5, r + 3) : original.cell(n)) << c << "," << r;
  }
  EXPECT_EQ(s.tools.undo.undoCount, 2);  // press and release both paste
  undo(s);
  EXPECT_NE(s.canvas, original);
  undo(s);
  EXPECT_EQ(s.canvas, original);

  click(s, 28, 25);  // only 4 x 7 of the block fit
  int written = 0;
  for (int n = 1; n <= kCellCount; ++n) written += s.canvas.cell(n) != original.cell(n);
  EXPECT_EQ(written, 4 * 7);
  EXPECT_EQ(s.canvas.at(31, 31), original.at(8, 9));
}

TEST(CopyPaste, TransparentCellsLeaveTargetsAloneAndNoCopyMeansOneBlackCell) {
  ProgramState s = numberedCanvas();
  s.canvas.at(1, 0).transparent = 1;
  dragThrough(s, {{0, 0}, {1, 0}});
  s.tool = "Paste";
  click(s, 10, 10);
  EXPECT_EQ(s.canvas.at(10, 10).colour, cellNumber(0, 0));
  EXPECT_EQ(s.canvas.at(11, 10).colour, cellNumber(11, 10));

  ProgramState fresh = stateWithTool("Paste");
  click(fresh, 4, 5);
  EXPECT_EQ(cellsOf(fresh.canvas), (CellSet{{4, 5}}));
  EXPECT_EQ(fresh.canvas.at(4, 5).colour, kBlack);
  EXPECT_EQ(fresh.preview.pixel(4, 5), kBlack);
}

TEST(Selection, OutlineWhileDraggingIncludingStraightDown) {
  ProgramState s = stateWithTool("Pointer");
  s.colour.chooseTransparent();
  toolEvent(s, PointerKind::Press, kLeftButton, 0, 4, 4);
  toolEvent(s, PointerKind::Move, kLeftButton, 0, 6, 5);
  EXPECT_EQ(cellsOf(s.canvas, kMagenta).size(), 6u);
  EXPECT_EQ(s.canvas.at(6, 5).transparent, 1);
  EXPECT_EQ(s.preview.pixel(6, 5), kWhite);  // never shown in the preview
  toolEvent(s, PointerKind::Move, kLeftButton, 0, 4, 8);
  EXPECT_EQ(cellsOf(s.canvas, kMagenta), (CellSet{{4, 4}, {4, 5}, {4, 6}, {4, 7}, {4, 8}}));
  toolEvent(s, PointerKind::Release, kLeftButton, 0, 4, 8);
  EXPECT_TRUE(cellsOf(s.canvas, kMagenta).empty());
  EXPECT_EQ(clipOf(s), std::make_tuple(4, 4, 4, 8));
  EXPECT_EQ(s.tools.undo.undoCount, 0);
}

TEST(Selection, ReleaseOffTheGridClearsTheOutlineAndCopiesToTheLastCell) {
  ProgramState s = stateWithTool("Pointer");
  formMouseDown(s, kLeftButton, 0, 15 + 15 * 2, 46 + 12 * 2, [](double, double) { return 0; });
  formMouseMove(s, kLeftButton, 0, 15 + 15 * 6, 46 + 12 * 5);
  formMouseMove(s, kLeftButton, 0, 520, 46 + 12 * 5);  // off the grid: ignored
  formMouseUp(s, kLeftButton, 0, 520, 46 + 12 * 5);
  EXPECT_TRUE(cellsOf(s.canvas, kMagenta).empty());
  EXPECT_EQ(clipOf(s), std::make_tuple(2, 6, 2, 5));
  EXPECT_FALSE(s.tools.drag.inProgress);
}
