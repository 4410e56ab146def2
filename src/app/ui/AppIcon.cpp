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
  // The sizes title bars, taskbars and switchers draw. Every window carries its
  // icon to the display, all sizes at once, so the theme's 128 and 256 pixel
  // pictures stay installed for launchers and are left out here.
  for (int size : kWindowIconSizes) {
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
