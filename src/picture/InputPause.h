#pragma once
#include <functional>

#include "app/ProgramState.h"

namespace pictavo {

// Seconds on a clock that only runs forward (passing midnight changes nothing).
using Clock = std::function<double()>;

constexpr double kInputPauseSeconds = 1.0;

// InputPause: Busy for a second after a conversion while `yield` lets window
// events run, so that the clicks that follow the closing picture window are
// dropped by the grid instead of painting on the new icon.
void inputPause(ProgramState& state, const Clock& now, const std::function<void()>& yield);

}  // namespace pictavo
