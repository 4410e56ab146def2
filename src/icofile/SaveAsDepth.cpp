#include "icofile/SaveAsDepth.h"

#include "icofile/ColourReduction.h"
#include "icofile/IconSaving.h"
#include "tools/PointerInput.h"

namespace pictavo {

bool prepareSaveAsDepth(ProgramState& state, int depth, MessageBoxes& boxes) {
  endDrag(state);  // the outline of a selection in progress is not part of the icon
  if (depth != 16 && depth != 256) {
    state.saveDepth = 24;
    return true;
  }
  if (!setIconType(state, depth, boxes).accepted) return false;
  state.saveDepth = static_cast<std::int16_t>(depth);
  const Canvas before = state.canvas;
  applyPreparedColours(state.ico, depth, state.canvas);
  // A reduction the user then does not save must still count as a change.
  if (state.canvas != before) state.iconSaved = false;
  layIcon(state.canvas, state.preview);
  return true;
}

}  // namespace pictavo
