#pragma once
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "canvas/Canvas.h"
#include "icofile/IcoFormat.h"

namespace icotest {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using pictavo::Colour;

// A fresh folder per test, removed afterwards.
class ScratchDir {
 public:
  ScratchDir() {
    const char* root = std::getenv("PICTAVO_TEST_TMP");
    fs::path base = root && *root ? fs::path(root) : fs::temp_directory_path();
    std::random_device seed;
    dir_ = base / ("icofile-" + std::to_string(seed()));
    fs::create_directories(dir_);
  }
  ~ScratchDir() {
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }
  std::string path(const std::string& name) const { return (dir_ / name).string(); }
  const fs::path& dir() const { return dir_; }

 private:
  fs::path dir_;
};

inline void writeFile(const std::string& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline Bytes readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

inline void put32(Bytes& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

inline std::uint32_t get32(const Bytes& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

inline void place(Bytes& file, std::size_t at, const Bytes& what) {
  if (file.size() < at + what.size()) file.resize(at + what.size());
  std::copy(what.begin(), what.end(), file.begin() + static_cast<std::ptrdiff_t>(at));
}

inline Bytes signature() { return Bytes(pictavo::kIconSignature.begin(), pictavo::kIconSignature.end()); }

// An image as icon files hold it, built independently of the program's writer.
// `pixel` gives a palette index (1, 4, 8 bits) or a colour (24 bits; for 32
// bits the top byte is alpha); `transparent` the mask bit. x, y in canvas terms.
struct ImageSpec {
  explicit ImageSpec(int bitCount, std::vector<Colour> colours = {})
      : bits(bitCount), palette(std::move(colours)) {}
  int bits;
  std::vector<Colour> palette;  // 2, 16 or 256 entries for indexed images
  std::function<std::uint32_t(int x, int y)> pixel = [](int, int) { return 0u; };
  std::function<bool(int x, int y)> transparent = [](int, int) { return false; };
  std::uint8_t paletteFourthByte = 0;
};

inline Bytes makeImage(const ImageSpec& s) {
  Bytes b = signature();
  b.resize(pictavo::kImageHeaderSize);
  b[14] = static_cast<std::uint8_t>(s.bits);
  for (Colour c : s.palette)
    b.insert(b.end(), {std::uint8_t(c >> 16), std::uint8_t(c >> 8), std::uint8_t(c), s.paletteFourthByte});
  for (int y = 31; y >= 0; --y) {
    if (s.bits < 8) {
      const int perByte = 8 / s.bits;
      for (int x = 0; x < 32; x += perByte) {
        unsigned byte = 0;
        for (int j = 0; j < perByte; ++j) byte = byte << s.bits | s.pixel(x + j, y);
        b.push_back(static_cast<std::uint8_t>(byte));
      }
    } else {
      for (int x = 0; x < 32; ++x) {
        std::uint32_t v = s.pixel(x, y);
        if (s.bits == 8) {
          b.push_back(static_cast<std::uint8_t>(v));
          continue;
        }
        b.insert(b.end(), {std::uint8_t(v >> 16), std::uint8_t(v >> 8), std::uint8_t(v)});
        if (s.bits == 32) b.push_back(static_cast<std::uint8_t>(v >> 24));
      }
    }
  }
  for (int y = 31; y >= 0; --y)
    for (int x = 0; x < 32; x += 8) {
      unsigned byte = 0;
      for (int j = 0; j < 8; ++j) byte = byte << 1 | (s.transparent(x + j, y) ? 1 : 0);
      b.push_back(static_cast<std::uint8_t>(byte));
    }
  return b;
}

// A canvas with many colours and a transparent diagonal band.
inline pictavo::Canvas patternCanvas(unsigned seed) {
  pictavo::Canvas c;
  std::mt19937 rng(seed);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      auto& cell = c.at(x, y);
      cell.transparent = (x + y) % 7 == 0 ? 1 : 0;
      cell.colour = cell.transparent ? pictavo::kWhite : static_cast<Colour>(rng() & 0xFFFFFF);
    }
  return c;
}

}  // namespace icotest
