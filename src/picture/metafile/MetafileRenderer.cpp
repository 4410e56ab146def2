#include "picture/metafile/MetafileRenderer.h"

#include "picture/PictureSignature.h"

namespace pictavo {

RenderedMetafile renderMetafile(const QByteArray& bytes) {
  const PictureBytes file{reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                          static_cast<std::size_t>(bytes.size())};
  const std::optional<PictureType> type = pictureTypeOfContent(file);
  if (type != PictureType::Emf && type != PictureType::Wmf)
    return {QImage(), QStringLiteral("neither an EMF nor a WMF file")};
  const MetafileFrame frame = readMetafileFrame(file);
  if (!frame.ok()) return {QImage(), QString::fromStdString(frame.error)};
  return type == PictureType::Wmf ? renderWmf(bytes, frame) : renderEmf(bytes, frame.width, frame.height);
}

}  // namespace pictavo
