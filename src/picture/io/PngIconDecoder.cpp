#include "picture/io/PngIconDecoder.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>

#include "icofile/BmpImage.h"

namespace pictavo {

bool decodePngIconImage(const std::uint8_t* data, std::size_t size, RgbaImage& out) {
  const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
  QBuffer buffer;
  buffer.setData(bytes);
  QImageReader reader(&buffer, "png");
  const QSize declared = reader.size();
  if (!declared.isValid() || declared.width() > kMaxImageSide || declared.height() > kMaxImageSide) return false;
  QImage image;
  if (!reader.read(&image)) return false;
  image = image.convertToFormat(QImage::Format_RGBA8888);
  if (image.isNull()) return false;
  out = RgbaImage(image.width(), image.height());
  for (int y = 0; y < image.height(); ++y)
    std::copy_n(image.constScanLine(y), std::size_t(image.width()) * 4, out.pixel(0, y));
  return true;
}

}  // namespace pictavo
