#include "picture/io/PngOutput.h"

#include <QBuffer>
#include <QImageWriter>

#include "platform/AtomicFile.h"

namespace pictavo {

QImage canvasImage(const Canvas& canvas) {
  QImage image(kGridSize, kGridSize, QImage::Format_ARGB32);
  for (int row = 0; row < kGridSize; ++row) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
    for (int column = 0; column < kGridSize; ++column) {
      const Cell& c = canvas.at(column, row);
      line[column] = c.transparent == 1 ? qRgba(0, 0, 0, 0) : qRgb(redOf(c.colour), greenOf(c.colour), blueOf(c.colour));
    }
  }
  return image;
}

QImage thumbnailImage(const QImage& icon, int size) {
  if (size < icon.width())
    return icon.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  const int factor = size / icon.width();
  return icon.scaled(icon.width() * factor, icon.height() * factor, Qt::IgnoreAspectRatio,
                     Qt::FastTransformation);
}

std::string writePng(const QImage& image, const std::string& path) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "png");
  if (!writer.write(image))
    return "cannot encode " + path + " as PNG: " + writer.errorString().toStdString();
  std::string whyNot;
  if (!replaceFileAtomically(path, bytes.toStdString(), &whyNot)) return whyNot;
  return {};
}

}  // namespace pictavo
