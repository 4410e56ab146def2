#include <gtest/gtest.h>

#include <optional>
#include <tuple>
#include <vector>

#include "ToolTestSupport.h"
#include "tools/Commands.h"

using namespace pictavo;
using namespace pictavo::testing;

namespace {

// Centre of a cell in window pixels in the large layout.
double xOf(int column) { return 15 + 15 * column; }
double yOf(int row) { return 46 + 12 * row; }

const auto kNoSurface = [](double, double) { return kNoColour; };
const Colour kMagenta = rgb(255, 0, 255);

}  // namespace

TEST(GridMapping, BothLayoutsWithEdgesAndHalvesToEven) {
  using Hit = std::optional<std::pair<int, int>>;
  const GridGeometry large = GridGeometry::large(), small = GridGeometry::small();
  for (auto [geometry, x, y, hit] : {std::tuple{large, 15 + 15 * 31 + 7, 46, Hit{{31, 0}}},
                                     {large, 15 + 15 * 31 + 8, 46, Hit{}}, {large, 20, 76, Hit{{0, 2}}},
                                     {large, 20, 88, Hit{{0, 4}}}, {large, 7, 100, Hit{}},  // column -1
                                     {small, 39 + 13 * 5, 46 + 10 * 7, Hit{{5, 7}}}, {small, 448, 46, Hit{{31, 0}}},
                                     {small, 449, 46, Hit{}}})
    EXPECT_EQ(cellAtPoint(geometry, x, y), hit) << x << "," << y;
}

TEST(Pen, PaintsReportedCellsAndTheirPreviewPixelsWithoutUndo) {
  ProgramState s = stateWithTool("Pen", rgb(1, 2, 3));
  fillCanvas(s, kBlack);
  formMouseDown(s, kLeftButton, 0, xOf(3), yOf(4), kNoSurface);
  formMouseMove(s, kLeftButton, 0, xOf(9), yOf(4));
  formMouseMove(s, 0, 0, xOf(10), yOf(4));
  formMouseMove(s, kRightButton, 0, xOf(11), yOf(4));
  formMouseUp(s, kLeftButton, 0, xOf(9), yOf(5));
  EXPECT_EQ(cellsOf(s.canvas, rgb(1, 2, 3)), (CellSet{{3, 4}, {9, 4}, {9, 5}}));
  EXPECT_EQ(s.preview.pixel(9, 5), rgb(1, 2, 3));
  EXPECT_EQ(s.tools.undo.undoCount, 0);

  formMouseDown(s, kLeftButton, 0, 620, 230, kNoSurface);  // the transparent swatch
  formMouseDown(s, kLeftButton, 0, xOf(0), yOf(0), kNoSurface);
  EXPECT_EQ(s.canvas.at(0, 0), (Cell{kWhite, 1}));
  EXPECT_EQ(s.preview.pixel(0, 0), kWhite);
}

TEST(Dispatch, UnknownOrMiscasedToolsArePensAndYieldComesBeforeRepaint) {
  for (const char* tool : {"", "Draw", "line"}) {
    ProgramState s = stateWithTool(tool);
    click(s, 2, 2);
    EXPECT_EQ(cellsOf(s.canvas), (CellSet{{2, 2}})) << tool;
  }
  ProgramState s = stateWithTool("Line");
  std::vector<Colour> seenInPreview;
  s.yieldToEvents = [&] { seenInPreview.push_back(s.preview.pixel(5, 2)); };
  dragThrough(s, {{2, 2}, {5, 2}});
  EXPECT_EQ(seenInPreview, (std::vector<Colour>{kWhite, kWhite, rgb(255, 0, 0)}));
}

TEST(MainWindowPress, SwatchBoundsAreStrictAndRightButtonPicksTheDrawnColour) {
  for (auto [x, y] : {std::pair{606.0, 230.0}, {632.0, 230.0}, {620.0, 222.0}, {620.0, 245.0}}) {
    ProgramState s;
    formMouseDown(s, kLeftButton, 0, x, y, kNoSurface);
    EXPECT_EQ(s.colour.penTransparent, 0) << x << "," << y;
  }
  ProgramState s;
  formMouseDown(s, kLeftButton, 0, 607, 244, kNoSurface);
  EXPECT_EQ(s.colour.penTransparent, 1);
  auto surface = [](double x, double) { return x < 700 ? rgb(224, 224, 224) : kNoColour; };
  formMouseDown(s, kRightButton, 0, 750, 100, surface);
  EXPECT_EQ(s.colour.penTransparent, 1);  // nothing drawn there: unchanged
  formMouseDown(s, kRightButton, 0, 600, 100, surface);
  EXPECT_EQ(s.colour.penTransparent, 0);
  EXPECT_EQ(s.colour.penColor, rgb(224, 224, 224));
  EXPECT_TRUE(s.iconSaved);
}

TEST(MainWindowPress, BusyDropsWindowInputButNotThePalette) {
  ProgramState s = stateWithTool("Pen");
  s.busy = true;
  formMouseDown(s, kLeftButton, 0, xOf(1), yOf(1), kNoSurface);
  formMouseMove(s, kLeftButton, 0, xOf(2), yOf(1));
  formMouseUp(s, kLeftButton, 0, xOf(2), yOf(1));
  formMouseDown(s, kLeftButton, 0, 620, 230, kNoSurface);
  formMouseDown(s, kRightButton, 0, 600, 100, [](double, double) { return kBlack; });
  EXPECT_TRUE(cellsOf(s.canvas).empty());
  EXPECT_EQ(std::tie(s.colour.penTransparent, s.colour.penColor), std::make_tuple(0, rgb(255, 0, 0)));

  s.colour.chooseTransparent();
  paletteMouseDown(s, kRightButton, 0, 500, 10);  // off the image: only the pen type changes
  EXPECT_EQ(std::tie(s.colour.penTransparent, s.colour.penColor), std::make_tuple(0, rgb(255, 0, 0)));
  paletteMouseMove(s, kLeftButton, 0, 68, 122);
  EXPECT_EQ(s.colour.penColor, rgb(0, 0, 255));
  paletteMouseMove(s, kLeftButton | kRightButton, 0, 68, 25);
  EXPECT_EQ(s.colour.penColor, rgb(0, 0, 255));
}

// Shape tools act only within a drag begun by a left press on the grid.
TEST(DragProtocol, StrayMovesNeverRestoreAnOldSnapshot) {
  ProgramState s = stateWithTool("Line");
  dragThrough(s, {{1, 1}, {5, 1}});
  s.tool = "Pen";
  click(s, 20, 20);
  s.tool = "Line";
  s.iconSaved = true;
  const Canvas before = s.canvas;
  formMouseDown(s, kLeftButton, 0, 3, 100, kNoSurface);  // left of the grid
  formMouseMove(s, kLeftButton, 0, xOf(8), yOf(8));       // dragged in
  formMouseMove(s, kMiddleButton, 0, xOf(9), yOf(9));
  formMouseUp(s, kLeftButton, 0, xOf(10), yOf(9));
  EXPECT_EQ(s.canvas, before);
  EXPECT_TRUE(s.iconSaved);
}

TEST(DragProtocol, ReleaseOffTheGridOrACommandEndsTheDrag) {
  ProgramState s = stateWithTool("Box");
  formMouseDown(s, kLeftButton, 0, xOf(2), yOf(2), kNoSurface);
  formMouseMove(s, kLeftButton, 0, xOf(4), yOf(4));
  formMouseUp(s, kLeftButton, 0, 600, 500);
  const Canvas drawn = s.canvas;
  EXPECT_EQ(cellsOf(drawn).size(), 8u);
  formMouseMove(s, kLeftButton, 0, xOf(9), yOf(9));
  EXPECT_EQ(s.canvas, drawn);

  formMouseDown(s, kLeftButton, 0, xOf(20), yOf(20), kNoSurface);
  flipHorizontal(s);
  const Canvas flipped = s.canvas;
  formMouseMove(s, kLeftButton, 0, xOf(25), yOf(25));
  EXPECT_EQ(s.canvas, flipped);
}

// Whatever interrupts a selection, its magenta outline never stays in the icon
// or in an undo level, and a drag whose release was lost never comes back.
TEST(DragProtocol, InterruptionsNeverLeaveTheOutlineOrRestoreLater) {
  ProgramState s = stateWithTool("Pointer");
  toolEvent(s, PointerKind::Press, kLeftButton, 0, 2, 2);
  toolEvent(s, PointerKind::Move, kLeftButton, 0, 6, 6);
  ASSERT_FALSE(cellsOf(s.canvas, kMagenta).empty());
  selectTool(s, "Line");  // a tool chosen by keyboard mid-drag
  EXPECT_TRUE(cellsOf(s.canvas, kMagenta).empty());
  formMouseUp(s, kLeftButton, 0, xOf(6), yOf(6));
  EXPECT_TRUE(cellsOf(s.canvas, kMagenta).empty());

  selectTool(s, "Pointer");
  toolEvent(s, PointerKind::Press, kLeftButton, 0, 2, 2);
  toolEvent(s, PointerKind::Move, kLeftButton, 0, 6, 6);
  newIcon(s);
  toolEvent(s, PointerKind::Release, kLeftButton, 0, 6, 6);
  undo(s);
  EXPECT_TRUE(cellsOf(s.canvas, kMagenta).empty());
  doBackup(s);  // undo mid-drag: the release must not bring back the canvas the drag began on
  const Canvas undone = s.canvas;
  s.canvas.at(20, 20) = Cell{kBlack, 0};
  toolEvent(s, PointerKind::Press, kLeftButton, 0, 2, 2);
  toolEvent(s, PointerKind::Move, kLeftButton, 0, 6, 6);
  undo(s);
  toolEvent(s, PointerKind::Release, kLeftButton, 0, 6, 6);
  EXPECT_EQ(s.canvas, undone);

  // A release swallowed by a dialog: the next move without the left button ends the drag.
  selectTool(s, "Line");
  dragThrough(s, {{0, 0}, {0, 0}});
  toolEvent(s, PointerKind::Press, kLeftButton, 0, 1, 10);
  toolEvent(s, PointerKind::Move, kLeftButton, 0, 8, 10);
  const Canvas drawn = s.canvas;
  formMouseMove(s, kMiddleButton, 0, xOf(12), yOf(12));
  formMouseMove(s, kLeftButton, 0, xOf(14), yOf(14));
  EXPECT_EQ(s.canvas, drawn);
}

// A press while a drag is still open (its release lost) ends that drag as an
// interruption would: every tool ends up as if the release had come, and no
// selection outline is carried into the new drag's snapshot.
TEST(DragProtocol, APressWhileADragIsOpenEndsThatDragFirst) {
  for (const char* tool : {"Pointer", "Line", "Box", "BoxFill", "Circle", "CircleFill", "Paste", "Pen"})
    for (int secondButton : {kLeftButton, kMiddleButton}) {
      auto run = [&](bool releaseFirst) {
        ProgramState s = stateWithTool(tool);
        s.tools.clipboard.cells.at(0, 0) = Cell{rgb(0, 0, 255), 0};
        toolEvent(s, PointerKind::Press, kLeftButton, 0, 17, 2);
        toolEvent(s, PointerKind::Move, kLeftButton, 0, 1, 26);
        if (releaseFirst) toolEvent(s, PointerKind::Release, kLeftButton, 0, 1, 26);
        toolEvent(s, PointerKind::Press, secondButton, 0, 1, 6);
        toolEvent(s, PointerKind::Release, secondButton, 0, 1, 6);
        return s.canvas;
      };
      const Canvas interrupted = run(false);
      EXPECT_EQ(interrupted, run(true)) << tool << " " << secondButton;
      EXPECT_TRUE(cellsOf(interrupted, kMagenta).empty()) << tool;
    }
}
