#include <gtest/gtest.h>

#include "ToolTestSupport.h"

using namespace pictavo;
using namespace pictavo::testing;

TEST(LineTool, InterpolatesAlongTheMajorAxisRoundingHalvesToEven) {
  struct Case {
    std::pair<int, int> from, to;
    CellSet expected;
  };
  const Case cases[] = {
      {{0, 0}, {3, 1}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}}},
      {{0, 0}, {2, 1}, {{0, 0}, {1, 0}, {2, 1}}},
      {{0, 1}, {2, 2}, {{0, 1}, {1, 2}, {2, 2}}},
      {{4, 4}, {1, 7}, {{4, 4}, {3, 5}, {2, 6}, {1, 7}}},
      {{6, 9}, {6, 2}, {{6, 2}, {6, 3}, {6, 4}, {6, 5}, {6, 6}, {6, 7}, {6, 8}, {6, 9}}},
  };
  for (const Case& c : cases) {
    ProgramState s = stateWithTool("Line");
    dragThrough(s, {c.from, c.to});
    EXPECT_EQ(opaqueCells(s.canvas), c.expected) << c.to.first << "," << c.to.second;
    EXPECT_EQ(s.tools.undo.undoCount, 1);
  }
}

TEST(LineTool, ClickOnOneCellChangesNothingButPushesAnUndoLevel) {
  for (const char* tool : {"Line", "Box"}) {
    ProgramState s = stateWithTool(tool);
    click(s, 7, 7);
    EXPECT_TRUE(opaqueCells(s.canvas).empty()) << tool;
    EXPECT_EQ(s.tools.undo.undoCount, 1);
    EXPECT_FALSE(s.iconSaved);
  }
}

TEST(LineTool, MovingBackToTheAnchorLeavesNothing) {
  ProgramState s = stateWithTool("Line");
  dragThrough(s, {{5, 5}, {9, 5}, {5, 9}, {5, 5}});
  EXPECT_TRUE(opaqueCells(s.canvas).empty());
}

TEST(BoxTool, OutlinesIncludingOneRowAndOneColumn) {
  ProgramState s = stateWithTool("Box");
  dragThrough(s, {{2, 2}, {5, 4}});
  EXPECT_EQ(opaqueCells(s.canvas), (CellSet{{2, 2}, {3, 2}, {4, 2}, {5, 2}, {2, 4}, {3, 4}, {4, 4},
                                            {5, 4}, {2, 3}, {5, 3}}));
  ProgramState row = stateWithTool("Box");
  dragThrough(row, {{7, 3}, {2, 3}});
  EXPECT_EQ(opaqueCells(row.canvas), (CellSet{{2, 3}, {3, 3}, {4, 3}, {5, 3}, {6, 3}, {7, 3}}));
  // In the anchor's column the outline is the one-column segment.
  ProgramState column = stateWithTool("Box");
  dragThrough(column, {{4, 6}, {4, 2}});
  EXPECT_EQ(opaqueCells(column.canvas), (CellSet{{4, 2}, {4, 3}, {4, 4}, {4, 5}, {4, 6}}));
}

TEST(BoxFillTool, FillsTheRectangleAndPaintsTheAnchorAtThePress) {
  ProgramState s = stateWithTool("BoxFill");
  toolEvent(s, PointerKind::Press, kLeftButton, 0, 5, 5);
  EXPECT_EQ(opaqueCells(s.tools.undo.levels[0].cells), (CellSet{{5, 5}}));
  toolEvent(s, PointerKind::Move, kLeftButton, 0, 3, 8);
  toolEvent(s, PointerKind::Release, kLeftButton, 0, 3, 8);
  EXPECT_EQ(opaqueCells(s.canvas).size(), 12u);
  for (int r = 5; r <= 8; ++r)
    for (int c = 3; c <= 5; ++c) EXPECT_EQ(s.canvas.at(c, r).colour, rgb(255, 0, 0));

  ProgramState one = stateWithTool("BoxFill");
  dragThrough(one, {{9, 9}, {12, 12}, {9, 9}});
  EXPECT_EQ(opaqueCells(one.canvas), (CellSet{{9, 9}}));
}

TEST(ShapeTools, TransparentPenPaintsTransparentWhiteCells) {
  for (const char* tool : {"Line", "Box", "BoxFill", "Circle"}) {
    ProgramState s = stateWithTool(tool);
    fillCanvas(s, kBlack);
    s.colour.chooseTransparent();
    dragThrough(s, {{10, 10}, {13, 12}});
    int changed = 0;
    for (int r = 0; r < 32; ++r)
      for (int c = 0; c < 32; ++c) {
        if (s.canvas.at(c, r) == Cell{kBlack, 0}) continue;
        ++changed;
        EXPECT_EQ(s.canvas.at(c, r), (Cell{kWhite, 1})) << tool;
        EXPECT_EQ(s.preview.pixel(c, r), kWhite) << tool;
      }
    EXPECT_GT(changed, 0) << tool;
  }
}
