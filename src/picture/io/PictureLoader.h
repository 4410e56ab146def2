#pragma once
#include <QImage>
#include <QString>

namespace pictavo {

// A picture as the picture window shows it: natural size, transparent parts
// over white. On failure `image` is null and `error` says why.
struct LoadedPicture {
  QImage image;
  QString error;
  bool ok() const { return !image.isNull(); }
};

// Loads any of the convertible picture types; shared by the editor and pictavo-cli.
LoadedPicture loadPicture(const QString& path);

}  // namespace pictavo
