#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>

namespace pictavo {

struct RenderedMetafile {
  QImage image;  // at the size the metafile declares at 96 dpi, over white; null on failure
  QString error;
};

// Draws an EMF or placeable WMF file (told apart by content). The parsers are
// not trusted with the editor's memory: this runs inside pictavo-metafile.
// Needs a QGuiApplication for fonts.
RenderedMetafile renderMetafile(const QByteArray& bytes);

// Each library on its own; `width` x `height` is the declared size checked by the caller.
RenderedMetafile renderEmf(const QByteArray& bytes, int width, int height);
RenderedMetafile renderWmf(const QByteArray& bytes, int width, int height);

}  // namespace pictavo
