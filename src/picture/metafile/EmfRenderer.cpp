// EMF through libemf2svg, whose SVG Qt then draws.
#include <emf2svg.h>

#include <QPainter>
#include <QSvgRenderer>
#include <memory>

#include "picture/EmfForConversion.h"
#include "picture/metafile/MetafileRenderer.h"

namespace pictavo {

RenderedMetafile renderEmf(const QByteArray& bytes, int width, int height) {
  QByteArray input = bytes;  // the library takes a writable buffer
  prepareEmfForConversion(reinterpret_cast<std::uint8_t*>(input.data()), static_cast<std::size_t>(input.size()));
  char* svg = nullptr;
  size_t svgLength = 0;
  generatorOptions options{};
  options.nameSpace = const_cast<char*>("");
  options.svgDelimiter = true;
  // GDI draws the plain records of a dual EMF/EMF+ file and ignores the EMF+ ones.
  options.emfplus = false;
  options.imgWidth = width;
  options.imgHeight = height;
  const int converted = emf2svg(input.data(), static_cast<size_t>(input.size()), &svg, &svgLength, &options);
  const std::unique_ptr<char, decltype(&std::free)> owned(svg, &std::free);
  if (!converted || !svg) return {QImage(), QStringLiteral("the EMF records cannot be read")};
  QSvgRenderer renderer(QByteArray(svg, static_cast<qsizetype>(svgLength)));
  if (!renderer.isValid()) return {QImage(), QStringLiteral("the EMF records cannot be drawn")};
  QImage image(width, height, QImage::Format_RGB32);
  if (image.isNull()) return {QImage(), QStringLiteral("out of memory")};
  image.fill(Qt::white);
  QPainter painter(&image);
  renderer.render(&painter, QRectF(0, 0, width, height));
  return {image, {}};
}

}  // namespace pictavo
