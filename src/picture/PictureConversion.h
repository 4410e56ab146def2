#pragma once
#include "app/ProgramState.h"
#include "picture/PictureSampling.h"

namespace pictavo {

// Turns the selected region of a displayed picture into the canvas: one undo
// level, the sampling, the new canvas (unsaved) and its preview.
void convertPicture(ProgramState& state, const SelectionRect& selection, const PixelReader& readPixel);

}  // namespace pictavo
