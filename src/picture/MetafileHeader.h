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
  // A WMF that declares no size: the renderer takes it from what the records draw.
  bool measuredByRenderer = false;
  bool ok() const { return error.empty(); }
};

// EMF: the frame of the header record, in hundredths of a millimetre.
MetafileFrame readEmfFrame(const PictureBytes& file);
// WMF: the bounding box and units per inch of the placeable header; without one,
// the window extent the records set; without that, measured by the renderer.
MetafileFrame readWmfFrame(const PictureBytes& file);
// Either of the above, by content (pictureTypeOfContent).
MetafileFrame readMetafileFrame(const PictureBytes& file);

// A WMF without a declared size: the box its records draw, in libwmf's device
// units, at the resolution libwmf's own tools assume for it.
MetafileFrame wmfFrameOfDrawnBox(double width, double height);

constexpr std::uint32_t kPlaceableWmfKey = 0x9AC6CDD7;
constexpr std::size_t kPlaceableWmfHeaderBytes = 22;

}  // namespace pictavo
