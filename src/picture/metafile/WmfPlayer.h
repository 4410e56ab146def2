#pragma once
#include <vector>

#include "picture/MetafileHeader.h"

namespace pictavo {

// Plays a WMF through libwmf's raster device into GD true-colour pixels
// (0x7FRRGGBB, top 7 bits transparency). The box libwmf's scan reports, the one
// its own tools map, fills `frame`; a frame measured by the renderer gets its
// size from that box. On failure, `error` says why. Kept apart from Qt, whose
// headers clash with libwmf's macros.
bool playWmf(std::vector<unsigned char>& bytes, MetafileFrame& frame, std::vector<int>& pixels, std::string& error);

}  // namespace pictavo
