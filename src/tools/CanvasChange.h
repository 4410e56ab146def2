#pragma once

#include "app/ProgramState.h"
#include "canvas/Preview.h"
#include "tools/PointerInput.h"

namespace pictavo {

// The start of every whole-canvas command: a drag in progress ends first, so
// neither a selection outline nor a stale snapshot can mix with the result.
inline void beginCanvasChange(ProgramState& state) { endDrag(state); }

// The end of every whole-canvas command that changed cells: the icon is
// unsaved and the preview is repainted.
inline void finishCanvasChange(ProgramState& state) {
  state.iconSaved = false;
  layIcon(state.canvas, state.preview);
}

}  // namespace pictavo
