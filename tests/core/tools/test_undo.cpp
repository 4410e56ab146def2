#include <gtest/gtest.h>

#include "ToolTestSupport.h"
#include "tools/Commands.h"

using namespace pictavo;
using namespace pictavo::testing;

namespace {

Canvas canvasOf(Colour c) { return canvasFilledWith(Cell{c, 0}); }

// Pushes each colour's canvas in turn, then leaves the canvas at `now`.
void pushAll(ProgramState& s, std::initializer_list<Colour> pushed, Colour now) {
  for (Colour c : pushed) {
    s.canvas = canvasOf(c);
    doBackup(s);
  }
  s.canvas = canvasOf(now);
}

void run(ProgramState& s, std::initializer_list<void (*)(ProgramState&)> commands) {
  for (auto command : commands) command(s);
}

}  // namespace

TEST(Undo, ThreeLevelsDeepAndNothingBeyond) {
  ProgramState s;
  run(s, {undo, redo, restoreIcon});
  EXPECT_EQ(s.canvas, Canvas{});
  EXPECT_TRUE(s.iconSaved);
  pushAll(s, {1, 2, 3, 4}, 5);
  run(s, {undo, undo, undo});
  EXPECT_EQ(s.canvas, canvasOf(2));
  undo(s);
  EXPECT_EQ(s.canvas, canvasOf(2));
}

TEST(Undo, RedoOnceOnlyAfterTheLatestUndoAndLostOnPush) {
  ProgramState s = stateWithTool("Line");
  dragThrough(s, {{1, 1}, {6, 1}});
  s.tool = "Pen";
  click(s, 9, 9);
  const Canvas drawn = s.canvas;
  undo(s);  // the pen work since the push goes too
  EXPECT_TRUE(cellsOf(s.canvas).empty());
  EXPECT_EQ(s.preview.pixel(9, 9), kWhite);
  run(s, {redo, redo});
  EXPECT_EQ(s.canvas, drawn);
  EXPECT_EQ(s.tools.undo.undoCount, 1);

  pushAll(s, {1, 2}, 3);
  run(s, {undo, undo, redo, redo});
  EXPECT_EQ(s.canvas, canvasOf(2));
  undo(s);
  s.tool = "Box";
  dragThrough(s, {{1, 1}, {3, 3}});
  const Canvas boxed = s.canvas;
  redo(s);
  EXPECT_EQ(s.canvas, boxed);
}

TEST(Undo, SaveDepthTravelsWithEachLevel) {
  ProgramState s;
  s.saveDepth = 16;  // a reduction sets the depth before it pushes
  doBackup(s);
  s.canvas = canvasOf(7);
  undo(s);
  EXPECT_EQ(s.canvas, Canvas{});
  EXPECT_EQ(s.saveDepth, 16);
  s.saveDepth = 24;
  doBackup(s);
  s.saveDepth = 256;
  undo(s);
  EXPECT_EQ(s.saveDepth, 24);
  redo(s);
  EXPECT_EQ(s.saveDepth, 256);
}

TEST(Backup, RestoreRepeatsWithItsDepthAndUndoSkipsIt) {
  ProgramState s = stateWithTool("Box");
  s.saveDepth = 256;
  backupIcon(s);
  s.saveDepth = 24;
  dragThrough(s, {{1, 1}, {4, 4}});
  restoreIcon(s);
  EXPECT_EQ(s.canvas, Canvas{});
  EXPECT_EQ(s.saveDepth, 256);
  dragThrough(s, {{10, 10}, {12, 12}});
  restoreIcon(s);
  EXPECT_EQ(s.canvas, Canvas{});
  undo(s);  // the level the second box pushed: the first box is not there
  EXPECT_TRUE(cellsOf(s.canvas).empty());
  EXPECT_EQ(s.tools.undo.undoCount, 1);
}

TEST(NewIcon, ClearsUndoablyAndKeepsTheSavedFlag) {
  ProgramState s = stateWithTool("BoxFill");
  dragThrough(s, {{1, 1}, {4, 4}});
  const Canvas drawn = s.canvas;
  s.iconSaved = true;
  newIcon(s);
  EXPECT_EQ(s.canvas, Canvas{});
  EXPECT_EQ(s.preview.pixel(2, 2), kWhite);
  EXPECT_TRUE(s.iconSaved);
  undo(s);
  EXPECT_EQ(s.canvas, drawn);
}
