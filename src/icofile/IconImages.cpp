#include "icofile/IconImages.h"

#include <algorithm>
#include <array>
#include <optional>

#include "icofile/BmpImage.h"
#include "icofile/IcoDirectory.h"
#include "icofile/PeIconResources.h"

namespace pictavo {
namespace {

constexpr std::array<std::uint8_t, 8> kPngSignature = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
constexpr std::size_t kLargestHeader = 124;  // BITMAPV5HEADER

std::uint32_t be32(const std::uint8_t* p) { return std::uint32_t(p[0]) << 24 | p[1] << 16 | p[2] << 8 | p[3]; }

// Bits per pixel of a PNG from its IHDR bit depth and colour type; 0 for a
// combination PNG does not allow (a hostile depth would list as a deep image).
int pngBitCount(int depth, int colourType) {
  const bool small = depth == 1 || depth == 2 || depth == 4, wide = depth == 8 || depth == 16;
  switch (colourType) {
    case 0: return small || wide ? depth : 0;
    case 3: return small || depth == 8 ? depth : 0;
    case 2: return wide ? 3 * depth : 0;
    case 4: return wide ? 2 * depth : 0;
    case 6: return wide ? 4 * depth : 0;
    default: return 0;
  }
}

std::optional<IconImage> describePng(const std::vector<std::uint8_t>& head) {
  // Signature, then the IHDR chunk: length, type, width, height, depth, colour type.
  if (head.size() < 26 || be32(&head[8]) != 13 || !std::equal(head.begin() + 12, head.begin() + 16, "IHDR"))
    return std::nullopt;
  const std::uint32_t width = be32(&head[16]), height = be32(&head[20]);
  const int bits = pngBitCount(head[24], head[25]);
  if (width < 1 || width > kMaxImageSide || height < 1 || height > kMaxImageSide || bits == 0) return std::nullopt;
  IconImage image;
  image.width = int(width), image.height = int(height), image.bitCount = bits, image.kind = ImageKind::Png;
  return image;
}

// What the image data at `range` is, when it is an image we read.
std::optional<IconImage> describe(ByteSource& in, const DataRange& range) {
  const auto head = in.readUpTo(range.offset, std::size_t(std::min<std::int64_t>(range.size, kLargestHeader)));
  std::optional<IconImage> image;
  if (head.size() >= 8 && std::equal(kPngSignature.begin(), kPngSignature.end(), head.begin())) {
    image = describePng(head);
  } else if (const auto layout = bmpIconLayout(head.data(), head.size())) {
    image = IconImage{layout->width, layout->height, layout->bits, ImageKind::Bmp, 0, 0};
  }
  if (image) image->offset = range.offset, image->size = range.size;
  return image;
}

ImageList failed(ImageListStatus status, const std::string& name, const std::string& why) {
  return {status, {}, name + " " + why};
}

}  // namespace

ImageList listIconImages(ByteSource& in, const std::string& name) {
  if (!in.ok()) return {ImageListStatus::Unreadable, {}, in.message()};
  std::vector<DataRange> ranges;
  const IcoDirectory directory = readIcoDirectory(in);
  if (directory.status == IcoDirectoryStatus::Damaged)
    return failed(ImageListStatus::Damaged, name, "is a damaged icon file: " + directory.problem);
  if (directory.status == IcoDirectoryStatus::Read) {
    for (const IcoEntry& e : directory.entries)
      if (e.inFile) ranges.push_back({e.offset, e.size});
  } else {
    const PeIcons pe = readPeIconResources(in);
    if (pe.status == PeStatus::Damaged)
      return failed(ImageListStatus::Damaged, name, "has icon resources that cannot be read: " + pe.problem);
    if (pe.status == PeStatus::NotPe && in.ok())
      return failed(ImageListStatus::NotIconFile, name, "is neither an icon file nor a Windows program");
    ranges = pe.icons;
  }
  ImageList list;
  for (const DataRange& range : ranges)
    if (const auto image = describe(in, range)) list.images.push_back(*image);
  if (!in.ok()) return {ImageListStatus::Unreadable, {}, in.message()};
  return list;
}

ImageList listIconImages(const std::string& path) {
  ByteSource in = ByteSource::openFile(path);
  return listIconImages(in, path);
}

ImageList listIconImages(const std::uint8_t* data, std::size_t size) {
  ByteSource in = ByteSource::inMemory(data, size);
  return listIconImages(in, "the data in memory");
}

int bestImage(const std::vector<IconImage>& images) {
  int best = -1;
  for (std::size_t n = 0; n < images.size(); ++n) {
    const IconImage& i = images[n];
    if (best < 0) {
      best = int(n);
      continue;
    }
    const IconImage& b = images[std::size_t(best)];
    const std::int64_t area = std::int64_t(i.width) * i.height, bestArea = std::int64_t(b.width) * b.height;
    if (area > bestArea || (area == bestArea && i.bitCount > b.bitCount)) best = int(n);
  }
  return best;
}

}  // namespace pictavo
