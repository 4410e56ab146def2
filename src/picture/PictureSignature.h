#pragma once
#include <optional>

#include "picture/PictureBytes.h"
#include "picture/PictureFileChecks.h"

namespace pictavo {

// The kind of picture a file holds by its leading signature bytes, whatever its
// name says; nullopt when they match none. A run-length BMP reads as Bmp.
std::optional<PictureType> pictureTypeOfContent(const PictureBytes& file);

// "JPEG", "BMP", "GIF", "ICO", "RLE", "EMF", "WMF" or "PNG", for messages.
const char* pictureTypeName(PictureType type);

}  // namespace pictavo
