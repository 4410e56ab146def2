#include <gtest/gtest.h>

#include "IcoTestSupport.h"
#include "icofile/IconDecoder.h"
#include "icofile/IconScanner.h"

using namespace pictavo;
using namespace icotest;

namespace {

std::vector<Colour> paletteFor(int bits) {
  std::vector<Colour> p;
  for (int i = 0; bits <= 8 && i < 1 << bits; ++i) p.push_back(rgb(i, 255 - i, (i * 7) & 0xFF));
  return p;
}

DecodeStatus decode(const Bytes& b, IcoState& ico) { return decodeIconImage(b.data(), b.size(), ico); }

Cell temp(const IcoState& ico, int column, int row) {
  const int i = cellNumber(column, row) - 1;
  return {ico.tempColors[i], ico.tempTransparent[i]};
}

// Puts one image into a file behind `lead` bytes, scans it and decodes the only hit.
DecodeOutcome loadFromFile(IcoState& ico, const ScratchDir& dir, const Bytes& image, std::size_t lead,
                           std::size_t keep = SIZE_MAX) {
  Bytes file(lead, 0x5A);
  file.insert(file.end(), image.begin(), image.end());
  file.resize(std::min(file.size(), keep));
  ico.openPath = dir.path("image.bin");
  writeFile(ico.openPath, file);
  scanIcons(ico);
  EXPECT_EQ(ico.iconCount, 1);
  return loadTempIco(ico, 0);
}

}  // namespace

// Rows bottom-up, pixels and mask bits leftmost in the high bits, transparent cells white.
TEST(Decoder, EveryDepthReadsItsPaletteColoursAndMask) {
  for (int bits : {1, 4, 8, 24, 32}) {
    ImageSpec s{bits, paletteFor(bits)};
    s.paletteFourthByte = 0xEE;  // must not reach the colour
    // Neighbours differ, so swapped nibbles, bits or rows show; 32 bits without alpha is opaque.
    s.pixel = [bits](int x, int y) { return bits <= 8 ? (x * 7 + y * 3) % (1u << bits) : unsigned(rgb(x, y, x ^ y)); };
    s.transparent = [](int x, int y) { return y == 0 && (x == 0 || x == 15); };
    Bytes b = makeImage(s);
    EXPECT_EQ(b[b.size() - 4], 0x80);  // the last mask row is the top canvas row
    IcoState ico;
    ASSERT_EQ(decode(b, ico), DecodeStatus::Decoded) << bits;
    for (int n = 1; n <= kCellCount; ++n) {
      const int x = columnOf(n), y = rowOf(n);
      const std::uint32_t v = s.pixel(x, y);
      const Cell expected = s.transparent(x, y) ? Cell{kWhite, 1} : Cell{bits <= 8 ? s.palette[v] : Colour(v), 0};
      ASSERT_EQ(temp(ico, x, y), expected) << bits << " cell " << n;
    }
  }
}

// Alpha decides alone when any pixel uses it; the mask only when every alpha is 0.
TEST(Decoder, ThirtyTwoBitTransparencyComesFromAlphaElseFromTheMask) {
  ImageSpec s{32};
  s.transparent = [](int x, int y) { return x == 5 && y == 5; };
  s.pixel = [](int x, int y) {
    const std::uint32_t alpha = x == 0 ? 127u : x == 1 ? 128u : 255u;
    return alpha << 24 | unsigned(rgb(x, y, 9));
  };
  IcoState ico;
  ASSERT_EQ(decode(makeImage(s), ico), DecodeStatus::Decoded);
  EXPECT_EQ(temp(ico, 0, 7), (Cell{kWhite, 1}));
  EXPECT_EQ(temp(ico, 1, 7), (Cell{rgb(1, 7, 9), 0}));
  EXPECT_EQ(temp(ico, 5, 5), (Cell{rgb(5, 5, 9), 0}));

  s.pixel = [](int x, int y) { return unsigned(rgb(x, y, 9)); };
  ASSERT_EQ(decode(makeImage(s), ico), DecodeStatus::Decoded);
  EXPECT_EQ(temp(ico, 5, 5), (Cell{kWhite, 1}));
  EXPECT_EQ(temp(ico, 6, 5), (Cell{rgb(6, 5, 9), 0}));
}

// Some favicon writers leave out the mask of a 32-bit image: the next image's
// header and pixels follow at once and must not be taken for a mask.
TEST(Decoder, ThirtyTwoBitImageWithoutMaskIgnoresTheBytesAfterIt) {
  ImageSpec s{32};
  s.pixel = [](int x, int y) { return (y >= 16 ? 0xFFu : 0x00u) << 24 | unsigned(rgb(x, y, 1)); };
  Bytes file = makeImage(s);
  file.resize(file.size() - kMaskBytes);
  ImageSpec next{8, std::vector<Colour>(256, 0)};
  next.pixel = [](int, int) { return 0xFFu; };
  next.transparent = [](int, int) { return true; };
  place(file, file.size(), makeImage(next));
  IcoState ico;
  ASSERT_EQ(decode(file, ico), DecodeStatus::Decoded);
  for (int n = 1; n <= kCellCount; ++n) {
    const int x = columnOf(n), y = rowOf(n);
    ASSERT_EQ(temp(ico, x, y), (y >= 16 ? Cell{rgb(x, y, 1), 0} : Cell{kWhite, 1})) << n;
  }
}

// A non-zero colour count below 2^bits is the palette's length; the bitmap
// and mask follow it. Counts of 0 or 2^bits and more mean the full table.
TEST(Decoder, ShortPalettesFollowTheColourCount) {
  for (auto [bits, used] : {std::pair{4, 3}, {8, 5}, {8, 255}, {1, 1}, {8, 0}, {8, 256}, {4, 1000}}) {
    const int entries = used != 0 && used < (1 << bits) ? used : 1 << bits;
    std::vector<Colour> palette;
    for (int i = 0; i < entries; ++i) palette.push_back(rgb(10 * i, 200, 7));
    ImageSpec s{bits, palette};
    s.pixel = [entries](int x, int y) { return unsigned((x + y) % entries); };
    s.transparent = [](int x, int y) { return x == y; };
    Bytes b = makeImage(s);
    put32(b, 32, std::uint32_t(used));
    IcoState ico;
    ASSERT_EQ(decode(b, ico), DecodeStatus::Decoded) << bits << "/" << used;
    for (int n = 1; n <= kCellCount; ++n) {
      const int x = columnOf(n), y = rowOf(n);
      const Cell expected = x == y ? Cell{kWhite, 1} : Cell{palette[std::size_t((x + y) % entries)], 0};
      ASSERT_EQ(temp(ico, x, y), expected) << bits << "/" << used << " cell " << n;
    }
  }
}

TEST(Decoder, RefusedImagesLeaveNoStalePixels) {
  ImageSpec good{24};
  good.pixel = [](int, int) { return 0x123456u; };
  for (auto [at, value] : {std::pair{14, 0}, {14, 2}, {14, 16}, {14, 255}, {0, 41}}) {  // bit counts; header size
    IcoState ico;
    ASSERT_EQ(decode(makeImage(good), ico), DecodeStatus::Decoded);
    Bytes odd = makeImage(good);
    odd[at] = std::uint8_t(value);
    EXPECT_EQ(decode(odd, ico), DecodeStatus::NotDecodable) << value;
    for (int n = 1; n <= kCellCount; ++n) ASSERT_EQ(temp(ico, columnOf(n), rowOf(n)), (Cell{kWhite, 1}));
  }
}

TEST(LoadTempIco, HeadersNearRecordEndsAndTruncatedImagesReadZeros) {
  ScratchDir dir;
  ImageSpec s{8, paletteFor(8)};
  s.pixel = [](int x, int) { return unsigned(x + 1); };
  const Bytes image = makeImage(s);
  for (std::size_t lead : {0, 4084, 4096, 4097 * 3 + 13}) {
    IcoState ico;
    ASSERT_TRUE(loadFromFile(ico, dir, image, lead)) << lead;
    EXPECT_EQ(temp(ico, 30, 12).colour, s.palette[31]) << lead;
  }
  // Cut after the palette and the four bottom rows: missing indices are 0 and the missing mask opaque.
  IcoState ico;
  ASSERT_TRUE(loadFromFile(ico, dir, image, 100, 100 + 1064 + 32 * 4));
  EXPECT_EQ(temp(ico, 3, 31), (Cell{s.palette[4], 0}));
  EXPECT_EQ(temp(ico, 3, 27), (Cell{s.palette[0], 0}));
}

TEST(LoadTempIco, OnlyADecodedImageReachesTheCanvasAndFailuresAreReported) {
  ScratchDir dir;
  ProgramState state;
  state.iconSaved = false;
  ImageSpec s{24};
  s.pixel = [](int x, int) { return unsigned(rgb(x, 1, 2)); };
  s.transparent = [](int x, int) { return x == 31; };
  Bytes image = makeImage(s);
  ASSERT_TRUE(loadFromFile(state.ico, dir, image, 0));
  ASSERT_TRUE(loadIconOntoCanvas(state, 0));
  EXPECT_EQ(state.canvas.at(7, 3), (Cell{rgb(7, 1, 2), 0}));
  EXPECT_EQ(state.canvas.at(31, 3), (Cell{kWhite, 1}));
  EXPECT_EQ(state.preview.pixel(7, 3), rgb(7, 1, 2));
  EXPECT_FALSE(state.iconSaved);

  const Canvas before = state.canvas;
  for (int k : {1, -1, 5}) EXPECT_EQ(loadIconOntoCanvas(state, k).status, DecodeStatus::NotDecodable) << k;
  image[14] = 16;
  DecodeOutcome refused = loadFromFile(state.ico, dir, image, 0);
  EXPECT_EQ(refused.status, DecodeStatus::NotDecodable);
  EXPECT_NE(refused.message.find(state.ico.openPath), std::string::npos);
  fs::remove(state.ico.openPath);
  DecodeOutcome gone = loadIconOntoCanvas(state, 0);
  EXPECT_EQ(gone.status, DecodeStatus::Unreadable);
  EXPECT_NE(gone.message.find(state.ico.openPath), std::string::npos);
  EXPECT_EQ(state.canvas, before);
}
