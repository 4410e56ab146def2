// List every image of any file, decode each and resample it to 32 x 32: what
// Open's fallback, the chooser's thumbnails and the thumbnailer do.
#include "FuzzTargets.h"
#include "icofile/BmpImage.h"
#include "icofile/IconImageLoading.h"
#include "icofile/IconImages.h"
#include "icofile/Resampling.h"

namespace pictavo::fuzz {
namespace {

std::uint32_t be32(const std::uint8_t* p) { return std::uint32_t(p[0]) << 24 | p[1] << 16 | p[2] << 8 | p[3]; }

// The model reads no PNG itself and Qt's reader is not ours to fuzz: this one
// takes the size from IHDR and the pixels from the bytes, so resampling still
// meets every size a PNG entry can have.
bool fakePng(const std::uint8_t* data, std::size_t size, RgbaImage& out) {
  if (size < 26) return false;
  const std::uint32_t width = be32(data + 16), height = be32(data + 20);
  if (width < 1 || width > kMaxImageSide || height < 1 || height > kMaxImageSide) return false;
  out = RgbaImage(int(width), int(height));
  for (std::size_t i = 0; i < out.rgba.size(); ++i) out.rgba[i] = data[i % size];
  return true;
}

std::string checkListed(const ImageList& list, std::size_t size) {
  if (list.status == ImageListStatus::Unreadable) return "data in memory called unreadable";
  if (list.status != ImageListStatus::Listed && (!list.images.empty() || list.message.empty()))
    return "a refusal with images or without a message";
  for (const IconImage& i : list.images) {
    if (i.width < 1 || i.width > kMaxImageSide || i.height < 1 || i.height > kMaxImageSide) return "size out of range";
    const bool bmpBits = i.bitCount == 1 || i.bitCount == 4 || i.bitCount == 8 || i.bitCount == 24 || i.bitCount == 32;
    if (i.kind == ImageKind::Bmp ? !bmpBits : i.bitCount < 1 || i.bitCount > 64) return "bit count out of range";
    if (i.offset < 0 || i.size < 1 || std::uint64_t(i.offset) + std::uint64_t(i.size) > size)
      return "image data outside the file";
  }
  const int best = bestImage(list.images);
  if (list.images.empty() != (best < 0) || best >= int(list.images.size())) return "best image out of range";
  if (best < 0) return "";
  const IconImage& b = list.images[std::size_t(best)];
  for (const IconImage& i : list.images) {
    const std::int64_t area = std::int64_t(i.width) * i.height, bestArea = std::int64_t(b.width) * b.height;
    if (area > bestArea || (area == bestArea && i.bitCount > b.bitCount)) return "a better image than the best";
  }
  return "";
}

// Opacity decides transparency: all opaque leaves no transparent cell, none
// opaque no opaque cell; whole-number enlargements copy each pixel exactly.
std::string checkResampled(const RgbaImage& image, const IcoState& ico) {
  bool allOpaque = true, noneOpaque = true;
  for (std::size_t i = 3; i < image.rgba.size(); i += 4) (image.rgba[i] >= 128 ? noneOpaque : allOpaque) = false;
  const bool exact = kGridSize % image.width == 0 && kGridSize % image.height == 0;
  for (int y = 0; y < kGridSize; ++y)
    for (int x = 0; x < kGridSize; ++x) {
      const std::size_t cell = std::size_t(y * kGridSize + x);
      const std::int16_t clear = ico.tempTransparent[cell];
      const Colour colour = ico.tempColors[cell];
      if (clear != 0 && clear != 1) return "a flag other than 0 and 1";
      if (colour < 0 || colour > kWhite || (clear == 1 && colour != kWhite)) return "transparent cell not white";
      if ((allOpaque && clear == 1) || (noneOpaque && clear == 0)) return "transparency not from opacity";
      if (!exact) continue;
      const std::uint8_t* p = image.pixel(x * image.width / kGridSize, y * image.height / kGridSize);
      if (clear != (p[3] < 128) || (clear == 0 && colour != rgb(p[0], p[1], p[2])))
        return "enlargement not exact at cell " + std::to_string(cell + 1);
    }
  return "";
}

}  // namespace

std::string checkIconImages(const std::uint8_t* data, std::size_t size) {
  const ImageList list = listIconImages(data, size);
  std::string problem = checkListed(list, size);
  for (std::size_t n = 0; problem.empty() && n < list.images.size(); ++n) {
    const IconImage& image = list.images[n];
    ByteSource in = ByteSource::inMemory(data, size);
    const ImageDecoding decoded = decodeListedImage(in, "input", image, fakePng);
    const std::string which = "image " + std::to_string(n) + ": ";
    if (!decoded) {
      // Every BMP image listed is one we read, up to a size no fuzz input nears.
      if ((image.kind == ImageKind::Bmp && image.size < (1 << 20)) || decoded.message.empty())
        return which + "listed but not decoded";
      continue;
    }
    const RgbaImage& rgba = decoded.image;
    if (rgba.width != image.width || rgba.height != image.height ||
        rgba.rgba.size() != std::size_t(rgba.width) * std::size_t(rgba.height) * 4)
      return which + "decoded at another size";
    IcoState ico;
    resampleIntoTempIcon(rgba, ico);
    problem = checkResampled(rgba, ico);
    if (!problem.empty()) problem = which + problem;
  }
  return problem;
}

}  // namespace pictavo::fuzz
