#pragma once
#include <string>

namespace pictavo {

// Writes `content` to a fresh file beside `path`, then renames it over `path`,
// so readers see either the old file or the whole new one, never a torn one.
// On failure the old file is untouched, no temporary is left behind, and
// `whyNot` (when given) says what went wrong.
bool replaceFileAtomically(const std::string& path, const std::string& content,
                           std::string* whyNot = nullptr);

}  // namespace pictavo
