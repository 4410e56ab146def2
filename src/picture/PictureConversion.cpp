#include "picture/PictureConversion.h"

#include "tools/Commands.h"
#include "tools/PointerInput.h"

namespace pictavo {

void convertPicture(ProgramState& state, const SelectionRect& selection, const PixelReader& readPixel) {
  endDrag(state);
  doBackup(state);
  applySamples(samplePicture(selection, readPixel), state.canvas);
  layIcon(state.canvas, state.preview);
  // The picture is no image of the icon file last opened or saved.
  state.ico.originPath.clear();
  state.ico.originOffset = -1;
}

}  // namespace pictavo
