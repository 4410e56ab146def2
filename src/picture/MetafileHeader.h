#pragma once
#include <string>

#include "picture/PictureBytes.h"

namespace pictavo {

// Metafiles larger than this on either side are refused rather than rendered.
constexpr int kMaxMetafileSide = 4096;

// The size a metafile declares for itself, in pixels at 96 dots per inch.
struct MetafileFrame {
  int width = 0;
  int height = 0;
  std::string error;  // empty when the header is usable
  bool ok() const { return error.empty(); }
};

// EMF: the frame of the header record, in hundredths of a millimetre.
MetafileFrame readEmfFrame(const PictureBytes& file);
// WMF: the bounding box and units per inch of the placeable header. A metafile
// without one declares no size and is refused.
MetafileFrame readWmfFrame(const PictureBytes& file);

constexpr std::uint32_t kPlaceableWmfKey = 0x9AC6CDD7;
constexpr std::size_t kPlaceableWmfHeaderBytes = 22;

}  // namespace pictavo
