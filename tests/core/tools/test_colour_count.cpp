#include <gtest/gtest.h>

#include "ToolTestSupport.h"
#include "support/ScriptedMessageBoxes.h"
#include "tools/Commands.h"

using namespace pictavo;
using namespace pictavo::testing;

namespace {

std::string countText(int n) {
  return "     The icon contains " + std::to_string(n) +
         " colors\r\nWould you like to combine similar colors?";
}

}  // namespace

TEST(ColourCount, CountsColourValuesIgnoringTransparency) {
  ProgramState s;
  EXPECT_EQ(countColors(s), 1);
  s.canvas.at(3, 3) = Cell{kWhite, 0};
  s.canvas.at(4, 3) = Cell{rgb(1, 2, 3), 1};
  EXPECT_EQ(countColors(s), 2);
  EXPECT_EQ(s.tools.colorCount, 2);
}

TEST(ColourCount, MergeMasksClearOneMoreLowBitPerStep) {
  const int channel[] = {254, 253, 251, 247, 239, 223, 191};
  for (int i = 0, step = 1; step < 128; ++i, step *= 2)
    EXPECT_EQ(mergeMask(step), rgb(channel[i], channel[i], channel[i]));

  ProgramState s;
  s.canvas.at(0, 0) = Cell{rgb(12, 0, 0), 0};
  s.canvas.at(1, 0) = Cell{rgb(14, 0, 0), 0};
  mergeColors(s, mergeMask(1));
  EXPECT_EQ(s.canvas.at(1, 0).colour, rgb(14, 0, 0));
  EXPECT_EQ(s.canvas.at(5, 5), (Cell{rgb(254, 254, 254), 1}));
  mergeColors(s, mergeMask(2));
  EXPECT_EQ(s.canvas.at(1, 0).colour, rgb(12, 0, 0));
  EXPECT_FALSE(s.iconSaved);
}

TEST(CountColorsCommand, ShowsTheCountAndMergesWhileTheUserAgrees) {
  ProgramState s;
  s.canvas.cells().fill(Cell{rgb(10, 20, 30), 0});
  s.canvas.at(0, 0).colour = rgb(11, 21, 31);
  ScriptedMessageBoxes boxes;
  boxes.queue(Answer::Yes);
  boxes.queue(Answer::No);
  countColorsCommand(s, boxes);
  ASSERT_EQ(boxes.shown().size(), 2u);
  EXPECT_EQ(boxes.shown()[0].text, countText(2));
  EXPECT_EQ(boxes.shown()[0].title, "");
  EXPECT_EQ(boxes.shown()[0].buttons, Buttons::YesNo);
  EXPECT_EQ(boxes.shown()[1].text, countText(1));
  EXPECT_EQ(s.tools.undo.undoCount, 1);
}

TEST(CountColorsCommand, SevenMergesThenStopsAndDeclineChangesNothing) {
  ProgramState s;
  s.canvas.at(0, 0) = Cell{rgb(255, 255, 255), 0};
  s.canvas.at(1, 0) = Cell{rgb(127, 127, 127), 0};
  ScriptedMessageBoxes boxes;
  for (int i = 0; i < 7; ++i) boxes.queue(Answer::Yes);
  countColorsCommand(s, boxes);  // an eighth question would throw
  EXPECT_EQ(s.canvas.at(0, 0).colour, rgb(128, 128, 128));
  EXPECT_EQ(s.canvas.at(1, 0).colour, kBlack);
  EXPECT_EQ(s.tools.undo.undoCount, 3);

  ProgramState fresh;
  ScriptedMessageBoxes no;
  no.queue(Answer::No);
  countColorsCommand(fresh, no);
  EXPECT_EQ(no.shown().at(0).text, countText(1));
  EXPECT_EQ(fresh.canvas, Canvas{});
  EXPECT_EQ(fresh.tools.undo.undoCount, 0);
}
