#include "platform/ui/DroppedFiles.h"

#include <QMimeData>
#include <QUrl>

namespace pictavo::ui {

QString firstDroppedFile(const QMimeData* data) {
  if (!data || !data->hasUrls()) return {};
  for (const QUrl& url : data->urls())
    if (url.isLocalFile() && !url.toLocalFile().isEmpty()) return url.toLocalFile();
  return {};
}

}  // namespace pictavo::ui
