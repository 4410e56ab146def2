#include "icofile/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>

namespace pictavo {
namespace {

namespace fs = std::filesystem;

// A link is followed, so that saving through it updates what it points at.
std::string resolvedTarget(const std::string& path) {
  std::error_code ec;
  if (fs::is_symlink(path, ec)) {
    fs::path real = fs::weakly_canonical(path, ec);
    if (!ec) return real.string();
  }
  return path;
}

std::string temporaryNameBeside(const std::string& target) {
  fs::path p(target);
  std::random_device seed;
  std::uniform_int_distribution<unsigned> pick(0, 0xFFFFFF);
  char suffix[16];
  std::snprintf(suffix, sizeof suffix, ".%06x.tmp", pick(seed));
  return (p.parent_path() / ("." + p.filename().string() + suffix)).string();
}

int createExclusive(std::string& tempPath, const std::string& target) {
  for (int attempt = 0; attempt < 8; ++attempt) {
    tempPath = temporaryNameBeside(target);
    int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool writeAll(int fd, const std::vector<std::uint8_t>& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = ENOSPC;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// An existing file keeps its permissions.
void copyModeOfExisting(int fd, const std::string& target) {
  struct stat st {};
  if (::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode)) ::fchmod(fd, st.st_mode & 07777);
}

}  // namespace

IcoResult saveBytesAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  const std::string target = resolvedTarget(path);
  std::string tempPath;
  int fd = createExclusive(tempPath, target);
  if (fd < 0) return IcoResult::failure(describeFileError("Could not save", path, errno));
  copyModeOfExisting(fd, target);
  bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
  int err = errno;
  if (::close(fd) != 0 && written) {
    written = false;
    err = errno;
  }
  if (written && std::rename(tempPath.c_str(), target.c_str()) != 0) {
    written = false;
    err = errno;
  }
  if (!written) {
    ::unlink(tempPath.c_str());
    return IcoResult::failure(describeFileError("Could not save", path, err));
  }
  return IcoResult::success();
}

}  // namespace pictavo
