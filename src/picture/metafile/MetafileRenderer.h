#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>

#include "picture/MetafileHeader.h"

namespace pictavo {

struct RenderedMetafile {
  QImage image;  // at the size the metafile declares at 96 dpi, over white; null on failure
  QString error;
};

// Draws an EMF or WMF file (told apart by content). The parsers are not
// trusted with the editor's memory: this runs inside pictavo-metafile.
// Needs a QGuiApplication for fonts.
RenderedMetafile renderMetafile(const QByteArray& bytes);

// Each library on its own, with the frame the caller read and checked.
RenderedMetafile renderEmf(const QByteArray& bytes, int width, int height);
RenderedMetafile renderWmf(const QByteArray& bytes, MetafileFrame frame);

}  // namespace pictavo
