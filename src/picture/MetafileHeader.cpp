#include "picture/MetafileHeader.h"

#include <cstdlib>

#include "canvas/Rounding.h"
#include "picture/PictureSignature.h"

namespace pictavo {
namespace {

constexpr std::uint32_t kEmfSignature = 0x464D4520;  // " EMF"
constexpr std::size_t kWmfHeaderBytes = 18;  // after the placeable header, if there is one
constexpr std::uint16_t kSetMapMode = 0x0103, kSetWindowExt = 0x020C;

MetafileFrame refused(const std::string& why) { return {0, 0, why}; }

MetafileFrame frameOfPixels(double width, double height) {
  // Checked before rounding: a box libwmf measured may be anything a float holds.
  if (!(width < 1e6 && height < 1e6)) return refused("the metafile declares a frame too large to draw");
  if (!(width > -1e6 && height > -1e6)) return refused("the metafile declares an empty frame");
  const int w = roundHalfEven(width), h = roundHalfEven(height);
  if (w < 1 || h < 1) return refused("the metafile declares an empty frame");
  if (w > kMaxMetafileSide || h > kMaxMetafileSide) return refused("the metafile declares a frame too large to draw");
  return {w, h, {}};
}

bool isPlaceable(const PictureBytes& file) { return file.has(0, 4) && file.u32(0) == kPlaceableWmfKey; }

// Without a placeable header a window extent is in logical units of no stated
// size; libwmf's own tools read large extents as twips and small ones as points.
double unitsPerInch(int mapMode, double width, double height) {
  switch (mapMode) {
    case 2: return 254;    // MM_LOMETRIC
    case 3: return 2540;   // MM_HIMETRIC
    case 4: return 100;    // MM_LOENGLISH
    case 5: return 1000;   // MM_HIENGLISH
    case 6: return 1440;   // MM_TWIPS
    default: return width * height >= 1024.0 * 1024.0 ? 1440 : 72;
  }
}

// The first non-empty window extent the records set, with the mapping mode then in force.
MetafileFrame frameOfWindowRecords(const PictureBytes& file, std::size_t at) {
  int mapMode = 1;
  while (file.has(at, 6)) {
    const unsigned long long bytes = 2ull * file.u32(at);
    const std::uint16_t function = file.u16(at + 4);
    if (function == 0 || bytes < 6 || !file.has(at, bytes)) break;
    if (function == kSetMapMode && bytes >= 8) mapMode = file.u16(at + 6);
    if (function == kSetWindowExt && bytes >= 10) {
      const double height = std::abs(file.i16(at + 6)), width = std::abs(file.i16(at + 8));
      if (width > 0 && height > 0) {
        const double perInch = unitsPerInch(mapMode, width, height);
        return frameOfPixels(width * 96 / perInch, height * 96 / perInch);
      }
    }
    at += bytes;
  }
  MetafileFrame measured;
  measured.measuredByRenderer = true;
  return measured;
}

}  // namespace

MetafileFrame readEmfFrame(const PictureBytes& file) {
  if (!file.has(0, 88) || file.u32(0) != 1 || file.u32(40) != kEmfSignature) return refused("not an EMF file");
  const std::uint32_t headerSize = file.u32(4), declaredBytes = file.u32(48);
  if (headerSize < 88 || headerSize % 4 || !file.has(0, headerSize)) return refused("damaged EMF header");
  if (declaredBytes > file.size) return refused("the EMF file is cut short");
  constexpr double kHundredthsOfMmPerInch = 2540.0;
  const double width = static_cast<double>(file.i32(32)) - file.i32(24);
  const double height = static_cast<double>(file.i32(36)) - file.i32(28);
  return frameOfPixels(width * 96 / kHundredthsOfMmPerInch, height * 96 / kHundredthsOfMmPerInch);
}

MetafileFrame readWmfFrame(const PictureBytes& file) {
  const bool placeable = isPlaceable(file);
  const std::size_t meta = placeable ? kPlaceableWmfHeaderBytes : 0;
  if (!file.has(meta, kWmfHeaderBytes)) return refused(placeable ? "damaged WMF header" : "not a WMF file");
  if (!placeable && pictureTypeOfContent(file) != PictureType::Wmf) return refused("not a WMF file");
  const std::uint16_t type = file.u16(meta), headerWords = file.u16(meta + 2);
  if ((type != 1 && type != 2) || headerWords != 9) return refused("damaged WMF header");
  // The metafile's size is given in 16-bit words.
  if (static_cast<unsigned long long>(file.u32(meta + 6)) * 2 > file.size - meta)
    return refused("the WMF file is cut short");
  // libwmf sets aside room for the largest record the header declares: no record outgrows the file.
  if (static_cast<unsigned long long>(file.u32(meta + 12)) * 2 > file.size - meta)
    return refused("damaged WMF header");
  if (!placeable) return frameOfWindowRecords(file, kWmfHeaderBytes);
  const int unitsPerInch = file.u16(14);
  if (unitsPerInch == 0) return refused("damaged WMF header");
  const double width = std::abs(file.i16(10) - file.i16(6));
  const double height = std::abs(file.i16(12) - file.i16(8));
  return frameOfPixels(width * 96 / unitsPerInch, height * 96 / unitsPerInch);
}

MetafileFrame readMetafileFrame(const PictureBytes& file) {
  return pictureTypeOfContent(file) == PictureType::Wmf ? readWmfFrame(file) : readEmfFrame(file);
}

MetafileFrame wmfFrameOfDrawnBox(double width, double height) {
  if (!(width > 0 && height > 0)) return refused("the WMF file declares no size and draws nothing");
  const double perInch = unitsPerInch(1, width, height);
  return frameOfPixels(width * 96 / perInch, height * 96 / perInch);
}

}  // namespace pictavo
