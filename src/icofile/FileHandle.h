#pragma once
#include <cstdio>
#include <memory>
#include <string>

#include "icofile/IcoResult.h"
#include "platform/RegularFile.h"

namespace pictavo {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// Only regular files are read; `whyNot` tells why another path was refused.
inline FileHandle openForReading(const std::string& path, RegularFileOpening* whyNot = nullptr) {
  return FileHandle(openRegularFileStream(path, whyNot));
}

// "Could not read <path>: <reason>", or that it is not a regular file.
inline std::string whyNotOpened(const std::string& path, const RegularFileOpening& opening) {
  if (opening.errorNumber == 0 && !opening.error.empty()) return opening.error;
  return describeFileError("Could not read", path, opening.errorNumber);
}

}  // namespace pictavo
