#pragma once
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace pictavo::testing {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// A fresh folder per test under PICTAVO_TEST_TMP (or the system temp folder), removed afterwards.
struct ScratchDir {
  fs::path root;
  ScratchDir() {
    const char* base = std::getenv("PICTAVO_TEST_TMP");
    root = fs::path(base && *base ? base : fs::temp_directory_path()) /
           ("pictavo-" + std::to_string(std::random_device{}()));
    fs::create_directories(root);
  }
  ~ScratchDir() {
    std::error_code ignored;
    fs::remove_all(root, ignored);
  }
  std::string path(const std::string& name) const { return (root / name).string(); }
  std::string sub(const std::string& name) const {
    fs::create_directories(root / name);
    return path(name);
  }
  long entries() const { return std::distance(fs::directory_iterator(root), fs::directory_iterator()); }
};

inline void writeFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}
inline void writeFile(const std::string& path, const Bytes& b) { writeFile(path, std::string(b.begin(), b.end())); }
inline std::string readText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
inline Bytes readFile(const std::string& path) {
  const std::string text = readText(path);
  return Bytes(text.begin(), text.end());
}

// A FIFO whose other end stays open, like a pipe still being written: a reader
// that does not refuse it gets no end of file, yet opening it never blocks.
struct HeldFifo {
  std::string path;
  int fd = -1;
  explicit HeldFifo(std::string where) : path(std::move(where)) {
    if (::mkfifo(path.c_str(), 0600) == 0) fd = ::open(path.c_str(), O_RDWR | O_NONBLOCK);
  }
  ~HeldFifo() {
    if (fd >= 0) ::close(fd);
  }
  HeldFifo(const HeldFifo&) = delete;
  HeldFifo& operator=(const HeldFifo&) = delete;
};

}  // namespace pictavo::testing
