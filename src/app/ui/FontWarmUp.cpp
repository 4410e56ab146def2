#include "app/ui/FontWarmUp.h"

#if PICTAVO_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace pictavo::ui {

FontWarmUp::FontWarmUp() {
#if PICTAVO_HAVE_FONTCONFIG
  // FcInit only builds the library's shared default configuration, which is safe
  // from any thread; the toolkit later takes that same one.
  reader_ = std::thread([] { FcInit(); });
#endif
}

FontWarmUp::~FontWarmUp() { wait(); }

void FontWarmUp::wait() {
  if (reader_.joinable()) reader_.join();
}

}  // namespace pictavo::ui
