#include "picture/InputPause.h"

namespace pictavo {

void inputPause(ProgramState& state, const Clock& now, const std::function<void()>& yield) {
  const double start = now();
  state.busy = true;
  while (now() - start <= kInputPauseSeconds) yield();
  state.busy = false;
}

}  // namespace pictavo
