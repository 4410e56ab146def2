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

RenderedMetafile renderWmf(const QByteArray& bytes, MetafileFrame frame) {
  std::vector<unsigned char> input(bytes.begin(), bytes.end());
  std::vector<int> pixels;
  std::string error;
  if (!playWmf(input, frame, pixels, error)) return {QImage(), QString::fromStdString(error)};
  QImage image(frame.width, frame.height, QImage::Format_RGB32);
  if (image.isNull()) return {QImage(), QStringLiteral("out of memory")};
  for (int y = 0; y < frame.height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < frame.width; ++x) line[x] = overWhite(pixels[static_cast<std::size_t>(y) * frame.width + x]);
  }
  return {image, {}};
}

}  // namespace pictavo
