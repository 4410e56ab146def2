#include <gtest/gtest.h>

#include "app/ProgramState.h"
#include "canvas/Rounding.h"

using namespace pictavo;

TEST(CellNumbering, CornersAndRows) {
  EXPECT_EQ(cellNumber(0, 0), 1);
  EXPECT_EQ(cellNumber(31, 0), 32);
  EXPECT_EQ(cellNumber(0, 1), 33);
  EXPECT_EQ(cellNumber(31, 31), 1024);
  for (int n : {1, 32, 33, 500, 1024}) EXPECT_EQ(cellNumber(columnOf(n), rowOf(n)), n);
}

TEST(Rounding, HalvesGoToEven) {
  EXPECT_EQ(roundHalfEven(0.5), 0);
  EXPECT_EQ(roundHalfEven(1.5), 2);
  EXPECT_EQ(roundHalfEven(2.5), 2);
  EXPECT_EQ(roundHalfEven(-0.5), 0);
  EXPECT_EQ(roundHalfEven(-1.5), -2);
  EXPECT_EQ(roundHalfEven(2.4999), 2);
}

TEST(FreshState, TransparentWhiteCanvasAndWhitePreview) {
  ProgramState s;
  for (const Cell& c : s.canvas.cells()) {
    EXPECT_EQ(c.colour, kWhite);
    EXPECT_EQ(c.transparent, 1);
  }
  EXPECT_TRUE(s.iconSaved);
  EXPECT_FALSE(s.busy);
  EXPECT_EQ(s.colour.penColor, kBlack);
  EXPECT_EQ(s.tool, "");
}

TEST(Preview, TransparentCellsShowWhiteWhateverTheirColour) {
  Canvas canvas;
  canvas.at(3, 4) = Cell{rgb(1, 2, 3), 1};
  canvas.at(5, 6) = Cell{rgb(9, 8, 7), 0};
  Preview preview;
  preview.setPixel(3, 4, kBlack);
  layIcon(canvas, preview);
  EXPECT_EQ(preview.pixel(3, 4), kWhite);
  EXPECT_EQ(preview.pixel(5, 6), rgb(9, 8, 7));
}

TEST(GridGeometry, BothLayoutsSpanTheDesignedArea) {
  auto large = GridGeometry::large();
  auto r0 = large.cellRect(0, 0), r1 = large.cellRect(31, 31);
  EXPECT_EQ(r0.left, 8);
  EXPECT_EQ(r0.top, 40);
  EXPECT_EQ(r1.left + r1.width, 489);
  EXPECT_EQ(r1.top + r1.height, 425);
  auto small = GridGeometry::small();
  r0 = small.cellRect(0, 0);
  r1 = small.cellRect(31, 31);
  EXPECT_EQ(r0.left, 32);
  EXPECT_EQ(r1.left + r1.width, 449);
  EXPECT_EQ(r1.top + r1.height, 361);
}

TEST(ScreenMode, BelowSevenThousandThreeHundredTwipsIsSmall) {
  EXPECT_EQ(screenModeForHeight(480), ScreenMode::Small);  // 7200 twips
  EXPECT_EQ(screenModeForHeight(486), ScreenMode::Small);  // 7290 twips
  EXPECT_EQ(screenModeForHeight(487), ScreenMode::Large);  // 7305 twips
}
