#include "picture/PictureConversion.h"

#include "tools/Commands.h"
#include "tools/PointerInput.h"

namespace pictavo {

void convertPicture(ProgramState& state, const SelectionRect& selection, const PixelReader& readPixel) {
  endDrag(state);
  doBackup(state);
  applySamples(samplePicture(selection, readPixel), state.canvas);
  layIcon(state.canvas, state.preview);
}

}  // namespace pictavo
