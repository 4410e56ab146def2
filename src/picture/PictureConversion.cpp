#include "picture/PictureConversion.h"

#include "tools/CanvasChange.h"
#include "tools/Commands.h"

namespace pictavo {

void convertPicture(ProgramState& state, const SelectionRect& selection, const PixelReader& readPixel) {
  beginCanvasChange(state);
  doBackup(state);
  applySamples(samplePicture(selection, readPixel), state.canvas);
  // Unsaved even when the icon was saved while the picture window stayed open.
  finishCanvasChange(state);
  // The picture is no image of the icon file last opened or saved.
  state.ico.originPath.clear();
  state.ico.originOffset = -1;
}

}  // namespace pictavo
