#include "icofile/IconImageLoading.h"

#include "icofile/BmpImage.h"
#include "icofile/Resampling.h"
#include "tools/PointerInput.h"

namespace pictavo {
namespace {

// More than the largest BMP image listed (1024 x 1024 at 32 bits with its
// mask); a PNG that needs more is not an icon worth reading.
constexpr std::int64_t kLargestImageData = 6 << 20;

ImageDecoding refused(const std::string& why) { return {DecodeStatus::NotDecodable, {}, why}; }

}  // namespace

ImageDecoding decodeListedImage(ByteSource& in, const std::string& name, const IconImage& image,
                                const PngDecoder& png) {
  const std::string which = "The " + std::to_string(image.width) + " x " + std::to_string(image.height) +
                            " image at byte " + std::to_string(image.offset) + " of " + name;
  if (image.size <= 0 || image.size > kLargestImageData) return refused(which + " is too large to read");
  const std::vector<std::uint8_t> data = in.readUpTo(image.offset, std::size_t(image.size));
  if (!in.ok()) return {DecodeStatus::Unreadable, {}, in.message()};
  ImageDecoding out;
  if (image.kind == ImageKind::Png) {
    if (!png || !png(data.data(), data.size(), out.image) || out.image.width != image.width ||
        out.image.height != image.height || out.image.rgba.size() != std::size_t(image.width) * image.height * 4)
      return refused(which + " is not a PNG image that can be read");
    return out;
  }
  const auto layout = bmpIconLayout(data.data(), data.size());
  if (!layout) return refused(which + " cannot be read");
  out.image = decodeBmpIcon(data.data(), data.size(), *layout);
  return out;
}

DecodeOutcome loadImageIntoTempIcon(IcoState& ico, const std::string& path, const IconImage& image,
                                    const PngDecoder& png) {
  ByteSource in = ByteSource::openFile(path);
  ImageDecoding decoded = in.ok() ? decodeListedImage(in, path, image, png)
                                  : ImageDecoding{DecodeStatus::Unreadable, {}, in.message()};
  resampleIntoTempIcon(decoded.image, ico);  // an empty image leaves it blank
  return {decoded.status, decoded.message};
}

DecodeOutcome loadImageOntoCanvas(ProgramState& state, const std::string& path, const IconImage& image,
                                  const PngDecoder& png) {
  endDrag(state);
  DecodeOutcome outcome = loadImageIntoTempIcon(state.ico, path, image, png);
  if (!outcome) return outcome;
  moveTempIco2Pixel(state.ico, state.canvas);
  layIcon(state.canvas, state.preview);
  state.iconSaved = false;
  state.ico.originPath = path;
  state.ico.originOffset = image.offset;
  return outcome;
}

}  // namespace pictavo
