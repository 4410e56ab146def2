#pragma once

#include "app/ProgramState.h"
#include "canvas/Preview.h"

namespace pictavo {

// The end of every whole-canvas command that changed cells: the icon is
// unsaved, any drag in progress loses its (now stale) snapshot, and the preview is repainted.
inline void finishCanvasChange(ProgramState& state) {
  state.iconSaved = false;
  state.tools.drag.inProgress = false;
  layIcon(state.canvas, state.preview);
}

}  // namespace pictavo
