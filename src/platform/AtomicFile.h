#pragma once
#include <cstddef>
#include <string>

namespace pictavo {

enum class Durability {
  Immediate,  // the data is on disk before the new file takes the old one's place
  Batched,    // the swap is still atomic, but reaching the disk is left to flushFileSystemOf
};

// Writes `size` bytes to a new file beside `path`, flushes them to disk and
// renames the new file over `path`, so readers see either the old file or the
// whole new one. A link is followed (a dangling one gets its target created;
// a loop fails with ELOOP) and an existing file keeps its permissions. On
// failure the old file is untouched and no temporary file is left behind.
// Returns 0 on success, else the errno of the failure.
// The temporary file's name comes from `random`; when that fails (or keeps
// giving taken names) it is made from the process id, the attempt and the time,
// so a file left over from a crash never blocks later saves.
// A batch of many files can pass Durability::Batched and make them all durable
// with one flushFileSystemOf at its end: a crash before that may leave some of
// them empty, so it suits files that can be made again.
// Fills `bits` with unpredictable bits; false when it cannot.
using RandomSource = bool (*)(unsigned& bits);
bool systemRandom(unsigned& bits);

int replaceFileAtomically(const std::string& path, const void* data, std::size_t size,
                          Durability durability = Durability::Immediate, RandomSource random = systemRandom);

// The hidden name beside `target` that attempt `attempt` (0 to 7) of a write tries.
std::string temporaryNameBeside(const std::string& target, int attempt, RandomSource random = systemRandom);

// The same for text; `whyNot` (when given) receives a message naming `path`.
bool replaceFileAtomically(const std::string& path, const std::string& content,
                           std::string* whyNot = nullptr);

// Puts everything written to the file system holding `folder`, and the
// folder's own entries, on disk. Returns 0 on success, else the errno.
int flushFileSystemOf(const std::string& folder);

// Called once at start-up by each program: a write past the file-size limit
// then fails with "File too large" instead of killing the program, so the
// writer can still remove its temporary file and report the failure.
void ignoreFileSizeLimitSignal();

}  // namespace pictavo
