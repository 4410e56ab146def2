#include "app/ui/AppIcon.h"

// The resources live in a static library: nothing would pull them into a program
// unless something names them.
static void initAppIconResource() { Q_INIT_RESOURCE(AppIcon); }

namespace pictavo::ui {

QIcon pictavoIcon() {
  initAppIconResource();
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256})
    icon.addFile(QStringLiteral(":/pictavo/pictavo-%1.png").arg(size), QSize(size, size));
  return icon;
}

QString pictavoIcoResource() {
  initAppIconResource();
  return QStringLiteral(":/pictavo/pictavo.ico");
}

}  // namespace pictavo::ui
