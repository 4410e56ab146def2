#pragma once
#include <string>

#include "app/ProgramState.h"
#include "icofile/ByteSource.h"
#include "icofile/IconDecoder.h"
#include "icofile/IconImages.h"
#include "icofile/RgbaImage.h"

namespace pictavo {

struct ImageDecoding {
  DecodeStatus status = DecodeStatus::Decoded;
  RgbaImage image;
  std::string message;  // for anything but Decoded: names the source and the reason
  explicit operator bool() const { return status == DecodeStatus::Decoded; }
};

// Decodes listed image `image` of `in` at its own size. BMP images follow the
// decoder's rules for every size (alpha of 32-bit images, short palettes;
// bytes past the image's own data read as zero). PNG images go to `png`;
// without one they are NotDecodable. Unreadable only when reading failed.
ImageDecoding decodeListedImage(ByteSource& in, const std::string& name, const IconImage& image,
                                const PngDecoder& png);

// The same image resampled into the temporary icon (see resampleIntoTempIcon);
// on failure the buffer is left blank. For the chooser's thumbnails.
DecodeOutcome loadImageIntoTempIcon(IcoState& ico, const std::string& path, const IconImage& image,
                                    const PngDecoder& png);

// Open's fallback for a file without 32 x 32 images: image `image` of `path`,
// resampled, onto the canvas with the preview repainted. It is not the file's
// content, so iconSaved turns false; the canvas's origin becomes this image,
// so saving back to the file replaces it. Nothing changes on failure.
DecodeOutcome loadImageOntoCanvas(ProgramState& state, const std::string& path, const IconImage& image,
                                  const PngDecoder& png);

}  // namespace pictavo
