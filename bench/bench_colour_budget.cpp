// The colour budget shown in the status bar is recounted at most once per
// repaint after a change. This measures one recount against one pen-move
// event of the model and against a 60 Hz frame, for canvases from one colour
// to 1024 distinct ones.
// Usage: bench_colour_budget
#include <chrono>
#include <cstdio>

#include "icofile/ColourBudget.h"
#include "icofile/IcoFormat.h"
#include "tools/PointerInput.h"

using namespace pictavo;
using Clock = std::chrono::steady_clock;

namespace {

template <typename Body>
double perCallMicroseconds(int calls, Body body) {
  const auto start = Clock::now();
  for (int i = 0; i < calls; ++i) body(i);
  return std::chrono::duration<double, std::micro>(Clock::now() - start).count() / calls;
}

Canvas filled(Colour (*colourOf)(int)) {
  Canvas c;
  for (int i = 0; i < kCellCount; ++i) c.cells()[i] = Cell{colourOf(i), std::int16_t(i % 9 == 0)};
  return c;
}

}  // namespace

int main() {
  const struct {
    const char* what;
    Canvas canvas;
  } canvases[] = {
      {"fresh canvas", Canvas()},
      {"16 palette colours", filled([](int i) { return kPalette16[i % 16]; })},
      {"200 colours", filled([](int i) { return Colour(i % 200 * 40503); })},
      {"1024 distinct colours", filled([](int i) { return Colour((i * 2654435761u) & 0xFFFFFF); })},
  };
  int sink = 0;
  double worst = 0;
  for (const auto& c : canvases) {
    const double us = perCallMicroseconds(20000, [&](int) { sink += colourBudget(c.canvas).colorCount; });
    worst = std::max(worst, us);
    std::printf("colourBudget, %-22s %7.2f us\n", c.what, us);
  }

  // A pen drag across the grid, one model event per call, as the window receives them.
  ProgramState state;
  const CellRect first = state.geometry.cellRect(0, 0);
  const double x0 = first.left + first.width / 2, y0 = first.top + first.height / 2;
  formMouseDown(state, kLeftButton, 0, x0, y0, [](double, double) { return kNoColour; });
  const double pen = perCallMicroseconds(20000, [&](int i) {
    formMouseMove(state, kLeftButton, 0, x0 + (i % 31) * first.width, y0 + (i / 31 % 31) * first.height);
  });
  formMouseUp(state, kLeftButton, 0, x0, y0);
  std::printf("pen move event (model only):   %7.2f us\n", pen);
  std::printf("worst recount per 60 Hz frame: %7.3f %% of the frame\n", worst / (1e6 / 60) * 100);
  return sink == 42 ? 2 : 0;
}
