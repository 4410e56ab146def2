#include <algorithm>
#include <array>
#include <string>

#include "canvas/ColourTable.h"
#include "tools/CanvasChange.h"
#include "tools/Commands.h"

namespace pictavo {

int countColors(ProgramState& state) {
  std::array<Colour, kCellCount> colours;
  std::transform(state.canvas.cells().begin(), state.canvas.cells().end(), colours.begin(),
                 [](const Cell& c) { return c.colour; });
  const int distinct = countDistinctColours(colours);
  state.tools.colorCount = distinct;
  return distinct;
}

Colour mergeMask(int step) {
  const int channel = 255 - step;
  return rgb(channel, channel, channel);
}

void mergeColors(ProgramState& state, Colour mask) {
  beginCanvasChange(state);
  doBackup(state);
  for (Cell& cell : state.canvas.cells()) cell.colour &= mask;
  finishCanvasChange(state);
  if (state.yieldToEvents) state.yieldToEvents();
}

// Each accepted merge clears one more low bit of every channel; after the
// seventh only the top bits remain and the command ends without asking again.
void countColorsCommand(ProgramState& state, MessageBoxes& boxes) {
  beginCanvasChange(state);
  for (int step = 1; step < 128; step *= 2) {
    countColors(state);
    const std::string text = "     The icon contains " + std::to_string(state.tools.colorCount) +
                             " colors\r\nWould you like to combine similar colors?";
    if (boxes.show(text, "", Buttons::YesNo) != Answer::Yes) return;
    mergeColors(state, mergeMask(step));
  }
}

}  // namespace pictavo
