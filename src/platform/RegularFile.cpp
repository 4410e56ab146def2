#include "platform/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace pictavo {
namespace {

RegularFileOpening failed(const std::string& path, int err) {
  return {-1, err, path + ": " + std::strerror(err)};
}

}  // namespace

std::string notRegularFileMessage(const std::string& path) { return path + " is not a regular file"; }

RegularFileOpening openRegularFile(const std::string& path) {
  // Without O_NONBLOCK, opening a FIFO waits for a writer that may never come.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return failed(path, errno);
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    const int err = errno;
    ::close(fd);
    return failed(path, err);
  }
  if (!S_ISREG(st.st_mode)) {
    ::close(fd);
    return {-1, 0, notRegularFileMessage(path)};
  }
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
    const int err = errno;
    ::close(fd);
    return failed(path, err);
  }
  return {fd, 0, {}};
}

std::FILE* openRegularFileStream(const std::string& path, RegularFileOpening* whyNot) {
  RegularFileOpening opening = openRegularFile(path);
  std::FILE* stream = nullptr;
  if (opening.ok()) {
    stream = ::fdopen(opening.fd, "rb");
    if (!stream) {
      const int err = errno;
      ::close(opening.fd);
      opening = failed(path, err);
    }
  }
  if (whyNot) *whyNot = std::move(opening);
  return stream;
}

std::string regularFileProblem(const std::string& path) {
  const RegularFileOpening opening = openRegularFile(path);
  if (!opening.ok()) return opening.error;
  ::close(opening.fd);
  return {};
}

}  // namespace pictavo
