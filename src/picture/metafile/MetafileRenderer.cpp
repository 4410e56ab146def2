#include "picture/metafile/MetafileRenderer.h"

namespace pictavo {

RenderedMetafile renderMetafile(const QByteArray& bytes) {
  const PictureBytes file{reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                          static_cast<std::size_t>(bytes.size())};
  const MetafileKind kind = metafileKindOf(file);
  if (kind == MetafileKind::Unknown) return {QImage(), QStringLiteral("neither an EMF nor a WMF file")};
  const MetafileFrame frame = readMetafileFrame(file);
  if (!frame.ok()) return {QImage(), QString::fromStdString(frame.error)};
  return kind == MetafileKind::Wmf ? renderWmf(bytes, frame) : renderEmf(bytes, frame.width, frame.height);
}

}  // namespace pictavo
