#pragma once
#include <QImage>

namespace pictavo::ui {

// Puts `image` on the system clipboard as PNG bytes ("image/png", which keeps
// its transparency) and as an image for programs that take the toolkit's own.
void putImageOnClipboard(const QImage& image);

// Whether the system clipboard holds something that reads as an image.
bool clipboardHasImage();

// The clipboard's image, or a null image when it holds none that decodes.
QImage imageFromClipboard();

}  // namespace pictavo::ui
