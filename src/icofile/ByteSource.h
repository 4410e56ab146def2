#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace pictavo {

// Random access to the bytes of a file or of memory, for readers that follow
// offsets found in the data and so must read only what they need.
class ByteSource {
 public:
  static ByteSource inMemory(const std::uint8_t* data, std::size_t size);
  // A regular file opened for reading; check ok(), else message() says why not.
  static ByteSource openFile(const std::string& path);

  ByteSource(ByteSource&& other) noexcept;
  ByteSource& operator=(ByteSource&&) = delete;
  ByteSource(const ByteSource&) = delete;
  ~ByteSource();

  bool ok() const { return message_.empty(); }
  // Why the file could not be opened or a read failed; names the file.
  const std::string& message() const { return message_; }
  std::int64_t size() const { return size_; }

  // Exactly `n` bytes at `offset` into `into`; false when they are not all
  // inside the data or a read fails (ok() then turns false).
  bool read(std::int64_t offset, std::uint8_t* into, std::size_t n);
  // Up to `n` bytes at `offset`, fewer at the end of the data.
  std::vector<std::uint8_t> readUpTo(std::int64_t offset, std::size_t n);

 private:
  ByteSource() = default;
  bool memory_ = false;
  const std::uint8_t* data_ = nullptr;
  int fd_ = -1;
  std::int64_t size_ = 0;
  std::string path_;
  std::string message_;
};

}  // namespace pictavo
