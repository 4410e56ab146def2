#pragma once
#include <cstddef>
#include <cstdint>

#include "icofile/RgbaImage.h"

namespace pictavo {

// The PngDecoder for icon images stored PNG-compressed: Qt's PNG reader, only
// for PNG data of at most kMaxImageSide pixels a side; straight alpha out.
bool decodePngIconImage(const std::uint8_t* data, std::size_t size, RgbaImage& out);

}  // namespace pictavo
