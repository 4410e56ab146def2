#include "platform/ui/SystemClipboard.h"

#include <QBuffer>
#include <algorithm>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace pictavo::ui {
namespace {

const QString kPng = QStringLiteral("image/png");

bool isImageFormat(const QString& format) { return format.startsWith(QLatin1String("image/")); }

}  // namespace

void putImageOnClipboard(const QImage& image) {
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  auto* data = new QMimeData;
  data->setImageData(image);
  data->setData(kPng, png);
  QGuiApplication::clipboard()->setMimeData(data);
}

bool clipboardHasImage() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (!data) return false;
  if (data->hasImage()) return true;
  const QStringList formats = data->formats();
  return std::any_of(formats.begin(), formats.end(), isImageFormat);
}

QImage imageFromClipboard() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (!data) return {};
  if (data->hasImage()) {
    const QImage image = qvariant_cast<QImage>(data->imageData());
    if (!image.isNull()) return image;
  }
  // Programs that offer only encoded bytes: PNG first, it keeps transparency.
  QStringList formats = data->formats();
  std::stable_partition(formats.begin(), formats.end(), [](const QString& f) { return f == kPng; });
  for (const QString& format : formats) {
    if (!isImageFormat(format)) continue;
    const QImage image = QImage::fromData(data->data(format));
    if (!image.isNull()) return image;
  }
  return {};
}

}  // namespace pictavo::ui
