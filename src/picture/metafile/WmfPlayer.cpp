// libwmf's raster device is the path its own image loaders take.
#include "picture/metafile/WmfPlayer.h"

#include <libwmf/api.h>
#include <libwmf/gd.h>

namespace pictavo {
namespace {

struct WmfSession {
  wmfAPI* api = nullptr;
  ~WmfSession() {
    if (api) wmf_api_destroy(api);
  }
};

bool failed(std::string& error, const char* why) {
  error = why;
  return false;
}

}  // namespace

bool playWmf(std::vector<unsigned char>& bytes, MetafileFrame& frame, std::vector<int>& pixels, std::string& error) {
  WmfSession session;
  wmfAPI_Options options{};
  options.function = wmf_gd_function;
  const unsigned long flags = WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
  if (wmf_api_create(&session.api, flags, &options) != wmf_E_None) return failed(error, "out of memory");
  wmfD_Rect drawn;
  if (wmf_mem_open(session.api, bytes.data(), static_cast<long>(bytes.size())) != wmf_E_None ||
      wmf_scan(session.api, 0, &drawn) != wmf_E_None)
    return failed(error, "the WMF records cannot be read");
  // The scan's box is in the device units the play maps, wherever the records put
  // their window origin; a header's box converted to points is not.
  const double drawnWidth = drawn.BR.x - drawn.TL.x, drawnHeight = drawn.BR.y - drawn.TL.y;
  if (frame.measuredByRenderer) {
    frame = wmfFrameOfDrawnBox(drawnWidth, drawnHeight);
    if (!frame.ok()) return failed(error, frame.error.c_str());
  }
  // Nothing drawn: any box gives the blank picture.
  if (!(drawnWidth > 0 && drawnHeight > 0)) drawn = {{0, 0}, {1, 1}};
  wmf_gd_t* device = WMF_GD_GetData(session.api);
  device->type = wmf_gd_image;
  device->width = static_cast<unsigned>(frame.width);
  device->height = static_cast<unsigned>(frame.height);
  device->bbox = drawn;
  if (wmf_play(session.api, 0, &drawn) != wmf_E_None || !device->gd_image)
    return failed(error, "the WMF records cannot be drawn");
  const int* image = wmf_gd_image_pixels(device->gd_image);
  if (!image) return failed(error, "the WMF records cannot be drawn");
  pixels.assign(image, image + static_cast<std::size_t>(frame.width) * frame.height);
  return true;
}

}  // namespace pictavo
