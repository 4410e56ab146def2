#include "picture/PictureSignature.h"

#include <algorithm>

namespace pictavo {
namespace {

bool startsWith(const PictureBytes& file, std::size_t at, const char* text, std::size_t length) {
  return file.has(at, length) && std::equal(text, text + length, file.data + at,
                                            [](char a, std::uint8_t b) { return std::uint8_t(a) == b; });
}

bool isWmf(const PictureBytes& file) {
  constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
  if (file.has(0, 4) && file.u32(0) == kPlaceableKey) return true;
  // The plain header: memory or disk type, nine 16-bit words, version 1 or 3.
  return file.has(0, 6) && (file.u16(0) == 1 || file.u16(0) == 2) && file.u16(2) == 9 &&
         (file.u16(4) == 0x100 || file.u16(4) == 0x300);
}

}  // namespace

std::optional<PictureType> pictureTypeOfContent(const PictureBytes& file) {
  if (startsWith(file, 0, "\x89PNG\r\n\x1a\n", 8)) return PictureType::Png;
  if (startsWith(file, 0, "\xFF\xD8\xFF", 3)) return PictureType::Jpeg;
  if (startsWith(file, 0, "GIF87a", 6) || startsWith(file, 0, "GIF89a", 6)) return PictureType::Gif;
  if (startsWith(file, 0, "BM", 2)) return PictureType::Bmp;
  // An EMF header record (type 1) with its signature; checked before WMF, whose first word may be 1 too.
  if (file.has(0, 4) && file.u32(0) == 1 && startsWith(file, 40, " EMF", 4)) return PictureType::Emf;
  if (isWmf(file)) return PictureType::Wmf;
  if (file.has(0, 6) && file.u16(0) == 0 && file.u16(2) == 1 && file.u16(4) > 0) return PictureType::Ico;
  return std::nullopt;
}

const char* pictureTypeName(PictureType type) {
  switch (type) {
    case PictureType::Jpeg: return "JPEG";
    case PictureType::Bmp: return "BMP";
    case PictureType::Gif: return "GIF";
    case PictureType::Ico: return "ICO";
    case PictureType::Rle: return "RLE";
    case PictureType::Emf: return "EMF";
    case PictureType::Wmf: return "WMF";
    case PictureType::Png: return "PNG";
  }
  return "";
}

}  // namespace pictavo
