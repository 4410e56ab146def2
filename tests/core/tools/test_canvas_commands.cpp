#include <gtest/gtest.h>

#include "ToolTestSupport.h"
#include "tools/Commands.h"

using namespace pictavo;
using namespace pictavo::testing;

namespace {

// Every cell distinct, with a scattering of transparent cells.
ProgramState patterned() {
  ProgramState s;
  for (int n = 1; n <= kCellCount; ++n) s.canvas.cell(n) = Cell{n * 37, std::int16_t(n % 7 == 0)};
  return s;
}

Colour adjusted(void (*command)(ProgramState&), Colour c) {
  ProgramState s;
  s.canvas.at(0, 0) = Cell{c, 0};
  command(s);
  EXPECT_EQ(s.preview.pixel(0, 0), s.canvas.at(0, 0).colour);
  return s.canvas.at(0, 0).colour;
}

}  // namespace

TEST(GeometricCommands, RoundTripsGiveBackTheCanvasWithoutUndo) {
  for (auto [command, times] : {std::pair{flipHorizontal, 2}, {flipVertical, 2}, {rotateQuarter, 4},
                                {slideUp, 32}, {slideDown, 32}, {slideLeft, 32}, {slideRight, 32}}) {
    ProgramState s = patterned();
    const Canvas original = s.canvas;
    command(s);
    EXPECT_NE(s.canvas, original);
    for (int i = 1; i < times; ++i) command(s);
    EXPECT_EQ(s.canvas, original);
    EXPECT_FALSE(s.iconSaved);
    EXPECT_EQ(s.tools.undo.undoCount, 0);
  }
}

TEST(GeometricCommands, DirectionsAndFlagsMoveWithTheCell) {
  const Canvas original = patterned().canvas;
  ProgramState s = patterned();
  rotateQuarter(s);
  EXPECT_EQ(s.canvas.at(31, 0), original.at(0, 0));
  EXPECT_EQ(s.canvas.at(31, 5), original.at(5, 0));
  flipHorizontal(s = patterned());
  EXPECT_EQ(s.canvas.at(31, 6), original.at(0, 6));  // a transparent cell
  slideUp(s = patterned());
  EXPECT_EQ(s.canvas.at(2, 31), original.at(2, 0));
  slideLeft(s = patterned());
  EXPECT_EQ(s.canvas.at(31, 4), original.at(0, 4));
  EXPECT_EQ(s.canvas.at(30, 4), original.at(31, 4));
}

TEST(ColourCommands, ChannelStepsContrastKeepsBlackAndGreyRounds) {
  EXPECT_EQ(adjusted(brighter, rgb(250, 252, 0)), rgb(254, 252, 4));
  EXPECT_EQ(adjusted(darker, rgb(5, 4, 0)), rgb(1, 4, 0));
  EXPECT_EQ(adjusted(lessContrast, rgb(0, 127, 255)), rgb(4, 131, 251));
  EXPECT_EQ(adjusted(lessContrast, rgb(128, 128, 128)), rgb(124, 124, 124));
  EXPECT_EQ(adjusted(moreContrast, rgb(3, 128, 251)), rgb(3, 132, 251));
  EXPECT_EQ(adjusted(moreContrast, rgb(4, 0, 0)), rgb(4, 0, 0));
  EXPECT_EQ(adjusted(moreContrast, rgb(4, 0, 2)), rgb(0, 0, 2));
  EXPECT_EQ(adjusted(blackAndWhite, rgb(255, 0, 0)), rgb(85, 85, 85));
  EXPECT_EQ(adjusted(blackAndWhite, rgb(10, 10, 11)), rgb(10, 10, 10));
}

TEST(ColourCommands, TransparentCellsChangeColourAndOnlyBlackAndWhiteUndoes) {
  ProgramState s;
  darker(s);
  EXPECT_EQ(s.canvas.at(7, 7), (Cell{rgb(251, 251, 251), 1}));
  EXPECT_EQ(s.preview.pixel(7, 7), kWhite);
  EXPECT_FALSE(s.iconSaved);

  s = patterned();
  brighter(s);
  moreContrast(s);
  EXPECT_EQ(s.tools.undo.undoCount, 0);
  const Canvas beforeGrey = s.canvas;
  blackAndWhite(s);
  undo(s);
  EXPECT_EQ(s.canvas, beforeGrey);
}
