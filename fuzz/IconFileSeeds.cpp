#include "IconFileSeeds.h"

#include <string>

namespace pictavo::fuzz {
namespace {

using Bytes = std::vector<std::uint8_t>;

void put(Bytes& b, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) b.push_back(std::uint8_t(v >> (8 * i)));
}
void putAt(Bytes& b, std::size_t at, std::uint32_t v, int bytes) {
  if (b.size() < at + std::size_t(bytes)) b.resize(at + std::size_t(bytes));
  for (int i = 0; i < bytes; ++i) b[at + std::size_t(i)] = std::uint8_t(v >> (8 * i));
}

struct Image {
  int side, bits;  // bits 0: a PNG entry
  Bytes data;
};

// A BMP icon image with a full palette, patterned pixels and mask.
Image bmp(int side, int bits) {
  Bytes b;
  put(b, 40, 4), put(b, std::uint32_t(side), 4), put(b, std::uint32_t(2 * side), 4);
  put(b, 1, 2), put(b, std::uint32_t(bits), 2);
  for (int i = 0; i < 6; ++i) put(b, 0, 4);
  if (bits <= 8)
    for (std::uint32_t i = 0; i < (1u << bits); ++i) put(b, i * 0x2F4B1Du & 0xFFFFFF, 4);
  const std::size_t rowBytes = std::size_t((side * bits + 31) / 32 * 4), maskRow = std::size_t((side + 31) / 32 * 4);
  for (std::size_t i = 0; i < rowBytes * std::size_t(side); ++i) b.push_back(std::uint8_t(i * 37 + i / 7));
  for (std::size_t i = 0; i < maskRow * std::size_t(side); ++i) b.push_back(i % 5 ? 0 : 0xF0);
  return {side, bits, b};
}

// A PNG signature and IHDR (what the reader lists from), then IEND.
Image png(int side) {
  Bytes b = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
  for (int i = 0; i < 2; ++i) b.insert(b.end(), {0, 0, std::uint8_t(side >> 8), std::uint8_t(side)});
  b.insert(b.end(), {8, 6, 0, 0, 0, 0x12, 0x34, 0x56, 0x78, 0, 0, 0, 0, 'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82});
  return {side, 0, b};
}

Bytes iconFile(const std::vector<Image>& images, int type = 1) {
  Bytes b;
  put(b, 0, 2), put(b, std::uint32_t(type), 2), put(b, std::uint32_t(images.size()), 2);
  std::uint32_t at = 6 + 16 * std::uint32_t(images.size());
  for (const Image& i : images) {
    const std::uint32_t side = i.side >= 256 ? 0 : std::uint32_t(i.side);
    put(b, side, 1), put(b, side, 1), put(b, i.bits && i.bits <= 4 ? 1u << i.bits : 0, 1), put(b, 0, 1);
    put(b, 1, 2), put(b, std::uint32_t(i.bits ? i.bits : 32), 2), put(b, std::uint32_t(i.data.size()), 4), put(b, at, 4);
    at += std::uint32_t(i.data.size());
  }
  for (const Image& i : images) b.insert(b.end(), i.data.begin(), i.data.end());
  return b;
}

// A PE32+ file whose one section holds a resource tree of RT_ICON images:
// type, then one name per image, then (optionally) one language.
Bytes peFile(const std::vector<Image>& images, bool languages) {
  constexpr std::uint32_t kRaw = 0x200, kRva = 0x1000, kOptional = 0x58;
  Bytes b(kRaw, 0);
  b[0] = 'M', b[1] = 'Z';
  putAt(b, 0x3C, 0x40, 4);
  putAt(b, 0x40, 'P' | 'E' << 8, 4);
  putAt(b, 0x44, 0x8664, 2), putAt(b, 0x46, 1, 2), putAt(b, 0x54, 240, 2);
  putAt(b, kOptional, 0x20B, 2), putAt(b, kOptional + 108, 16, 4);

  const std::uint32_t n = std::uint32_t(images.size());
  const std::uint32_t typeDir = 24, languageDirs = typeDir + 16 + 8 * n;
  const std::uint32_t dataEntries = languageDirs + (languages ? 24 * n : 0);
  Bytes r(dataEntries + 16 * n, 0);
  putAt(r, 14, 1, 2), putAt(r, 16, 3, 4), putAt(r, 20, 0x80000000u | typeDir, 4);
  putAt(r, typeDir + 14, n, 2);
  for (std::uint32_t i = 0; i < n; ++i) {
    const std::uint32_t data = dataEntries + 16 * i, language = languageDirs + 24 * i;
    putAt(r, typeDir + 16 + 8 * i, i + 1, 4);
    putAt(r, typeDir + 20 + 8 * i, languages ? 0x80000000u | language : data, 4);
    if (languages) putAt(r, language + 14, 1, 2), putAt(r, language + 16, 0x409, 4), putAt(r, language + 20, data, 4);
    putAt(r, data, kRva + std::uint32_t(r.size()), 4), putAt(r, data + 4, std::uint32_t(images[i].data.size()), 4);
    r.insert(r.end(), images[i].data.begin(), images[i].data.end());
  }
  const std::uint32_t size = std::uint32_t(r.size());
  putAt(b, kOptional + 112 + 16, kRva, 4), putAt(b, kOptional + 112 + 20, size, 4);
  const std::uint32_t section = kOptional + 240;
  for (int i = 0; i < 5; ++i) b[section + std::uint32_t(i)] = std::uint8_t(".rsrc"[i]);
  putAt(b, section + 8, size, 4), putAt(b, section + 12, kRva, 4);
  putAt(b, section + 16, size, 4), putAt(b, section + 20, kRaw, 4);
  b.insert(b.end(), r.begin(), r.end());
  return b;
}

}  // namespace

std::vector<Bytes> iconFileSeeds() {
  const std::vector<std::vector<Image>> sets = {
      {bmp(16, 4), bmp(24, 8), bmp(32, 24), bmp(48, 32), png(256)},
      {bmp(16, 1), bmp(16, 32)},
      {bmp(32, 4), bmp(32, 8), bmp(32, 32), bmp(64, 32)},
      {bmp(8, 24), png(64), bmp(20, 8)},
  };
  std::vector<Bytes> out;
  for (const auto& images : sets) out.push_back(iconFile(images));
  out.push_back(iconFile({bmp(32, 1)}, 2));
  out.push_back(peFile(sets[0], true));
  out.push_back(peFile(sets[1], false));
  return out;
}

}  // namespace pictavo::fuzz
