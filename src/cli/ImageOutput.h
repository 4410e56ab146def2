#pragma once
#include <string>

#include "app/ProgramState.h"

namespace pictavo::cli {

// An output name ending in .png (any case) asks for a PNG instead of an icon file.
bool isPngName(const std::string& path);

// Writes the canvas as a 32 x 32 PNG with alpha, atomically. Depth 16 or 256
// first reduces the colours as saving an icon of that depth would.
void savePngOrFail(ProgramState& state, const std::string& out, int depth);

}  // namespace pictavo::cli
