#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>

namespace pictavo {
namespace {

namespace fs = std::filesystem;

// Saving through a link updates what it points at. Only a missing final target
// is written at its resolved name (a dangling link gets its target); a loop or
// an unreadable link fails, so the link itself is never replaced by a file.
int resolveTarget(const std::string& path, std::string& target) {
  constexpr int kMaxLinks = 40;  // as the kernel allows when it follows links
  fs::path current(path);
  for (int hops = 0; hops <= kMaxLinks; ++hops) {
    struct stat st {};
    if (::lstat(current.c_str(), &st) != 0) {
      if (errno != ENOENT) return errno;
      target = current.string();
      return 0;
    }
    if (!S_ISLNK(st.st_mode)) {
      target = current.string();
      return 0;
    }
    std::error_code ec;
    const fs::path next = fs::read_symlink(current, ec);
    if (ec) return ec.value();
    current = next.is_absolute() ? next : current.parent_path() / next;
  }
  return ELOOP;
}

constexpr int kNameAttempts = 8;

int createExclusive(std::string& tempPath, const std::string& target, RandomSource random) {
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    tempPath = temporaryNameBeside(target, attempt, random);
    int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool writeAll(int fd, const char* data, std::size_t size) {
  std::size_t done = 0;
  while (done < size) {
    ssize_t n = ::write(fd, data + done, size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = ENOSPC;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

void copyModeOfExisting(int fd, const std::string& target) {
  struct stat st {};
  if (::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode)) ::fchmod(fd, st.st_mode & 07777);
}

// A file that does not exist yet can be written without a name and named once
// whole, one change to the folder instead of a temporary name and a rename.
// False when that cannot be done here (the name exists, the file system or
// /proc does not allow it, a write failed): the caller then goes the usual way,
// which reports any failure.
bool createWholeUnderNewName(const std::string& target, const void* data, std::size_t size) {
  const std::string folder = fs::path(target).parent_path().string();
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_WRONLY | O_TMPFILE | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  char self[32];
  std::snprintf(self, sizeof self, "/proc/self/fd/%d", fd);
  const bool named = writeAll(fd, static_cast<const char*>(data), size) &&
                     ::linkat(AT_FDCWD, self, AT_FDCWD, target.c_str(), AT_SYMLINK_FOLLOW) == 0;
  ::close(fd);
  return named;
}

}  // namespace

bool systemRandom(unsigned& bits) {
  // Not std::random_device: setting one up costs more than writing a small file.
  return ::getrandom(&bits, sizeof bits, GRND_NONBLOCK) == sizeof bits;
}

std::string temporaryNameBeside(const std::string& target, int attempt, RandomSource random) {
  const fs::path p(target);
  char suffix[64];
  unsigned bits = 0;
  // The later attempts do not trust a source whose names were all taken.
  if (attempt < kNameAttempts / 2 && random && random(bits)) {
    std::snprintf(suffix, sizeof suffix, ".%08x.tmp", bits);
  } else {
    timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    std::snprintf(suffix, sizeof suffix, ".%x-%x-%llx-%08lx.tmp", unsigned(::getpid()), unsigned(attempt),
                  static_cast<unsigned long long>(now.tv_sec), static_cast<unsigned long>(now.tv_nsec));
  }
  return (p.parent_path() / ("." + p.filename().string() + suffix)).string();
}

int replaceFileAtomically(const std::string& path, const void* data, std::size_t size,
                          Durability durability, RandomSource random) {
  std::string target;
  if (const int err = resolveTarget(path, target); err != 0) return err;
  if (durability == Durability::Batched && ::access(target.c_str(), F_OK) != 0 && errno == ENOENT &&
      createWholeUnderNewName(target, data, size))
    return 0;
  std::string tempPath;
  const int fd = createExclusive(tempPath, target, random);
  if (fd < 0) return errno;
  copyModeOfExisting(fd, target);
  // The data must be on disk before the rename, or a crash could leave an empty file.
  bool written = writeAll(fd, static_cast<const char*>(data), size) &&
                 (durability == Durability::Batched || ::fsync(fd) == 0);
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
    return err != 0 ? err : EIO;
  }
  return 0;
}

void ignoreFileSizeLimitSignal() { std::signal(SIGXFSZ, SIG_IGN); }

int flushFileSystemOf(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return errno;
  // One pass over the whole file system costs far less than a flush per file.
  int err = ::syncfs(fd) == 0 && ::fsync(fd) == 0 ? 0 : errno;
  if (::close(fd) != 0 && err == 0) err = errno;
  return err;
}

bool replaceFileAtomically(const std::string& path, const std::string& content,
                           std::string* whyNot) {
  const int err = replaceFileAtomically(path, content.data(), content.size());
  if (err != 0 && whyNot) *whyNot = "cannot write " + path + ": " + std::strerror(err);
  return err == 0;
}

}  // namespace pictavo
