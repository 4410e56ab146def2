#include <gtest/gtest.h>

#include <set>

#include "IcoTestSupport.h"
#include "icofile/ColourReduction.h"
#include "icofile/IconSaving.h"
#include "support/ScriptedMessageBoxes.h"

using namespace pictavo;
using namespace pictavo::testing;

namespace {

// `n` distinct opaque colours spread over the canvas, the rest repeating them.
Canvas withColours(int n, Colour (*colourOf)(int)) {
  Canvas c;
  for (int i = 0; i < kCellCount; ++i) c.cells()[i] = Cell{colourOf(i % n), 0};
  return c;
}
Colour spreadOut(int k) { return rgb((k * 37) & 0xFF, (k * 11) & 0xFF, k >> 2); }
Colour lowBitNeighbours(int k) { return k < 256 ? rgb(k % 32 * 8, k / 32 * 8, 0) : rgb(1, 0, 0); }

}  // namespace

TEST(MapTo16, DistanceTableWithBiasesAndLowestIndexOnTies) {
  EXPECT_EQ(mapTo16(rgb(64, 64, 64)), 1);
  EXPECT_EQ(mapTo16(rgb(200, 200, 200)), 8);
  EXPECT_EQ(mapTo16(rgb(162, 162, 162)), 7);  // ties with 8, judged against 196 grey
  for (int k = 0; k < 16; ++k) EXPECT_EQ(mapTo16(kPalette16[k]), k) << k;
}

TEST(SetIconType, FreshCanvasNeedsNoWarningAtEitherDepth) {
  ProgramState state;
  ScriptedMessageBoxes boxes;
  IconTypeOutcome out = setIconType(state, 16, boxes);
  EXPECT_TRUE(out.accepted);
  EXPECT_EQ(out.colorCount, 1);
  for (int i = 0; i < kCellCount; ++i) ASSERT_EQ(state.ico.index16[i], 0);
  applyPreparedColours(state.ico, 16, state.canvas);
  EXPECT_EQ(state.canvas, Canvas());  // transparent cells keep their white
  EXPECT_TRUE(setIconType(state, 256, boxes).accepted);
  for (Colour c : state.ico.colors256) ASSERT_EQ(c, 0);
  EXPECT_TRUE(boxes.shown().empty());
  applyPreparedColours(state.ico, 256, state.canvas);
  EXPECT_EQ(state.canvas, canvasFilledWith(Cell{kBlack, 1}));  // transparent cells are stored black
}

TEST(SetIconType, SixteenWarnsAbove50ColoursAndCancelRefusesWithoutChanges) {
  ProgramState state;
  state.canvas = withColours(50, spreadOut);
  ScriptedMessageBoxes boxes;
  EXPECT_TRUE(setIconType(state, 16, boxes).accepted);
  EXPECT_TRUE(boxes.shown().empty());

  state.canvas = withColours(51, spreadOut);
  const Canvas before = state.canvas;
  boxes.queue(Answer::Cancel);
  EXPECT_FALSE(setIconType(state, 16, boxes).accepted);
  EXPECT_TRUE(state.ico.saveRefused);
  ASSERT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(boxes.shown()[0].text,
            "You are attempting to save a 51 color icon as a 16 color icon.\r"
            "                 This may result in a severe loss of quality.\r"
            "                               Do you wish to continue?");
  EXPECT_EQ(boxes.shown()[0].title, "");
  EXPECT_EQ(boxes.shown()[0].buttons, Buttons::OkCancel);
  EXPECT_EQ(state.canvas, before);

  boxes.queue(Answer::Ok);
  EXPECT_TRUE(setIconType(state, 16, boxes).accepted);
  EXPECT_FALSE(state.ico.saveRefused);
  EXPECT_EQ(state.ico.colors16[0], kPalette16[mapTo16(spreadOut(0))]);
}

TEST(SetIconType, TwoFiftySixReducesOnlyAbove256AndQuietlyWhenPassOneOrTwoSuffices) {
  ProgramState state;
  ScriptedMessageBoxes boxes;
  state.canvas = withColours(256, spreadOut);
  EXPECT_EQ(setIconType(state, 256, boxes).colorCount, 256);
  EXPECT_EQ(state.ico.colors256, state.ico.sourceColors);

  state.canvas = withColours(257, lowBitNeighbours);  // pass 1 merges (1,0,0) into black
  IconTypeOutcome out = setIconType(state, 256, boxes);
  EXPECT_TRUE(out.accepted);
  EXPECT_EQ(out.colorCount, 256);
  EXPECT_EQ(state.tools.colorCount, 256);
  EXPECT_TRUE(boxes.shown().empty());
  EXPECT_EQ(state.ico.colors256[256], 0);

  IcoState ico;
  for (int i = 0; i < kCellCount; ++i) ico.sourceColors[i] = rgb(i % 32 * 8 + 4, i / 32 * 8, 0);
  EXPECT_EQ(reduceTo256(ico).passes, 2);  // 1024 colours survive pass 1, 256 pass 2
  EXPECT_EQ(recountColors(ico), 256);
}

TEST(SetIconType, PassThreeAsksAndNeverLeavesMoreThan256Colours) {
  ProgramState state;
  state.canvas = icotest::patternCanvas(7);  // ~880 colours: pass 3 still leaves > 256
  const Canvas before = state.canvas;
  ScriptedMessageBoxes boxes;
  boxes.queue(Answer::Cancel);
  IconTypeOutcome refused = setIconType(state, 256, boxes);
  EXPECT_FALSE(refused.accepted);
  EXPECT_TRUE(state.ico.saveRefused);
  EXPECT_EQ(state.canvas, before);
  ASSERT_EQ(boxes.shown().size(), 1u);
  std::set<Colour> distinct;
  for (const Cell& c : before.cells()) distinct.insert(c.colour);
  EXPECT_GT(refused.colorCount, 200);
  EXPECT_EQ(boxes.shown()[0].text, compressionWarning(int(distinct.size()), refused.colorCount));
  EXPECT_EQ(compressionWarning(900, 256),
            "The icon you are saving is being compressed from 900 to 256 colors.\r"
            "                   this may result in a noticeable loss of quality.\r"
            "                                 Do you wish to continue?");

  boxes.queue(Answer::Ok);
  IconTypeOutcome accepted = setIconType(state, 256, boxes);
  EXPECT_TRUE(accepted.accepted);
  EXPECT_LE(accepted.colorCount, 256);
  EXPECT_EQ(recountColors(state.ico), accepted.colorCount);
  for (int i = 0; i < kCellCount; ++i)
    ASSERT_EQ(state.ico.colors256[i] & (state.canvas.cells()[i].transparent ? 0xFFFFFF : 0x1F1F1F), 0)
        << "transparent cells are black; pass 3 keeps the top 3 bits only";
}
