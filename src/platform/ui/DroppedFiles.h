#pragma once
#include <QString>

class QMimeData;

namespace pictavo::ui {

// The first local file among the dragged items, or empty when none is one
// (a web address, text). Only one file is ever opened from a drop.
QString firstDroppedFile(const QMimeData* data);

}  // namespace pictavo::ui
