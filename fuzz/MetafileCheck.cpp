// Any bytes handed to the metafile renderer give a picture of the size the
// header declares (within the size limit for a WMF that declares none), or a
// reason; never both, never neither.
#include "MetafileCheck.h"

#include "picture/MetafileHeader.h"
#include "picture/metafile/MetafileRenderer.h"

namespace pictavo::fuzz {

std::string checkMetafile(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const RenderedMetafile drawn = renderMetafile(bytes);
  if (drawn.image.isNull() == drawn.error.isEmpty()) return "picture and error disagree";
  if (drawn.image.isNull()) return "";
  const MetafileFrame frame = readMetafileFrame({data, size});
  if (!frame.ok()) return "drawn though its header is refused";
  if (!frame.measuredByRenderer && (drawn.image.width() != frame.width || drawn.image.height() != frame.height))
    return "picture not of the declared size";
  if (drawn.image.width() > kMaxMetafileSide || drawn.image.height() > kMaxMetafileSide)
    return "picture over the size limit";
  return "";
}

FuzzTarget metafileFuzzTarget() { return {"metafile", checkMetafile}; }

}  // namespace pictavo::fuzz
