#include "picture/metafile/MetafileRenderer.h"

#include "picture/MetafileHeader.h"

namespace pictavo {

RenderedMetafile renderMetafile(const QByteArray& bytes) {
  const PictureBytes file{reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                          static_cast<std::size_t>(bytes.size())};
  const bool wmf = file.has(0, 4) && file.u32(0) == kPlaceableWmfKey;
  const MetafileFrame frame = wmf ? readWmfFrame(file) : readEmfFrame(file);
  if (!frame.ok()) return {QImage(), QString::fromStdString(frame.error)};
  return wmf ? renderWmf(bytes, frame.width, frame.height) : renderEmf(bytes, frame.width, frame.height);
}

}  // namespace pictavo
