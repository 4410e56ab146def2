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

}  // namespace

bool playWmf(std::vector<unsigned char>& bytes, const WmfBox& box, int width, int height, std::vector<int>& pixels) {
  WmfSession session;
  wmfAPI_Options options{};
  options.function = wmf_gd_function;
  const unsigned long flags = WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
  if (wmf_api_create(&session.api, flags, &options) != wmf_E_None) return false;
  if (wmf_mem_open(session.api, bytes.data(), static_cast<long>(bytes.size())) != wmf_E_None) return false;
  wmfD_Rect drawn;
  if (wmf_scan(session.api, 0, &drawn) != wmf_E_None) return false;
  // The header's box, not what the records happen to cover, is what fills the picture.
  wmfD_Rect bounds{{box.left, box.top}, {box.right, box.bottom}};
  wmf_gd_t* device = WMF_GD_GetData(session.api);
  device->type = wmf_gd_image;
  device->width = static_cast<unsigned>(width);
  device->height = static_cast<unsigned>(height);
  device->bbox = bounds;
  if (wmf_play(session.api, 0, &bounds) != wmf_E_None || !device->gd_image) return false;
  const int* image = wmf_gd_image_pixels(device->gd_image);
  if (!image) return false;
  pixels.assign(image, image + static_cast<std::size_t>(width) * height);
  return true;
}

}  // namespace pictavo
