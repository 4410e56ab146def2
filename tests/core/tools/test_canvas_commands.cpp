#include <gtest/gtest.h>

#include <functional>

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

std::string countText(int n) {
  return "     The icon contains " + std::to_string(n) + " colors\r\nWould you like to combine similar colors?";
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
    EXPECT_EQ(s.tools.undo.undoCount, 0);
  }
}

TEST(GeometricCommands, CellsMoveWithTheirFlags) {
  const Canvas original = patterned().canvas;
  struct Move { void (*command)(ProgramState&); int toColumn, toRow, fromColumn, fromRow; };
  for (const Move& m : {Move{rotateQuarter, 31, 0, 0, 0}, {rotateQuarter, 31, 5, 5, 0}, {flipHorizontal, 25, 0, 6, 0},
                        {flipVertical, 2, 31, 2, 0}, {slideUp, 2, 31, 2, 0}, {slideDown, 2, 1, 2, 0},
                        {slideLeft, 31, 4, 0, 4}, {slideLeft, 30, 4, 31, 4}, {slideRight, 1, 4, 0, 4}}) {
    ProgramState s = patterned();
    m.command(s);
    EXPECT_EQ(s.canvas.at(m.toColumn, m.toRow), original.at(m.fromColumn, m.fromRow)) << m.toColumn << "," << m.toRow;
  }
}

TEST(ColourCommands, ChannelStepsContrastKeepsBlackAndGreyRounds) {
  EXPECT_EQ(adjusted(brighter, rgb(250, 252, 251)), rgb(254, 252, 255));
  EXPECT_EQ(adjusted(darker, rgb(5, 4, 0)), rgb(1, 4, 0));
  EXPECT_EQ(adjusted(lessContrast, rgb(0, 127, 255)), rgb(4, 131, 251));
  EXPECT_EQ(adjusted(lessContrast, rgb(128, 128, 128)), rgb(124, 124, 124));
  EXPECT_EQ(adjusted(moreContrast, rgb(3, 128, 251)), rgb(3, 132, 251));
  EXPECT_EQ(adjusted(moreContrast, rgb(4, 0, 0)), rgb(4, 0, 0));
  EXPECT_EQ(adjusted(moreContrast, rgb(4, 0, 2)), rgb(0, 0, 2));
  EXPECT_EQ(adjusted(blackAndWhite, rgb(255, 0, 0)), rgb(85, 85, 85));
  EXPECT_EQ(adjusted(blackAndWhite, rgb(10, 10, 11)), rgb(10, 10, 10));
  EXPECT_EQ(adjusted(blackAndWhite, rgb(10, 10, 12)), rgb(11, 11, 11));
}

TEST(ColourCommands, TransparentCellsChangeColourAndOnlyBlackAndWhiteUndoes) {
  ProgramState s;
  darker(s);
  EXPECT_EQ(s.canvas.at(7, 7), (Cell{rgb(251, 251, 251), 1}));
  EXPECT_EQ(s.preview.pixel(7, 7), kWhite);
  s = patterned();
  brighter(s);
  moreContrast(s);
  EXPECT_EQ(s.tools.undo.undoCount, 0);
  const Canvas beforeGrey = s.canvas;
  blackAndWhite(s);
  undo(s);
  EXPECT_EQ(s.canvas, beforeGrey);
}

// Even a command that happens to change nothing leaves the icon unsaved.
TEST(IconSaved, EveryCellChangingCommandAndToolClearsIt) {
  using Step = std::function<void(ProgramState&)>;
  auto drag = [](const char* tool) { return [tool](ProgramState& s) { s.tool = tool; dragThrough(s, {{3, 3}, {6, 5}}); }; };
  auto countAndMerge = [](ProgramState& s) {
    auto boxes = answering({Answer::Yes, Answer::No});
    countColorsCommand(s, boxes);
  };
  const std::pair<const char*, Step> steps[] = {
      {"flipH", flipHorizontal}, {"flipV", flipVertical}, {"rotate", rotateQuarter}, {"slideUp", slideUp},
      {"slideDown", slideDown}, {"slideLeft", slideLeft}, {"slideRight", slideRight}, {"brighter", brighter},
      {"darker", darker}, {"moreContrast", moreContrast}, {"lessContrast", lessContrast},
      {"blackAndWhite", blackAndWhite}, {"merge", [](ProgramState& s) { mergeColors(s, mergeMask(64)); }},
      {"undo", undo}, {"redo", [](ProgramState& s) { undo(s); s.iconSaved = true; redo(s); }},
      {"restore", restoreIcon}, {"countColors", countAndMerge}, {"Pen", drag("Pen")}, {"Line", drag("Line")},
      {"Box", drag("Box")}, {"BoxFill", drag("BoxFill")}, {"Circle", drag("Circle")},
      {"CircleFill", drag("CircleFill")}, {"Fill", drag("Fill")}, {"Paste", drag("Paste")}};
  for (const auto& [name, step] : steps) {
    ProgramState s = patterned();
    backupIcon(s);
    doBackup(s);
    s.iconSaved = true;
    step(s);
    EXPECT_FALSE(s.iconSaved) << name;
  }
}

TEST(ColourCount, MergeMasksClearOneMoreLowBitPerStepInEveryCell) {
  const int channel[] = {254, 253, 251, 247, 239, 223, 191};
  for (int i = 0, step = 1; step < 128; ++i, step *= 2) EXPECT_EQ(mergeMask(step), rgb(channel[i], channel[i], channel[i]));
  ProgramState s;
  mergeColors(s, mergeMask(1));
  EXPECT_EQ(s.canvas.at(5, 5), (Cell{rgb(254, 254, 254), 1}));
}

TEST(CountColorsCommand, CountsEveryCellAndMergesWhileTheUserAgreesSevenTimesAtMost) {
  ProgramState s;
  fillCanvas(s, rgb(10, 20, 30));
  s.canvas.at(0, 0) = Cell{rgb(11, 21, 31), 1};  // transparent cells count too
  ScriptedMessageBoxes boxes = answering({Answer::Yes, Answer::No});
  countColorsCommand(s, boxes);
  ASSERT_EQ(boxes.shown().size(), 2u);
  const auto& first = boxes.shown()[0];
  EXPECT_EQ(std::tie(first.text, first.title, first.buttons), std::make_tuple(countText(2), "", Buttons::YesNo));
  EXPECT_EQ(boxes.shown()[1].text, countText(1));
  EXPECT_EQ(s.tools.undo.undoCount, 1);

  s = ProgramState();
  s.canvas.at(0, 0) = Cell{rgb(255, 255, 255), 0};
  s.canvas.at(1, 0) = Cell{rgb(127, 127, 127), 0};
  for (int i = 0; i < 7; ++i) boxes.queue(Answer::Yes);
  countColorsCommand(s, boxes);  // an eighth question would throw
  EXPECT_EQ(std::make_pair(s.canvas.at(0, 0).colour, s.canvas.at(1, 0).colour), std::make_pair(rgb(128, 128, 128), kBlack));
  EXPECT_EQ(s.tools.undo.undoCount, 3);
  s = ProgramState();  // a decline changes nothing
  boxes.queue(Answer::No);
  countColorsCommand(s, boxes);
  EXPECT_EQ(boxes.shown().back().text, countText(1));
  EXPECT_EQ(s.canvas, Canvas{});
  EXPECT_EQ(s.tools.undo.undoCount, 0);
}
