#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "picture/MetafileHeader.h"
#include "picture/PictureFileChecks.h"
#include "picture/PictureSignature.h"

using namespace pictavo;
using Bytes = std::vector<std::uint8_t>;

static PictureBytes view(const Bytes& b) { return {b.data(), b.size()}; }
static void put16(Bytes& b, std::size_t at, int v) { b[at] = v & 0xFF, b[at + 1] = (v >> 8) & 0xFF; }
static void put32(Bytes& b, std::size_t at, long v) { put16(b, at, v & 0xFFFF), put16(b, at + 2, (v >> 16) & 0xFFFF); }
static Bytes cut(Bytes b, std::size_t drop) { return b.resize(b.size() - drop), b; }

static Bytes jpeg() {  // SOI, an APP1 holding a thumbnail's end marker, SOS, data, EOI
  return {0xFF, 0xD8, 0xFF, 0xE1, 0, 4, 0xFF, 0xD9, 0xFF, 0xDA, 0, 2, 0x12, 0xFF, 0x00, 0x34, 0xFF, 0xD9};
}

static Bytes bmp(int compression, const Bytes& pixels) {  // 2 x 2, 8 bits, no palette
  Bytes b(54, 0);
  b[0] = 'B', b[1] = 'M';
  put32(b, 10, 54), put32(b, 14, 40), put32(b, 18, 2), put32(b, 22, 2), put16(b, 28, 8), put32(b, 30, compression);
  b.insert(b.end(), pixels.begin(), pixels.end());
  return b;
}

static Bytes gif() {  // 1 x 1, two-colour global table, one image
  Bytes b = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0, 0, 0, 255, 255, 255};
  const Bytes image = {0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x44, 0x01, 0, 0x3B};
  b.insert(b.end(), image.begin(), image.end());
  return b;
}

static Bytes png() {  // signature, then IHDR, IDAT and IEND chunks with unchecked checksums
  Bytes b = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  for (const auto& [type, length] : {std::make_pair("IHDR", 13), std::make_pair("IDAT", 2), std::make_pair("IEND", 0)}) {
    b.insert(b.end(), {0, 0, 0, std::uint8_t(length)});
    b.insert(b.end(), type, type + 4);
    b.resize(b.size() + length + 4, 0);
  }
  return b;
}

static Bytes ico(const std::vector<int>& sides) {  // each image 8 bytes of (unchecked) data
  Bytes b(6 + 16 * sides.size(), 0);
  put16(b, 2, 1), put16(b, 4, static_cast<int>(sides.size()));
  for (std::size_t i = 0; i < sides.size(); ++i) {
    b[6 + 16 * i] = b[7 + 16 * i] = static_cast<std::uint8_t>(sides[i] & 0xFF);
    put32(b, 14 + 16 * i, 8), put32(b, 18 + 16 * i, static_cast<long>(b.size() + 8 * i));
  }
  b.resize(b.size() + 8 * sides.size());
  return b;
}

TEST(PictureFiles, TypeComesFromTheExtension) {
  EXPECT_EQ(pictureTypeOfPath("/a/b.JPG"), PictureType::Jpeg);
  EXPECT_EQ(pictureTypeOfPath("run.rle"), PictureType::Rle);
  EXPECT_EQ(pictureTypeOfPath("clip.Wmf"), PictureType::Wmf);
  for (const char* path : {"/pics.jpg/photo", "photo", "photo.png", "photo.jpeg"})
    EXPECT_EQ(pictureTypeOfPath(path), std::nullopt) << path;
}

TEST(PictureFiles, CompleteFilesPassAndCutOnesFail) {
  const Bytes rle8 = bmp(1, {2, 5, 0, 0, 0, 3, 1, 2, 3, 0, 0, 1});  // run, line end, absolute run, end
  const Bytes rle4 = bmp(2, {0, 2, 1, 1, 2, 0x12, 0, 1});            // delta, run, end
  const Bytes rows = bmp(0, Bytes(8, 7));                             // two rows of 4 bytes
  struct Case {
    const char* name;
    bool (*check)(const PictureBytes&);
    Bytes file;
    std::size_t shortestDamaged;  // bytes to drop that break it
  } cases[] = {{"jpeg", jpegIsComplete, jpeg(), 1}, {"rle8", bmpIsComplete, rle8, 2}, {"rle4", bmpIsComplete, rle4, 2},
               {"bmp", bmpIsComplete, rows, 1},     {"gif", gifIsComplete, gif(), 2},  {"ico", icoIsComplete, ico({16, 32}), 1},
               {"png", pngIsComplete, png(), 1}};
  for (const Case& c : cases) {
    EXPECT_TRUE(c.check(view(c.file))) << c.name;
    for (std::size_t drop = c.shortestDamaged; drop <= c.file.size(); ++drop)
      EXPECT_FALSE(c.check(view(cut(c.file, drop)))) << c.name << " less " << drop;
  }
  // A thumbnail's end marker before the scan does not make a cut-off image whole.
  EXPECT_FALSE(jpegIsComplete(view(cut(jpeg(), 2))));
  // RLE without its end-of-bitmap mark is whole once every row has ended.
  EXPECT_TRUE(bmpIsComplete(view(bmp(1, {2, 5, 0, 0, 2, 5, 0, 0}))));
}

TEST(PictureFiles, LargestIconImageIsChosen) {
  EXPECT_EQ(largestIcoImage(view(ico({16, 48, 32}))), 1);
  EXPECT_EQ(largestIcoImage(view(ico({48, 0}))), 1);  // 0 stands for 256
  EXPECT_EQ(largestIcoImage(view(cut(ico({16, 48}), 1))), 0);
}

static Bytes emf(long right, long bottom) {
  Bytes b(88, 0);
  put32(b, 0, 1), put32(b, 4, 88), put32(b, 32, right), put32(b, 36, bottom), put32(b, 40, 0x464D4520);
  put32(b, 48, 88);
  return b;
}

static Bytes wmf(int right, int bottom, int unitsPerInch) {
  Bytes b(40, 0);
  put32(b, 0, 0x9AC6CDD7), put16(b, 10, right), put16(b, 12, bottom), put16(b, 14, unitsPerInch);
  put16(b, 22, 1), put16(b, 24, 9), put32(b, 28, 9);
  return b;
}

TEST(MetafileHeader, SizeAt96DotsPerInchWithinBounds) {
  struct Case {
    Bytes file;
    bool emf;
    int width, height;  // 0: refused
  } cases[] = {{emf(1693, 847), true, 64, 32},       {emf(2540 * 4096 / 96, 100), true, 4096, 4},
               {emf(2540 * 4097 / 96 + 30, 100), true, 0, 0}, {emf(-100, 100), true, 0, 0},
               {cut(emf(100, 100), 1), true, 0, 0},  {wmf(960, 480, 1440), false, 64, 32},
               {wmf(-960, 480, 1440), false, 64, 32}, {wmf(960, 480, 0), false, 0, 0},
               {wmf(30000, 10, 96), false, 0, 0},    {cut(wmf(96, 96, 96), 1), false, 0, 0}};
  for (const Case& c : cases) {
    const MetafileFrame frame = c.emf ? readEmfFrame(view(c.file)) : readWmfFrame(view(c.file));
    EXPECT_EQ(frame.ok() ? std::make_pair(frame.width, frame.height) : std::make_pair(0, 0),
              std::make_pair(c.width, c.height)) << &c - cases;
  }
  EXPECT_FALSE(readWmfFrame(view(emf(100, 100))).ok());
  EXPECT_FALSE(readEmfFrame(view(wmf(96, 96, 96))).ok());
  // The largest record may fill the metafile (9 words here) but not outgrow it.
  for (std::uint32_t words : {9u, 10u, 541392896u}) {
    Bytes file = wmf(960, 480, 1440);
    put32(file, 34, words);
    EXPECT_EQ(readWmfFrame(view(file)).ok(), words == 9) << words;
  }
}

// A WMF without the placeable header: the 18-byte header, then records of (function, words...).
static Bytes plainWmf(const std::vector<std::vector<int>>& records) {
  Bytes b(18, 0);
  put16(b, 0, 1), put16(b, 2, 9), put16(b, 4, 0x300);
  for (const std::vector<int>& r : records) {
    const std::size_t at = b.size();
    b.resize(at + 6 + 2 * (r.size() - 1));
    put32(b, at, static_cast<long>(r.size() + 2)), put16(b, at + 4, r[0]);
    for (std::size_t i = 1; i < r.size(); ++i) put16(b, at + 4 + 2 * i, r[i]);
  }
  put32(b, 6, static_cast<long>(b.size() / 2));
  return b;
}

TEST(MetafileHeader, PlainWmfFramedByItsWindowExtent) {
  const std::vector<int> eof = {0}, anisotropic = {0x0103, 8}, himetric = {0x0103, 3}, twips = {0x0103, 6};
  const auto ext = [](int x, int y) { return std::vector<int>{0x020C, y, x}; };
  struct Case {
    std::vector<std::vector<int>> records;
    int width, height;  // 0: refused; -1: measured by the renderer
  } cases[] = {
      {{ext(960, 480), eof}, 1280, 640},              // small and unitless: points, as libwmf reads it
      {{anisotropic, ext(2880, -1440), eof}, 192, 96},  // large and unitless: twips
      {{himetric, ext(2540, 1270), eof}, 96, 48},
      {{twips, ext(1440, 720), eof}, 96, 48},
      {{ext(0, 100), {0x020B, 5, 5}, ext(96, 48), eof}, 128, 64},  // the first extent that is not empty
      {{ext(30000, 10), eof}, 0, 0},                  // too large to draw
      {{{0x0103}, eof}, -1, -1},                      // no window extent
      {{{0x020C}, ext(960, 480), eof}, 1280, 640},  // a record too short for its parameters is passed over
  };
  for (const Case& c : cases) {
    const MetafileFrame frame = readWmfFrame(view(plainWmf(c.records)));
    const std::pair<int, int> got = !frame.ok() ? std::make_pair(0, 0)
                                    : frame.measuredByRenderer ? std::make_pair(-1, -1)
                                                               : std::make_pair(frame.width, frame.height);
    EXPECT_EQ(got, std::make_pair(c.width, c.height)) << &c - cases;
  }
  Bytes longer = plainWmf({ext(960, 480), eof});
  put32(longer, 6, 1000);
  EXPECT_EQ(readWmfFrame(view(longer)).error, "the WMF file is cut short");
  const MetafileFrame drawn = wmfFrameOfDrawnBox(2000, 1000);
  EXPECT_EQ(std::make_pair(drawn.width, drawn.height), std::make_pair(133, 67));
  for (double side : {0.0, -1.0, 1e30, std::numeric_limits<double>::infinity(), std::nan("")})
    EXPECT_FALSE(wmfFrameOfDrawnBox(100, side).ok()) << side;
}

// What a file holds decides, not its name: a PNG named .ico is a PNG.
TEST(PictureFiles, ContentTypeComesFromTheSignatureBytes) {
  const Bytes placeable = wmf(96, 96, 96);
  Bytes plainWmf(placeable.begin() + 22, placeable.end());
  put16(plainWmf, 4, 0x300);
  Bytes noIcons = ico({});
  const std::pair<Bytes, std::optional<PictureType>> cases[] = {
      {png(), PictureType::Png},        {jpeg(), PictureType::Jpeg},        {gif(), PictureType::Gif},
      {bmp(1, {}), PictureType::Bmp},   {ico({32}), PictureType::Ico},      {emf(100, 100), PictureType::Emf},
      {placeable, PictureType::Wmf},    {plainWmf, PictureType::Wmf},       {noIcons, std::nullopt},
      {cut(emf(100, 100), 48), std::nullopt}, {Bytes{'n', 'o', 't'}, std::nullopt}, {Bytes{}, std::nullopt}};
  for (std::size_t i = 0; i < std::size(cases); ++i)
    EXPECT_EQ(pictureTypeOfContent(view(cases[i].first)), cases[i].second) << i;
  EXPECT_STREQ(pictureTypeName(PictureType::Png), "PNG");
}
