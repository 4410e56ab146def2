#pragma once
#include <QImage>
#include <string>

#include "canvas/Canvas.h"

namespace pictavo {

// The canvas as a 32 x 32 image with alpha; transparent cells are fully transparent.
QImage canvasImage(const Canvas& canvas);

// An icon image fitted into size x size: enlarged by the largest whole factor,
// so every cell stays a crisp square, or smoothly reduced below 32.
QImage thumbnailImage(const QImage& icon, int size);

// Writes `image` as PNG in place of `path` atomically. Empty on success, else
// a message naming the file.
std::string writePng(const QImage& image, const std::string& path);

}  // namespace pictavo
