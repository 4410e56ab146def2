#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "icofile/ByteSource.h"

namespace pictavo {

enum class ImageKind { Bmp, Png };

// One icon image of a file, of any size, as listed by listIconImages.
struct IconImage {
  int width = 0;
  int height = 0;
  int bitCount = 0;     // BMP: bits per pixel; PNG: bit depth times channels (32 for RGBA)
  ImageKind kind = ImageKind::Bmp;
  std::int64_t offset = 0;  // file offset of the image data (BMP header or PNG signature)
  std::int64_t size = 0;    // bytes of image data, as the directory or resource gives it
};

enum class ImageListStatus {
  Listed,       // images holds every image found (possibly none)
  NotIconFile,  // neither an icon/cursor directory nor a Windows executable
  Damaged,      // claims to be one but its directory or resources cannot be followed
  Unreadable,   // the file could not be opened or read
};

struct ImageList {
  ImageListStatus status = ImageListStatus::Listed;
  std::vector<IconImage> images;
  std::string message;  // for everything but Listed: names the file and the reason
};

// Every icon image of an .ico or .cur file (from its directory) or of an
// .exe or .dll (from its RT_ICON resources), in directory or resource order.
// Only images read by decodeListedImage are listed: BMP images of 1, 4, 8,
// 24 or 32 bits and PNG images, each 1..kMaxImageSide pixels a side; entries
// whose data lies outside the file are skipped. Reads only directories and
// image headers, so memory use does not grow with the file.
ImageList listIconImages(ByteSource& in, const std::string& name);
ImageList listIconImages(const std::string& path);
ImageList listIconImages(const std::uint8_t* data, std::size_t size);

// The image Open falls back to and the thumbnailer shows: the largest (by
// area), the deepest on ties, the first on full ties; -1 for an empty list.
int bestImage(const std::vector<IconImage>& images);

}  // namespace pictavo
