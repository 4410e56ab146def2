#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "icofile/IcoResult.h"

namespace pictavo {

// Writes `bytes` to a new file beside `path`, flushes it to disk and renames
// it over `path`. On any failure the old file (if any) is untouched, the
// temporary file is removed and the message names `path`.
IcoResult saveBytesAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace pictavo
