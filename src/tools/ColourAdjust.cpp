#include "canvas/Rounding.h"
#include "tools/CanvasChange.h"
#include "tools/Commands.h"

namespace pictavo {
namespace {

constexpr int kStep = 4;

template <typename ChannelRule>
Colour applyToChannels(Colour c, ChannelRule rule) {
  return rgb(rule(redOf(c)), rule(greenOf(c)), rule(blueOf(c)));
}

template <typename ChannelRule>
void adjustEveryCell(ProgramState& state, ChannelRule rule) {
  beginCanvasChange(state);
  for (Cell& cell : state.canvas.cells()) cell.colour = applyToChannels(cell.colour, rule);
  finishCanvasChange(state);
}

}  // namespace

void brighter(ProgramState& state) {
  adjustEveryCell(state, [](int v) { return v <= 255 - kStep ? v + kStep : v; });
}

void darker(ProgramState& state) {
  adjustEveryCell(state, [](int v) { return v > kStep ? v - kStep : v; });
}

void lessContrast(ProgramState& state) {
  adjustEveryCell(state, [](int v) { return v < 128 ? v + kStep : v - kStep; });
}

// A cell that would turn black keeps its colour, so black stays where it was.
void moreContrast(ProgramState& state) {
  auto rule = [](int v) {
    if (v < 128) return v >= kStep ? v - kStep : v;
    return v <= 250 ? v + kStep : v;
  };
  beginCanvasChange(state);
  for (Cell& cell : state.canvas.cells()) {
    const Colour next = applyToChannels(cell.colour, rule);
    if (next != 0) cell.colour = next;
  }
  finishCanvasChange(state);
}

void blackAndWhite(ProgramState& state) {
  beginCanvasChange(state);
  doBackup(state);
  for (Cell& cell : state.canvas.cells()) {
    const Colour c = cell.colour;
    const int grey = roundHalfEven((redOf(c) + greenOf(c) + blueOf(c)) / 3.0);
    cell.colour = rgb(grey, grey, grey);
  }
  finishCanvasChange(state);
}

}  // namespace pictavo
