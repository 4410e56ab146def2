#include "picture/MetafileHeader.h"

#include <cstdlib>

#include "canvas/Rounding.h"

namespace pictavo {
namespace {

MetafileFrame refused(const std::string& why) { return {0, 0, why}; }

MetafileFrame frameOfPixels(double width, double height) {
  const int w = roundHalfEven(width), h = roundHalfEven(height);
  if (w < 1 || h < 1) return refused("the metafile declares an empty frame");
  if (w > kMaxMetafileSide || h > kMaxMetafileSide) return refused("the metafile declares a frame too large to draw");
  return {w, h, {}};
}

}  // namespace

MetafileFrame readEmfFrame(const PictureBytes& file) {
  constexpr std::uint32_t kEmfSignature = 0x464D4520;  // " EMF"
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
  if (!file.has(0, kPlaceableWmfHeaderBytes + 18) || file.u32(0) != kPlaceableWmfKey)
    return refused("not a placeable WMF file");
  const std::size_t meta = kPlaceableWmfHeaderBytes;
  const std::uint16_t type = file.u16(meta), headerWords = file.u16(meta + 2);
  if ((type != 1 && type != 2) || headerWords != 9) return refused("damaged WMF header");
  // The metafile's size is given in 16-bit words.
  if (static_cast<unsigned long long>(file.u32(meta + 6)) * 2 > file.size - meta)
    return refused("the WMF file is cut short");
  // libwmf sets aside room for the largest record the header declares: no record outgrows the file.
  if (static_cast<unsigned long long>(file.u32(meta + 12)) * 2 > file.size - meta)
    return refused("damaged WMF header");
  const int unitsPerInch = file.u16(14);
  if (unitsPerInch == 0) return refused("damaged WMF header");
  const double width = std::abs(file.i16(10) - file.i16(6));
  const double height = std::abs(file.i16(12) - file.i16(8));
  return frameOfPixels(width * 96 / unitsPerInch, height * 96 / unitsPerInch);
}

}  // namespace pictavo
