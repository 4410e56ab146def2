#pragma once
#include <cstdio>
#include <string>

namespace pictavo {

// A file opened for reading, or why it was not. A pipe or device would make a
// reader wait for data or never reach an end, so only regular files are opened.
struct RegularFileOpening {
  int fd = -1;          // owned by the caller; -1 when refused
  int errorNumber = 0;  // errno when the file could not be opened or examined
  std::string error;    // "<path> is not a regular file" or "<path>: <system reason>"
  bool ok() const { return fd >= 0; }
};

// Opens `path` (links followed) without ever blocking, even on a FIFO with no writer.
RegularFileOpening openRegularFile(const std::string& path);

// The same as a binary stdio stream (nullptr when refused, with `whyNot` set).
std::FILE* openRegularFileStream(const std::string& path, RegularFileOpening* whyNot = nullptr);

std::string notRegularFileMessage(const std::string& path);

// For readers that open the file themselves: empty when `path` is a regular
// file that can be opened for reading, otherwise why not.
std::string regularFileProblem(const std::string& path);

}  // namespace pictavo
