#pragma once
#include <optional>
#include <string>

#include "picture/PictureBytes.h"

namespace pictavo {

// The seven kinds of picture the editor converts, told apart by file extension,
// and PNG, which Qt reads too and which is only ever recognised by content.
enum class PictureType { Jpeg, Bmp, Gif, Ico, Rle, Emf, Wmf, Png };

std::optional<PictureType> pictureTypeOfPath(const std::string& path);

// Whether the file holds all the data its own structure announces. The image
// decoders quietly fill in what a cut-off file lacks, so a truncated picture
// would otherwise load half grey or half black.
bool jpegIsComplete(const PictureBytes& file);
bool bmpIsComplete(const PictureBytes& file);  // also run-length-compressed BMPs
bool gifIsComplete(const PictureBytes& file);
bool icoIsComplete(const PictureBytes& file);
bool pngIsComplete(const PictureBytes& file);

// The directory index of an icon file's largest image, the one with the most
// detail to sample from; 0 for a file without a usable directory.
int largestIcoImage(const PictureBytes& file);

}  // namespace pictavo
