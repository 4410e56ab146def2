// Any bytes handed to the metafile renderer give a picture of the size the
// header declares, or a reason; never both, never neither.
#include "MetafileCheck.h"

#include "picture/MetafileHeader.h"
#include "picture/metafile/MetafileRenderer.h"

namespace pictavo::fuzz {

std::string checkMetafile(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const RenderedMetafile drawn = renderMetafile(bytes);
  if (drawn.image.isNull() == drawn.error.isEmpty()) return "picture and error disagree";
  if (drawn.image.isNull()) return "";
  const PictureBytes file{data, size};
  const bool wmf = file.has(0, 4) && file.u32(0) == kPlaceableWmfKey;
  const MetafileFrame frame = wmf ? readWmfFrame(file) : readEmfFrame(file);
  if (!frame.ok()) return "drawn though its header is refused";
  if (drawn.image.width() != frame.width || drawn.image.height() != frame.height)
    return "picture not of the declared size";
  if (frame.width > kMaxMetafileSide || frame.height > kMaxMetafileSide) return "picture over the size limit";
  return "";
}

FuzzTarget metafileFuzzTarget() { return {"metafile", checkMetafile}; }

}  // namespace pictavo::fuzz
