#include "picture/io/PictureLoader.h"

#include <QImageReader>
#include <QPainter>

namespace pictavo {

LoadedPicture loadPicture(const QString& path) {
  QImageReader reader(path);
  reader.setDecideFormatFromContent(true);
  // .rle files are run-length encoded bitmaps.
  if (path.endsWith(".rle", Qt::CaseInsensitive)) reader.setFormat("bmp");
  const QImage image = reader.read();
  if (image.isNull()) return {QImage(), reader.errorString()};
  // A picture with transparent parts is displayed over a white window.
  QImage shown(image.size(), QImage::Format_RGB32);
  shown.fill(Qt::white);
  QPainter(&shown).drawImage(0, 0, image);
  return {shown, QString()};
}

}  // namespace pictavo
