#pragma once
#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QSize>

namespace pictavo::ui {

// The pictures that sit on the main window, each drawn once.

// The palette picture: every pixel from the palette model, plus its caption.
QImage paletteImage();
// A small tool window captioned "Your Icon" that frames the preview.
QPixmap yourIconFrame(QSize size);
// The panel behind the colour indicator, labelled "Color", on the window's background.
QPixmap colourPanel(QSize size, const QColor& background);
// A sun (beside the brightness buttons) and a half-dark disc (beside the contrast buttons).
QPixmap sunPicture(QSize size);
QPixmap halfDiscPicture(QSize size);

enum class Arrow { Up, Down, Left, Right };
// A solid arrow head for the slide buttons.
QPixmap arrowPicture(Arrow direction, int size);

}  // namespace pictavo::ui
