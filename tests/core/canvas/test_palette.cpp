#include <gtest/gtest.h>

#include "canvas/Palette.h"

using namespace pictavo;

TEST(Palette, HueRowsRunFromBlackThroughThePureHueToWhite) {
  const std::pair<int, Colour> hues[] = {
      {25, rgb(255, 0, 0)},   {53, rgb(255, 255, 0)}, {54, rgb(255, 255, 0)},  {68, rgb(0, 255, 0)},
      {69, rgb(0, 255, 0)},   {97, rgb(0, 255, 255)}, {98, rgb(0, 255, 255)},  {122, rgb(0, 0, 255)},
      {150, rgb(255, 0, 255)}, {151, rgb(255, 0, 255)}, {174, rgb(255, 0, 0)},
  };
  for (auto [row, hue] : hues) EXPECT_EQ(paletteColourAt(68, row), hue) << row;
  for (int row = 25; row <= 174; ++row) {
    EXPECT_EQ(paletteColourAt(4, row), kBlack) << row;
    const Colour end = paletteColourAt(132, row);
    EXPECT_GE(redOf(end) + greenOf(end) + blueOf(end), 3 * 240) << row;
  }
  EXPECT_EQ(paletteColourAt(36, 122), rgb(0, 0, 128));  // halfway from black to blue
}

TEST(Palette, GreyRampLinesTitleBarAndOutside) {
  for (int row = 176; row <= 183; ++row) {
    EXPECT_EQ(paletteColourAt(4, row), kBlack);
    EXPECT_EQ(paletteColourAt(132, row), rgb(248, 248, 248));
  }
  for (int x = 4; x <= 132; ++x)
    for (int row : {24, 175, 184}) EXPECT_EQ(paletteColourAt(x, row), kBlack);
  for (int row = 24; row <= 184; ++row) EXPECT_EQ(paletteColourAt(133, row), kBlack);
  EXPECT_EQ(paletteColourAt(110, 10), rgb(0, 0, 127));
  int captionWhite = 0;  // the "Pallet" caption is part of the image: its letters pick white
  for (int y = 3; y <= 20; ++y)
    for (int x = 4; x <= 132; ++x) captionWhite += paletteColourAt(x, y) == kWhite;
  EXPECT_GT(captionWhite, 80);
  EXPECT_NE(paletteColourAt(136, 188), kNoColour);
  for (auto [x, y] : {std::pair{137, 10}, {10, 189}, {-1, 10}})
    EXPECT_EQ(paletteColourAt(x, y), kNoColour);
}
