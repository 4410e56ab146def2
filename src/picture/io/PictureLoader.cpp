#include "picture/io/PictureLoader.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>

#include "platform/RegularFile.h"

namespace pictavo {

LoadedPicture loadPicture(const QString& path) {
  const std::string problem = regularFileProblem(QFile::encodeName(path).toStdString());
  if (!problem.empty()) return {QImage(), QString::fromStdString(problem)};
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
