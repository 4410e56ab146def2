#include "app/ui/AppIcon.h"

#include <QImageReader>
#include <QPixmap>

// The resources live in a static library: nothing would pull them into a program
// unless something names them.
static void initAppIconResource() { Q_INIT_RESOURCE(AppIcon); }

namespace pictavo::ui {

QIcon pictavoIcon() {
  initAppIconResource();
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256}) {
    // Read as PNG and nothing else: a reader left to guess, or a QIcon given file
    // names, asks every image-format and icon-engine plugin first, loading them all
    // (and their libraries) at start-up.
    QImageReader reader(QStringLiteral(":/pictavo/pictavo-%1.png").arg(size), "png");
    reader.setAutoDetectImageFormat(false);
    icon.addPixmap(QPixmap::fromImage(reader.read()));
  }
  return icon;
}

QString pictavoIcoResource() {
  initAppIconResource();
  return QStringLiteral(":/pictavo/pictavo.ico");
}

}  // namespace pictavo::ui
