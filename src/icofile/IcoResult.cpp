#include "icofile/IcoResult.h"

#include <cstring>

namespace pictavo {

std::string describeFileError(const char* action, const std::string& path, int errnoValue) {
  std::string text = std::string(action) + " " + path;
  if (errnoValue != 0) text += ": " + std::string(std::strerror(errnoValue));
  return text;
}

}  // namespace pictavo
