#include <gtest/gtest.h>

#include <tuple>

#include "canvas/GridGeometry.h"
#include "canvas/Palette.h"
#include "canvas/Rounding.h"

using namespace pictavo;

TEST(Rounding, HalvesGoToEven) {
  for (auto [value, rounded] : {std::pair{0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {2.4999, 2}})
    EXPECT_EQ(roundHalfEven(value), rounded) << value;
}

TEST(CellNumbering, RowsOf32FromOne) {
  EXPECT_EQ(std::make_pair(cellNumber(31, 0), cellNumber(0, 1)), std::make_pair(32, 33));
  for (int n : {1, 32, 33, 500, 1024}) EXPECT_EQ(cellNumber(columnOf(n), rowOf(n)), n);
}

TEST(GridGeometry, BothLayoutsSpanTheGridAreaAndTheSmallOneIsBelow7300Twips) {
  for (auto [geometry, left, right, bottom] :
       {std::tuple{GridGeometry::large(), 8, 489, 425}, {GridGeometry::small(), 32, 449, 361}}) {
    const CellRect first = geometry.cellRect(0, 0), last = geometry.cellRect(31, 31);
    EXPECT_EQ(std::make_pair(first.left, first.top), std::make_pair(left, 40));
    EXPECT_EQ(std::make_pair(last.left + last.width, last.top + last.height), std::make_pair(right, bottom));
  }
  EXPECT_EQ(screenModeForHeight(486), ScreenMode::Small);  // 7290 twips
  EXPECT_EQ(screenModeForHeight(487), ScreenMode::Large);  // 7305 twips
}

TEST(Palette, HueRowsRunFromBlackThroughThePureHueToWhite) {
  for (auto [row, hue] : {std::pair{25, rgb(255, 0, 0)}, {53, rgb(255, 255, 0)}, {54, rgb(255, 255, 0)},
                          {68, rgb(0, 255, 0)}, {69, rgb(0, 255, 0)}, {97, rgb(0, 255, 255)}, {98, rgb(0, 255, 255)},
                          {122, rgb(0, 0, 255)}, {150, rgb(255, 0, 255)}, {151, rgb(255, 0, 255)}, {174, rgb(255, 0, 0)}})
    EXPECT_EQ(paletteColourAt(68, row), hue) << row;
  for (int row = 25; row <= 183; ++row) {  // the hue rows, a black line, then the grey ramp
    EXPECT_EQ(paletteColourAt(4, row), kBlack) << row;
    const Colour end = paletteColourAt(132, row);
    if (row < 175) {
      EXPECT_GE(redOf(end) + greenOf(end) + blueOf(end), 3 * 240) << row;
    } else if (row > 175) {
      EXPECT_EQ(end, rgb(248, 248, 248)) << row;
    }
  }
  EXPECT_EQ(paletteColourAt(36, 122), rgb(0, 0, 128));  // halfway from black to blue
}

TEST(Palette, LinesCaptionAndOutside) {
  for (int x = 4; x <= 132; ++x)
    for (int row : {24, 175, 184}) EXPECT_EQ(paletteColourAt(x, row), kBlack);
  for (int row = 24; row <= 184; ++row) EXPECT_EQ(paletteColourAt(133, row), kBlack);
  EXPECT_EQ(paletteColourAt(110, 10), rgb(0, 0, 127));
  int captionWhite = 0;  // the "Pallet" caption is part of the image: its letters pick white
  for (int y = 3; y <= 20; ++y)
    for (int x = 4; x <= 132; ++x) captionWhite += paletteColourAt(x, y) == kWhite;
  EXPECT_GT(captionWhite, 80);
  EXPECT_NE(paletteColourAt(136, 188), kNoColour);
  for (auto [x, y] : {std::pair{137, 10}, {10, 189}, {-1, 10}}) EXPECT_EQ(paletteColourAt(x, y), kNoColour);
}
