#include "picture/io/PictureLoader.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <unistd.h>

#include "picture/MetafileHeader.h"
#include "picture/PictureFileChecks.h"
#include "picture/PictureSignature.h"
#include "picture/io/MetafileProcess.h"
#include "platform/RegularFile.h"

namespace pictavo {
namespace {

LoadedPicture refused(const QString& why, bool fileRefused = false) {
  LoadedPicture result;
  result.error = why;
  result.fileRefused = fileRefused;
  return result;
}

LoadedPicture loadedAs(const QImage& image) {
  LoadedPicture result;
  result.image = image;
  return result;
}

PictureBytes viewOf(const QByteArray& bytes) {
  return {reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())};
}

bool fitsBudget(const QSize& size) {
  return size.width() > 0 && size.height() > 0 &&
         static_cast<qint64>(size.width()) * size.height() <= kMaxPicturePixels;
}

bool isComplete(PictureType type, const PictureBytes& file) {
  switch (type) {
    case PictureType::Jpeg: return jpegIsComplete(file);
    case PictureType::Bmp:
    case PictureType::Rle: return bmpIsComplete(file);
    case PictureType::Gif: return gifIsComplete(file);
    case PictureType::Ico: return icoIsComplete(file);
    case PictureType::Png: return pngIsComplete(file);
    case PictureType::Emf:
    case PictureType::Wmf: break;
  }
  return true;
}

const char* qtFormatOf(PictureType type) {
  switch (type) {
    case PictureType::Jpeg: return "jpeg";
    case PictureType::Gif: return "gif";
    case PictureType::Ico: return "ico";
    case PictureType::Png: return "png";
    default: return "bmp";  // .rle files are run-length-compressed bitmaps
  }
}

LoadedPicture decodeRaster(PictureType type, QByteArray& bytes) {
  QBuffer buffer(&bytes);
  // The type is settled; Qt is not to guess another.
  QImageReader reader(&buffer, qtFormatOf(type));
  reader.setDecideFormatFromContent(false);
  if (type == PictureType::Ico) reader.jumpToImage(largestIcoImage(viewOf(bytes)));
  if (!isComplete(type, viewOf(bytes))) return refused(QStringLiteral("the file is damaged or cut short"));
  const QSize declared = reader.size();
  if (declared.isValid() && !fitsBudget(declared)) return refused(QStringLiteral("the picture is too large"));
  const QImage image = reader.read();
  if (image.isNull()) return refused(reader.errorString());
  if (!fitsBudget(image.size())) return refused(QStringLiteral("the picture is too large"));
  return loadedAs(image);
}

LoadedPicture drawMetafile(PictureType type, const QByteArray& bytes) {
  const MetafileFrame frame = type == PictureType::Emf ? readEmfFrame(viewOf(bytes)) : readWmfFrame(viewOf(bytes));
  if (!frame.ok()) return refused(QString::fromStdString(frame.error));
  QString error;
  const QImage image = renderMetafileInChild(bytes, error);
  if (image.isNull()) return refused(error);
  if (!frame.measuredByRenderer && image.size() != QSize(frame.width, frame.height))
    return refused(QStringLiteral("the metafile renderer gave a picture of the wrong size"));
  return loadedAs(image);
}

// What the bytes are decides; the name only where they match no known
// signature (a damaged file is then reported as what it claims to be).
std::optional<PictureType> typeToRead(std::optional<PictureType> named, std::optional<PictureType> held) {
  if (!held || (named == PictureType::Rle && held == PictureType::Bmp)) return named;
  return held;
}

QString typeNote(const QString& path, std::optional<PictureType> named, PictureType read) {
  if (!named || *named == read) return {};
  return QStringLiteral("%1 holds %2 data, though its name says %3; read as %2")
      .arg(path, QLatin1String(pictureTypeName(read)), QLatin1String(pictureTypeName(*named)));
}

}  // namespace

LoadedPicture loadPicture(const QString& path) {
  // Pipes and devices are refused rather than waited on.
  const RegularFileOpening opened = openRegularFile(QFile::encodeName(path).toStdString());
  if (!opened.ok()) return refused(QString::fromStdString(opened.error), true);
  QFile file;
  if (!file.open(opened.fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    ::close(opened.fd);
    return refused(file.errorString());
  }
  if (file.size() > kMaxPictureFileBytes) return refused(QStringLiteral("the file is too large"));
  QByteArray bytes = file.read(kMaxPictureFileBytes + 1);
  if (bytes.isEmpty()) return refused(QStringLiteral("the file is empty"));
  if (bytes.size() > kMaxPictureFileBytes) return refused(QStringLiteral("the file is too large"));
  const std::optional<PictureType> named = pictureTypeOfPath(path.toStdString());
  const std::optional<PictureType> type = typeToRead(named, pictureTypeOfContent(viewOf(bytes)));
  if (!type) return refused(QStringLiteral("not a convertible picture type"));
  const LoadedPicture decoded = *type == PictureType::Emf || *type == PictureType::Wmf
                                    ? drawMetafile(*type, bytes)
                                    : decodeRaster(*type, bytes);
  if (!decoded.ok()) return decoded;
  LoadedPicture loaded = pictureFromImage(decoded.image);
  if (loaded.ok()) loaded.note = typeNote(path, named, *type);
  return loaded;
}

LoadedPicture pictureFromImage(const QImage& image) {
  if (image.isNull()) return refused(QStringLiteral("there is no picture"));
  if (!fitsBudget(image.size())) return refused(QStringLiteral("the picture is too large"));
  // A picture with transparent parts is displayed over a white window.
  QImage shown(image.size(), QImage::Format_RGB32);
  if (shown.isNull()) return refused(QStringLiteral("not enough memory for the picture"));
  shown.fill(Qt::white);
  QPainter(&shown).drawImage(0, 0, image);
  return loadedAs(shown);
}

}  // namespace pictavo
