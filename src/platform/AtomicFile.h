#pragma once
#include <cstddef>
#include <string>

namespace pictavo {

// Writes `size` bytes to a new file beside `path`, flushes them to disk and
// renames the new file over `path`, so readers see either the old file or the
// whole new one. A link is followed (a dangling one gets its target created;
// a loop fails with ELOOP) and an existing file keeps its permissions. On failure the old file is untouched and no temporary file is
// left behind. Returns 0 on success, else the errno of the failure.
int replaceFileAtomically(const std::string& path, const void* data, std::size_t size);

// The same for text; `whyNot` (when given) receives a message naming `path`.
bool replaceFileAtomically(const std::string& path, const std::string& content,
                           std::string* whyNot = nullptr);

// Called once at start-up by each program: a write past the file-size limit
// then fails with "File too large" instead of killing the program, so the
// writer can still remove its temporary file and report the failure.
void ignoreFileSizeLimitSignal();

}  // namespace pictavo
