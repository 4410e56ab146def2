#include <gtest/gtest.h>

#include "IcoTestSupport.h"
#include "icofile/IconDecoder.h"
#include "icofile/IconScanner.h"

using namespace pictavo;
using namespace icotest;

namespace {

std::vector<Colour> palette(int n) {
  std::vector<Colour> p;
  for (int i = 0; i < n; ++i) p.push_back(rgb(i, 255 - i, (i * 7) & 0xFF));
  return p;
}

DecodeStatus decode(const Bytes& b, IcoState& ico) { return decodeIconImage(b.data(), b.size(), ico); }

Colour temp(const IcoState& ico, int cell) { return ico.tempColors[cell - 1]; }
int tempFlag(const IcoState& ico, int cell) { return ico.tempTransparent[cell - 1]; }

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

TEST(Decoder, FourBitNibblesPaletteAndBottomUpRows) {
  ImageSpec s{4, palette(16)};
  s.paletteFourthByte = 0xEE;  // must not reach the colour
  s.pixel = [](int x, int y) { return y == 31 ? (x == 0 ? 1u : x == 1 ? 15u : 3u) : unsigned(x % 16); };
  Bytes b = makeImage(s);
  EXPECT_EQ(b[104], 0x1F);  // first bitmap byte: start of the bottom row
  IcoState ico;
  ASSERT_EQ(decode(b, ico), DecodeStatus::Decoded);
  EXPECT_EQ(temp(ico, 993), s.palette[1]);
  EXPECT_EQ(temp(ico, 994), s.palette[15]);
  EXPECT_EQ(temp(ico, 995), s.palette[3]);
  EXPECT_EQ(temp(ico, cellNumber(21, 4)), s.palette[5]);
  EXPECT_EQ(tempFlag(ico, 1), 0);
}

TEST(Decoder, MaskRowsAreBottomUpMostSignificantBitLeftAndTransparentCellsWhite) {
  for (int bits : {1, 4, 8, 24, 32}) {
    ImageSpec s{bits, bits <= 8 ? palette(1 << bits) : std::vector<Colour>{}};
    s.pixel = [](int, int) { return 0u; };  // black under the mask too
    s.transparent = [](int x, int y) { return y == 0 && (x == 0 || x == 15); };
    Bytes b = makeImage(s);
    IcoState ico;
    ASSERT_EQ(decode(b, ico), DecodeStatus::Decoded) << bits;
    EXPECT_EQ(b[b.size() - 4], 0x80) << bits;  // last mask row = top canvas row
    EXPECT_EQ(b[b.size() - 3], 0x01) << bits;
    EXPECT_EQ(tempFlag(ico, 1), 1);
    EXPECT_EQ(temp(ico, 1), kWhite);
    for (int cell = 2; cell <= 15; ++cell) EXPECT_EQ(tempFlag(ico, cell), 0) << bits << " " << cell;
    EXPECT_EQ(tempFlag(ico, 16), 1);
    EXPECT_EQ(temp(ico, 2), bits <= 8 ? s.palette[0] : kBlack);
  }
}

TEST(Decoder, EightBitAlwaysReadsAFullPalette) {
  ImageSpec s{8, palette(256)};
  s.pixel = [](int x, int y) { return unsigned(x + 32 * (y % 8)); };
  Bytes b = makeImage(s);
  put32(b, 32, 2);  // colours used: 2
  IcoState ico;
  ASSERT_EQ(decode(b, ico), DecodeStatus::Decoded);
  EXPECT_EQ(temp(ico, cellNumber(31, 7)), s.palette[255]);
  EXPECT_EQ(temp(ico, cellNumber(3, 1)), s.palette[35]);
}

TEST(Decoder, OneAndTwentyFourBitColours) {
  ImageSpec one{1, {rgb(10, 20, 30), rgb(200, 100, 50)}};
  one.pixel = [](int x, int y) { return unsigned((x + y) % 2); };
  IcoState ico;
  ASSERT_EQ(decode(makeImage(one), ico), DecodeStatus::Decoded);
  EXPECT_EQ(temp(ico, cellNumber(0, 0)), rgb(10, 20, 30));
  EXPECT_EQ(temp(ico, cellNumber(1, 0)), rgb(200, 100, 50));
  EXPECT_EQ(temp(ico, cellNumber(31, 30)), rgb(200, 100, 50));

  ImageSpec deep{24};
  deep.pixel = [](int x, int y) { return unsigned(rgb(x, y, x ^ y)); };
  ASSERT_EQ(decode(makeImage(deep), ico), DecodeStatus::Decoded);
  for (int n : {1, 32, 500, 993, 1024})
    EXPECT_EQ(temp(ico, n), rgb(columnOf(n), rowOf(n), columnOf(n) ^ rowOf(n)));
}

TEST(Decoder, ThirtyTwoBitAlphaCountsOnlyWhenTheImageUsesIt) {
  ImageSpec s{32};
  s.pixel = [](int x, int y) { return unsigned(rgb(x, y, 9)); };  // alpha 0 everywhere
  s.transparent = [](int x, int y) { return x == 5 && y == 5; };
  IcoState ico;
  ASSERT_EQ(decode(makeImage(s), ico), DecodeStatus::Decoded);
  EXPECT_EQ(tempFlag(ico, cellNumber(4, 4)), 0);
  EXPECT_EQ(temp(ico, cellNumber(4, 4)), rgb(4, 4, 9));
  EXPECT_EQ(tempFlag(ico, cellNumber(5, 5)), 1);

  s.pixel = [](int x, int y) {
    std::uint32_t alpha = x == 0 ? 127u : x == 1 ? 128u : 255u;
    return alpha << 24 | unsigned(rgb(x, y, 9));
  };
  ASSERT_EQ(decode(makeImage(s), ico), DecodeStatus::Decoded);
  EXPECT_EQ(tempFlag(ico, cellNumber(0, 7)), 1);
  EXPECT_EQ(temp(ico, cellNumber(0, 7)), kWhite);
  EXPECT_EQ(tempFlag(ico, cellNumber(1, 7)), 0);
  EXPECT_EQ(tempFlag(ico, cellNumber(5, 5)), 1);  // the mask still counts
}

TEST(Decoder, RefusedImagesLeaveNoStalePixels) {
  ImageSpec good{24};
  good.pixel = [](int, int) { return 0x123456u; };
  for (int bits : {0, 2, 16, 255}) {
    IcoState ico;
    ASSERT_EQ(decode(makeImage(good), ico), DecodeStatus::Decoded);
    Bytes odd = makeImage(good);
    odd[14] = static_cast<std::uint8_t>(bits);
    EXPECT_EQ(decode(odd, ico), DecodeStatus::NotDecodable) << bits;
    for (int i = 0; i < kCellCount; ++i) {
      ASSERT_EQ(ico.tempColors[i], kWhite);
      ASSERT_EQ(ico.tempTransparent[i], 1);
    }
  }
  IcoState ico;
  Bytes notHeader = makeImage(good);
  notHeader[0] = 41;
  EXPECT_EQ(decode(notHeader, ico), DecodeStatus::NotDecodable);
}

TEST(LoadTempIco, HeadersNearRecordEndsAndTruncatedImagesReadZeros) {
  ScratchDir dir;
  ImageSpec s{8, palette(256)};
  s.pixel = [](int x, int) { return unsigned(x + 1); };
  const Bytes image = makeImage(s);
  for (std::size_t lead : {std::size_t(0), std::size_t(4084), std::size_t(4096), std::size_t(4097 * 3 + 13)}) {
    IcoState ico;
    ASSERT_TRUE(loadFromFile(ico, dir, image, lead)) << lead;
    EXPECT_EQ(temp(ico, cellNumber(30, 12)), s.palette[31]) << lead;
  }
  // Cut inside the bitmap: the missing indices are 0 and the missing mask opaque.
  IcoState ico;
  const std::size_t cut = 1064 + 32 * 4;  // palette and the four bottom rows
  ASSERT_TRUE(loadFromFile(ico, dir, image, 100, 100 + cut));
  EXPECT_EQ(temp(ico, cellNumber(3, 31)), s.palette[4]);
  EXPECT_EQ(temp(ico, cellNumber(3, 27)), s.palette[0]);
  EXPECT_EQ(tempFlag(ico, cellNumber(3, 27)), 0);
}

TEST(LoadTempIco, BadIndexVanishedFileAndRefusedImageAreReported) {
  ScratchDir dir;
  ImageSpec s{24};
  Bytes image = makeImage(s);
  IcoState ico;
  ASSERT_TRUE(loadFromFile(ico, dir, image, 0));
  EXPECT_EQ(loadTempIco(ico, 1).status, DecodeStatus::NotDecodable);
  EXPECT_EQ(loadTempIco(ico, -1).status, DecodeStatus::NotDecodable);
  image[14] = 16;
  DecodeOutcome refused = loadFromFile(ico, dir, image, 0);
  EXPECT_EQ(refused.status, DecodeStatus::NotDecodable);
  EXPECT_NE(refused.message.find(ico.openPath), std::string::npos);
  fs::remove(ico.openPath);
  DecodeOutcome gone = loadTempIco(ico, 0);
  EXPECT_EQ(gone.status, DecodeStatus::Unreadable);
  EXPECT_NE(gone.message.find(ico.openPath), std::string::npos);
}

TEST(LoadIconOntoCanvas, MovesOnlyADecodedImageAndLeavesTheSavedFlag) {
  ScratchDir dir;
  ProgramState state;
  state.iconSaved = false;
  ImageSpec s{24};
  s.pixel = [](int x, int) { return unsigned(rgb(x, 1, 2)); };
  s.transparent = [](int x, int) { return x == 31; };
  loadFromFile(state.ico, dir, makeImage(s), 0);
  ASSERT_TRUE(loadIconOntoCanvas(state, 0));
  EXPECT_EQ(state.canvas.at(7, 3), (Cell{rgb(7, 1, 2), 0}));
  EXPECT_EQ(state.canvas.at(31, 3), (Cell{kWhite, 1}));
  EXPECT_EQ(state.preview.pixel(7, 3), rgb(7, 1, 2));
  EXPECT_FALSE(state.iconSaved);

  const Canvas before = state.canvas;
  EXPECT_FALSE(loadIconOntoCanvas(state, 5));
  EXPECT_EQ(state.canvas, before);
}
