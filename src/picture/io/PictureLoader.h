#pragma once
#include <QImage>
#include <QSize>
#include <QString>

namespace pictavo {

// A picture as the picture window shows it: natural size, transparent parts
// over white. On failure `image` is null and `error` says why.
struct LoadedPicture {
  QImage image;
  QString error;
  // The path itself was refused (a pipe, a device, no permission) rather than its content.
  bool fileRefused = false;
  // Set when the bytes are another kind of picture than the name says: which was read.
  QString note;
  bool ok() const { return !image.isNull(); }
  // In pixels; for metafiles the size their header declares at 96 dpi.
  QSize naturalSize() const { return image.size(); }
};

// Pictures larger than this are refused before they are decoded.
constexpr qint64 kMaxPicturePixels = 32ll * 1024 * 1024;
constexpr qint64 kMaxPictureFileBytes = 160ll * 1024 * 1024;

// Loads a .jpg, .bmp, .gif, .ico, .rle, .emf or .wmf file, which must be
// complete; shared by the editor and pictavo-cli. The kind of picture is taken
// from the file's signature bytes (so a PNG loads whatever its name), from the
// extension only when they match none.
LoadedPicture loadPicture(const QString& path);

// A picture already in memory (the system clipboard's), sized and shown as a
// loaded file would be.
LoadedPicture pictureFromImage(const QImage& image);

}  // namespace pictavo
