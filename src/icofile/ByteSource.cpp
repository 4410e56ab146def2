#include "icofile/ByteSource.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "icofile/IcoResult.h"
#include "platform/RegularFile.h"

namespace pictavo {

ByteSource ByteSource::inMemory(const std::uint8_t* data, std::size_t size) {
  ByteSource s;
  s.memory_ = true;
  s.data_ = data;
  s.size_ = std::int64_t(size);
  return s;
}

ByteSource ByteSource::openFile(const std::string& path) {
  ByteSource s;
  s.path_ = path;
  const RegularFileOpening opening = openRegularFile(path);
  if (!opening.ok()) {
    s.message_ = opening.errorNumber != 0 ? describeFileError("Could not read", path, opening.errorNumber)
                                          : opening.error;
    return s;
  }
  s.fd_ = opening.fd;
  struct stat st {};
  if (::fstat(s.fd_, &st) != 0) s.message_ = describeFileError("Could not read", path, errno);
  s.size_ = st.st_size;
  return s;
}

ByteSource::ByteSource(ByteSource&& o) noexcept
    : memory_(o.memory_), data_(o.data_), fd_(o.fd_), size_(o.size_), path_(std::move(o.path_)), message_(std::move(o.message_)) {
  o.fd_ = -1;
}

ByteSource::~ByteSource() {
  if (fd_ >= 0) ::close(fd_);
}

bool ByteSource::read(std::int64_t offset, std::uint8_t* into, std::size_t n) {
  if (!ok() || offset < 0 || offset > size_ || std::uint64_t(size_ - offset) < n) return false;
  if (memory_) {
    if (n > 0) std::memcpy(into, data_ + offset, n);
    return true;
  }
  for (std::size_t got = 0; got < n;) {
    const ssize_t r = ::pread(fd_, into + got, n - got, off_t(offset + std::int64_t(got)));
    if (r < 0 && errno == EINTR) continue;
    if (r <= 0) {  // the file shrank under us, or a real error
      message_ = describeFileError("Could not read", path_, r < 0 ? errno : EIO);
      return false;
    }
    got += std::size_t(r);
  }
  return true;
}

std::vector<std::uint8_t> ByteSource::readUpTo(std::int64_t offset, std::size_t n) {
  if (offset < 0 || offset >= size_) return {};
  const std::uint64_t left = std::uint64_t(size_ - offset);
  std::vector<std::uint8_t> out(left < n ? std::size_t(left) : n);
  if (!read(offset, out.data(), out.size())) return {};
  return out;
}

}  // namespace pictavo
