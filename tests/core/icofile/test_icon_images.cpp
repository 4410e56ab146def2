#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

#include "IconFileSupport.h"
#include "icofile/IconImageLoading.h"
#include "icofile/IconImages.h"

using namespace pictavo;
using namespace icotest;

namespace {

struct Row {
  int width, height, bits;
  ImageKind kind;
  std::int64_t offset;
  bool operator==(const Row& o) const {
    return width == o.width && height == o.height && bits == o.bits && kind == o.kind && offset == o.offset;
  }
};

std::vector<Row> rows(const ImageList& list) {
  std::vector<Row> out;
  for (const IconImage& i : list.images) out.push_back({i.width, i.height, i.bitCount, i.kind, i.offset});
  return out;
}

Bytes square(int side, int bits, std::size_t paletteSize = 0) {
  AnyImage s;
  s.width = s.height = side, s.bits = bits;
  s.palette.assign(paletteSize, 0x102030);
  return makeAnyImage(s);
}

ImageList listBytes(const Bytes& b) { return listIconImages(b.data(), b.size()); }

}  // namespace

TEST(IconImages, ListsEveryImageOfADirectoryWithItsOwnHeaderValues) {
  const Bytes file = makeIconFile({{16, square(16, 4, 16)}, {24, square(24, 8, 256)},
                                   {0, pngHead(256, 256)}, {48, square(48, 32)}, {16, square(16, 1, 2)}});
  const std::int64_t at = 6 + 16 * 5;
  const std::int64_t s16 = std::int64_t(square(16, 4, 16).size()), s24 = std::int64_t(square(24, 8, 256).size());
  const std::int64_t png = std::int64_t(pngHead(256, 256).size()), s48 = std::int64_t(square(48, 32).size());
  const std::vector<Row> expected = {{16, 16, 4, ImageKind::Bmp, at},
                                     {24, 24, 8, ImageKind::Bmp, at + s16},
                                     {256, 256, 32, ImageKind::Png, at + s16 + s24},
                                     {48, 48, 32, ImageKind::Bmp, at + s16 + s24 + png},
                                     {16, 16, 1, ImageKind::Bmp, at + s16 + s24 + png + s48}};
  const ImageList list = listBytes(file);
  ASSERT_EQ(list.status, ImageListStatus::Listed) << list.message;
  EXPECT_EQ(rows(list), expected);
  EXPECT_EQ(list.images[1].size, s24);
  EXPECT_EQ(bestImage(list.images), 2);

  ScratchDir dir;
  writeFile(dir.path("many.cur"), makeIconFile({{16, square(16, 4, 16)}, {24, square(24, 8, 256)}}, 2));
  EXPECT_EQ(listIconImages(dir.path("many.cur")).images.size(), 2u);
}

TEST(IconImages, BestImageIsTheLargestThenTheDeepestThenTheFirst) {
  auto image = [](int w, int h, int bits) { return IconImage{w, h, bits, ImageKind::Bmp, 0, 0}; };
  EXPECT_EQ(bestImage({}), -1);
  EXPECT_EQ(bestImage({image(16, 16, 32), image(48, 48, 4), image(24, 24, 32)}), 1);
  EXPECT_EQ(bestImage({image(48, 48, 4), image(48, 48, 8), image(48, 48, 8)}), 1);
  EXPECT_EQ(bestImage({image(16, 16, 8), image(16, 16, 4)}), 0);
}

// Broken entries are skipped; a directory that cannot be read is refused by name.
TEST(IconImages, HostileDirectoriesAreRefusedOrSkippedCleanly) {
  Bytes good = makeIconFile({{16, square(16, 4, 16)}, {16, square(16, 8, 256)}});
  Bytes outside = good;
  put32(outside, 6 + 16 + 12, 0xFFFFFFF0u);  // second image's offset far past the end
  EXPECT_EQ(listBytes(outside).images.size(), 1u);
  Bytes inDirectory = good;
  put32(inDirectory, 6 + 12, 6);  // first image inside the directory itself
  EXPECT_EQ(listBytes(inDirectory).images.size(), 1u);
  Bytes odd = good;
  odd[6 + 16 + 12] += 4;  // the second offset moved on: no image header there
  EXPECT_EQ(listBytes(odd).images.size(), 1u);

  struct Case { Bytes bytes; ImageListStatus status; };
  Bytes manyEntries = good;
  manyEntries[4] = 0xFF, manyEntries[5] = 0xFF;
  Bytes none = good;
  none[4] = 0;
  for (const Case& c : {Case{manyEntries, ImageListStatus::Damaged}, Case{none, ImageListStatus::Damaged},
                        Case{Bytes{0, 0, 1}, ImageListStatus::NotIconFile},
                        Case{Bytes(100, 0x41), ImageListStatus::NotIconFile}, Case{Bytes{}, ImageListStatus::NotIconFile}}) {
    const ImageList list = listBytes(c.bytes);
    EXPECT_EQ(list.status, c.status) << list.message;
    EXPECT_TRUE(list.images.empty());
    EXPECT_NE(list.message.find("the data in memory"), std::string::npos) << list.message;
  }
  ScratchDir dir;
  EXPECT_EQ(listIconImages(dir.path("missing.ico")).status, ImageListStatus::Unreadable);
  EXPECT_EQ(listIconImages(dir.root.string()).status, ImageListStatus::Unreadable);
}

// Rows padded to four bytes, masks of their own width, palettes as long as
// their colour count: each image of a file decodes at its own size.
TEST(IconImages, ListedBmpImagesDecodeAtTheirOwnSize) {
  struct Case { int width, height, bits, paletteSize; };
  std::vector<std::pair<int, Bytes>> images;
  std::vector<AnyImage> wanted;
  for (const Case& c : {Case{16, 16, 4, 16}, {24, 24, 8, 7}, {48, 48, 1, 2}, {20, 20, 24, 0}, {33, 33, 32, 0}}) {
    AnyImage s;
    s.width = c.width, s.height = c.height, s.bits = c.bits;
    for (int i = 0; i < c.paletteSize; ++i) s.palette.push_back(rgb(i * 9, 255 - i, 3));
    const int n = c.paletteSize;
    s.pixel = [n, bits = c.bits](int x, int y) {
      if (n > 0) return std::uint32_t((x * 3 + y) % n);
      return (bits == 32 ? (x == y ? 0x40u : 0xC0u) << 24 : 0u) | std::uint32_t(x * 5) << 16 | std::uint32_t(y * 7) << 8 | 9u;
    };
    s.transparent = [](int x, int y) { return (x + 2 * y) % 5 == 0; };
    wanted.push_back(s);
    images.push_back({c.width, makeAnyImage(s)});
  }
  const Bytes file = makeIconFile(images);
  const ImageList list = listBytes(file);
  ASSERT_EQ(list.images.size(), wanted.size());
  ByteSource in = ByteSource::inMemory(file.data(), file.size());
  for (std::size_t k = 0; k < wanted.size(); ++k) {
    const AnyImage& s = wanted[k];
    const ImageDecoding d = decodeListedImage(in, "file", list.images[k], {});
    ASSERT_TRUE(d) << d.message;
    ASSERT_EQ(d.image.width, s.width);
    for (int y = 0; y < s.height; ++y)
      for (int x = 0; x < s.width; ++x) {
        const std::uint8_t* p = d.image.pixel(x, y);
        const std::uint32_t v = s.pixel(x, y);
        const Colour c = s.palette.empty() ? rgb(int(v >> 16 & 0xFF), int(v >> 8 & 0xFF), int(v & 0xFF)) : s.palette[v];
        const int alpha = s.bits == 32 ? int(v >> 24) : s.transparent(x, y) ? 0 : 255;
        ASSERT_EQ(rgb(p[0], p[1], p[2]), c) << k << " at " << x << "," << y;
        ASSERT_EQ(p[3], alpha) << k << " at " << x << "," << y;
      }
  }
}

TEST(IconImages, PngImagesGoToTheInjectedDecoder) {
  const Bytes file = makeIconFile({{0, pngHead(64, 64)}});
  const IconImage png = listBytes(file).images.at(0);
  ByteSource in = ByteSource::inMemory(file.data(), file.size());
  EXPECT_EQ(decodeListedImage(in, "f", png, {}).status, DecodeStatus::NotDecodable);
  auto decoderOf = [](int side) {
    return [side](const std::uint8_t*, std::size_t, RgbaImage& out) { return out = RgbaImage(side, side), true; };
  };
  EXPECT_TRUE(decodeListedImage(in, "f", png, decoderOf(64)));
  EXPECT_FALSE(decodeListedImage(in, "f", png, decoderOf(8)));  // not the size its header gave
}

// Only depth and colour type pairs PNG allows are listed, so a hostile depth
// byte cannot make an entry the deepest (found by fuzzing).
TEST(IconImages, PngEntriesListOnlyTheDepthsPngAllows) {
  const struct {
    int depth, colourType, bits;
  } cases[] = {{1, 0, 1},  {16, 0, 16}, {3, 0, 0},  {4, 3, 4},  {16, 3, 0},  {8, 2, 24}, {4, 2, 0},
               {16, 4, 32}, {2, 4, 0},  {8, 6, 32}, {16, 6, 64}, {200, 6, 0}, {0, 6, 0},  {8, 5, 0}};
  for (const auto& c : cases) {
    const Bytes file = makeIconFile({{0, pngHead(48, 48, c.depth, c.colourType)}});
    const ImageList list = listBytes(file);
    ASSERT_EQ(list.status, ImageListStatus::Listed) << list.message;
    ASSERT_EQ(list.images.size(), c.bits ? 1u : 0u) << c.depth << " bits, type " << c.colourType;
    if (c.bits) EXPECT_EQ(list.images[0].bitCount, c.bits) << c.depth << " bits, type " << c.colourType;
  }
}

TEST(IconImages, MutatedFilesNeverReadOutsideTheirBytes) {
  std::mt19937 rng(7);
  const Bytes base = makeIconFile({{16, square(16, 4, 16)}, {0, pngHead(256, 256)}, {32, square(32, 32)}});
  int listed = 0;
  for (int round = 0; round < 3000; ++round) {
    Bytes b = base;
    for (int n = 0; n < 1 + int(rng() % 6); ++n) b[rng() % 120] = std::uint8_t(rng());
    if (round % 3 == 0) b.resize(rng() % b.size());
    std::unique_ptr<std::uint8_t[]> exact(new std::uint8_t[b.size() + 1]);
    std::copy(b.begin(), b.end(), exact.get());
    const ImageList list = listIconImages(exact.get(), b.size());
    ByteSource in = ByteSource::inMemory(exact.get(), b.size());
    for (const IconImage& image : list.images) {
      ASSERT_LE(image.offset + image.size, std::int64_t(b.size()));
      const ImageDecoding d = decodeListedImage(in, "f", image, {});
      if (d) {
        ASSERT_EQ(d.image.rgba.size(), std::size_t(image.width) * image.height * 4);
      }
      ++listed;
    }
  }
  EXPECT_GT(listed, 3000);
}

namespace {

// The RT_ICON resources as icoutils' wrestool extracts them, in its order.
std::vector<Bytes> wrestoolIcons(const std::string& path, const ScratchDir& dir) {
  std::vector<Bytes> out;
  const std::string into = dir.sub("wrestool");
  FILE* p = ::popen(("wrestool -l --type=3 '" + path + "' 2>/dev/null").c_str(), "r");
  if (!p || std::system(("wrestool -x --raw --type=3 -o '" + into + "' '" + path + "' 2>/dev/null").c_str()) != 0)
    return out;
  char line[512];
  const std::string stem = into + "/" + fs::path(path).filename().string() + "_3_";
  while (std::fgets(line, sizeof line, p)) {
    int name = 0, language = 0;
    if (std::sscanf(line, "--type=3 --name=%d --language=%d", &name, &language) == 2)
      out.push_back(readFile(stem + std::to_string(name) + "_" + std::to_string(language)));
  }
  ::pclose(p);
  return out;
}

Bytes slice(const Bytes& b, const IconImage& image) {
  return Bytes(b.begin() + image.offset, b.begin() + image.offset + image.size);
}

}  // namespace

// Every RT_ICON resource of Wine's programs, with the bytes wrestool extracts;
// the few not listed are images we do not read.
TEST(IconImages, WineExecutablesListTheIconResourcesWrestoolFinds) {
  if (std::system("wrestool --version >/dev/null 2>&1") != 0) GTEST_SKIP() << "wrestool (icoutils) missing";
  const std::string lib = "/usr/lib/x86_64-linux-gnu/wine/";
  int files = 0, images = 0;
  for (const char* name : {"x86_64-windows/shell32.dll", "x86_64-windows/comctl32.dll", "x86_64-windows/user32.dll",
                           "x86_64-windows/notepad.exe", "x86_64-windows/winefile.exe",
                           "x86_64-windows/kernelbase.dll", "i386-windows/zlib1.dll"}) {
    const std::string path = lib + name;
    if (!fs::exists(path)) continue;
    ++files;
    ScratchDir dir;
    const auto expected = wrestoolIcons(path, dir);
    const ImageList list = listIconImages(path);
    ASSERT_EQ(list.status, ImageListStatus::Listed) << list.message;
    const Bytes bytes = readFile(path);
    std::size_t k = 0;
    for (const Bytes& resource : expected) {
      if (k < list.images.size() && slice(bytes, list.images[k]) == resource) {
        ++k;
        continue;
      }
      const int bits = resource.size() > 14 ? resource[14] : 0;
      EXPECT_TRUE(resource.empty() || resource[0] != 40 || (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32))
          << name << ": an image was left out after " << k;
    }
    EXPECT_EQ(k, list.images.size()) << name;
    images += int(k);
  }
  if (files == 0) GTEST_SKIP() << "no Wine programs under " << lib << " (Debian libwine)";
  EXPECT_GT(images, 1900);
}
namespace {

// A PE32+ file with one section, .rsrc, whose resource tree `tree` (offsets
// relative to the section, as the format has them) starts at file offset 0x200.
Bytes peWithResources(const Bytes& tree) {
  Bytes b(0x200, 0);
  b[0] = 'M', b[1] = 'Z';
  put32(b, 0x3C, 0x40);
  b[0x40] = 'P', b[0x41] = 'E';
  const std::size_t coff = 0x44, optional = coff + 20;
  b[coff + 2] = 1;                       // one section
  b[coff + 16] = 240;                    // size of the optional header
  b[optional] = 0x0B, b[optional + 1] = 0x02;
  put32(b, optional + 108, 16);          // data directories
  put32(b, optional + 112 + 16, 0x1000);  // resources: RVA and size
  put32(b, optional + 112 + 20, std::uint32_t(tree.size()));
  const std::size_t section = optional + 240;
  put32(b, section + 8, std::uint32_t(tree.size()));
  put32(b, section + 12, 0x1000);
  put32(b, section + 16, std::uint32_t(tree.size()));
  put32(b, section + 20, 0x200);
  b.insert(b.end(), tree.begin(), tree.end());
  return b;
}

// A directory at `at` of `tree` with (id, offset) entries.
void directory(Bytes& tree, std::size_t at, const std::vector<std::pair<std::uint32_t, std::uint32_t>>& entries) {
  if (tree.size() < at + 16 + 8 * entries.size()) tree.resize(at + 16 + 8 * entries.size());
  tree[at + 14] = std::uint8_t(entries.size()), tree[at + 15] = std::uint8_t(entries.size() >> 8);
  for (std::size_t n = 0; n < entries.size(); ++n)
    put32(tree, at + 16 + 8 * n, entries[n].first), put32(tree, at + 20 + 8 * n, entries[n].second);
}

constexpr std::uint32_t kSub = 0x80000000u;

}  // namespace

TEST(IconImages, ResourceTreesAreFollowedOnlyWithinBounds) {
  // Type 3 -> name 1 -> language 0 -> data: one 16 x 16 image at RVA 0x1100.
  Bytes tree(0x100, 0);
  directory(tree, 0, {{3, kSub | 0x18}});
  directory(tree, 0x18, {{1, kSub | 0x30}});
  directory(tree, 0x30, {{0, 0x48}});
  put32(tree, 0x48, 0x1100);
  const Bytes image = square(16, 8, 256);
  put32(tree, 0x4C, std::uint32_t(image.size()));
  tree.insert(tree.end(), image.begin(), image.end());
  const ImageList one = listBytes(peWithResources(tree));
  ASSERT_EQ(one.status, ImageListStatus::Listed) << one.message;
  ASSERT_EQ(one.images.size(), 1u);
  EXPECT_EQ(one.images[0].offset, 0x300);

  Bytes loop = tree;
  directory(loop, 0x30, {{0, kSub | 0x18}});  // a language that is a directory again
  Bytes wide = tree;
  wide[0x18 + 12] = wide[0x18 + 13] = wide[0x18 + 14] = wide[0x18 + 15] = 0xFF;  // 131070 entries
  Bytes outside = tree;
  put32(outside, 0x48, 0x90000);  // data far outside the section
  Bytes many(0x8000, 0);
  std::vector<std::pair<std::uint32_t, std::uint32_t>> names(3000, {1, kSub | 0x6000});
  directory(many, 0, {{3, kSub | 0x18}});
  directory(many, 0x18, names);
  directory(many, 0x6000, std::vector<std::pair<std::uint32_t, std::uint32_t>>(100, {0, 0x7000}));
  put32(many, 0x7000, 0x1000), put32(many, 0x7004, 16);
  for (const Bytes& hostile : {loop, wide, outside, many}) {
    const ImageList list = listBytes(peWithResources(hostile));
    EXPECT_EQ(list.status, ImageListStatus::Damaged);
    EXPECT_TRUE(list.images.empty());
  }
}
