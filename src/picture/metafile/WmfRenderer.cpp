#include <algorithm>

#include "picture/MetafileHeader.h"
#include "picture/metafile/MetafileRenderer.h"
#include "picture/metafile/WmfPlayer.h"

namespace pictavo {
namespace {

QRgb overWhite(int gdPixel) {
  // GD keeps 7 bits of transparency: 0 opaque, 127 clear.
  const int clear = (gdPixel >> 24) & 0x7F;
  const auto blend = [clear](int channel) { return (channel * (127 - clear) + 255 * clear) / 127; };
  return qRgb(blend((gdPixel >> 16) & 0xFF), blend((gdPixel >> 8) & 0xFF), blend(gdPixel & 0xFF));
}

}  // namespace

RenderedMetafile renderWmf(const QByteArray& bytes, int width, int height) {
  std::vector<unsigned char> input(bytes.begin(), bytes.end());
  const PictureBytes file{input.data(), input.size()};
  if (!file.has(0, kPlaceableWmfHeaderBytes) || file.u16(14) == 0)
    return {QImage(), QStringLiteral("not a placeable WMF file")};
  const float toPoints = 72.0f / file.u16(14);
  const WmfBox box{std::min(file.i16(6), file.i16(10)) * toPoints, std::min(file.i16(8), file.i16(12)) * toPoints,
                   std::max(file.i16(6), file.i16(10)) * toPoints, std::max(file.i16(8), file.i16(12)) * toPoints};
  std::vector<int> pixels;
  if (!playWmf(input, box, width, height, pixels)) return {QImage(), QStringLiteral("the WMF records cannot be drawn")};
  QImage image(width, height, QImage::Format_RGB32);
  if (image.isNull()) return {QImage(), QStringLiteral("out of memory")};
  for (int y = 0; y < height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < width; ++x) line[x] = overWhite(pixels[static_cast<std::size_t>(y) * width + x]);
  }
  return {image, {}};
}

}  // namespace pictavo
