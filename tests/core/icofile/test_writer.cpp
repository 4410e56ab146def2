#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "IcoTestSupport.h"
#include "icofile/ColourReduction.h"
#include "icofile/IcoWriter.h"
#include "icofile/IconDecoder.h"
#include "icofile/IconSaving.h"
#include "icofile/IconScanner.h"
#include "support/ScriptedMessageBoxes.h"

using namespace pictavo;
using namespace icotest;
using pictavo::testing::ScriptedMessageBoxes;

namespace {

Canvas opaque(Colour c) {
  Canvas canvas;
  for (Cell& cell : canvas.cells()) cell = Cell{c, 0};
  return canvas;
}

Bytes span(const Bytes& b, std::size_t from, std::size_t count) {
  return Bytes(b.begin() + static_cast<std::ptrdiff_t>(from),
               b.begin() + static_cast<std::ptrdiff_t>(from + count));
}

// The 62 header bytes as the format fixes them, written out by hand.
Bytes expectedHeader(std::uint8_t colourCount, std::uint32_t bytesInImage, std::uint8_t bits,
                     std::uint32_t imageSize, std::uint32_t used) {
  Bytes h(62, 0);
  h[2] = 1, h[4] = 1, h[6] = 32, h[7] = 32, h[8] = colourCount;
  put32(h, 14, bytesInImage);
  put32(h, 18, 22);
  put32(h, 22, 40);
  put32(h, 26, 32);
  put32(h, 30, 64);
  h[34] = 1, h[36] = bits;
  put32(h, 42, imageSize);
  put32(h, 54, used);
  return h;
}

// What the save commands do: prepare, put the colours on the canvas, write.
IcoResult prepareAndSave(ProgramState& state, int depth, const std::string& path) {
  ScriptedMessageBoxes boxes;
  for (int i = 0; i < 2; ++i) boxes.queue(Answer::Ok);
  if (!setIconType(state, depth, boxes).accepted) return IcoResult::failure("refused");
  applyPreparedColours(state.ico, depth, state.canvas);
  return saveIcon(state, path, depth);
}

}  // namespace

TEST(IcoLayout, HeadersAndSizesOfTheThreeDepths) {
  IcoState ico;
  Canvas canvas = opaque(kBlack);
  Bytes f16 = encodeIcon16(ico, canvas), f256 = encodeIcon256(ico, canvas), f24 = encodeIcon24(canvas);
  ASSERT_EQ(f16.size(), 766u);
  ASSERT_EQ(f256.size(), 2238u);
  ASSERT_EQ(f24.size(), 3262u);
  EXPECT_EQ(span(f16, 0, 62), expectedHeader(16, 744, 4, 640, 0));
  EXPECT_EQ(span(f256, 0, 62), expectedHeader(0, 2216, 8, 1152, 256));
  EXPECT_EQ(span(f24, 0, 62), expectedHeader(0, 3240, 24, 0, 0));
  for (const Bytes* f : {&f16, &f256, &f24}) EXPECT_EQ(span(*f, f->size() - 128, 128), Bytes(128, 0));
}

TEST(IcoLayout, TransparentCanvasesAtEveryDepth) {
  Canvas canvas;  // all transparent white
  Bytes f24 = encodeIcon24(canvas);
  EXPECT_EQ(span(f24, 62, 3072), Bytes(3072, 0));
  EXPECT_EQ(span(f24, 3134, 128), Bytes(128, 0xFF));

  ProgramState state;
  ScriptedMessageBoxes boxes;
  setIconType(state, 16, boxes);
  Bytes f16 = encodeIcon16(state.ico, state.canvas);
  for (int k = 0; k < 16; ++k) {
    const Colour c = kPalette16[k];
    EXPECT_EQ(span(f16, 62 + 4 * k, 4), (Bytes{std::uint8_t(blueOf(c)), std::uint8_t(greenOf(c)),
                                               std::uint8_t(redOf(c)), 0}));
  }
  EXPECT_EQ(span(f16, 126, 512), Bytes(512, 0));
  EXPECT_EQ(span(f16, 638, 128), Bytes(128, 0xFF));

  setIconType(state, 256, boxes);
  Bytes f256 = encodeIcon256(state.ico, state.canvas);
  EXPECT_EQ(span(f256, 62, 1024), Bytes(1024, 0));  // one black entry, the rest unused
  EXPECT_EQ(span(f256, 1086, 1024), Bytes(1024, 0));
}

TEST(IcoLayout, PaletteOrderNibblesAndMaskBits) {
  IcoState ico;
  Canvas canvas = opaque(kWhite);
  canvas.at(0, 0).colour = rgb(255, 0, 0);
  ico.colors256.fill(kWhite);
  ico.colors256[0] = rgb(255, 0, 0);
  Bytes f256 = encodeIcon256(ico, canvas);
  EXPECT_EQ(span(f256, 62, 8), (Bytes{0, 0, 0xFF, 0, 0xFF, 0xFF, 0xFF, 0}));
  EXPECT_EQ(f256[2078], 0);
  EXPECT_EQ(std::count(f256.begin() + 1086, f256.begin() + 2110, 1), 1023);

  for (int row = 0; row < 32; ++row) ico.index16[row * 32] = 9, ico.index16[row * 32 + 1] = 15;
  Bytes f16 = encodeIcon16(ico, canvas);
  for (int row = 0; row < 32; ++row) EXPECT_EQ(f16[126 + 16 * row], 0x9F);

  canvas.at(0, 0).transparent = 1;
  EXPECT_EQ(encodeIcon24(canvas)[3258], 0x80);
}

TEST(IcoLayout, MoreThan256ColoursTakeTheNearestOfTheFirst256) {
  IcoState ico;
  // First 256: (r, 0, 0) and (r, 100, 0) for r < 128; then (r, 200, 0).
  for (int i = 0; i < kCellCount; ++i)
    ico.colors256[i] = i < 256 ? rgb(i % 128, i / 128 * 100, 0) : rgb(i % 128, 200, 0);
  ico.colors256[1000] = rgb(7, 50, 0);  // 50 from entries 7 and 135: the lower wins
  ico.colors256[1001] = rgb(3, 2, 0);
  buildPalette(ico, 256);
  for (int i = 0; i < kCellCount; ++i) ASSERT_LE(ico.index256[i], 255);
  EXPECT_EQ(ico.icoPalette[255], rgb(127, 100, 0));
  EXPECT_EQ(ico.index256[300], 128 + 300 % 128);
  EXPECT_EQ(ico.index256[1000], 7);
  EXPECT_EQ(ico.index256[1001], 3);
  EXPECT_EQ(encodeIcon256(ico, Canvas()).size(), 2238u);
}

TEST(SaveIcon, EveryDepthReadsBackAsTheCanvasShowed) {
  ScratchDir dir;
  for (int depth : {16, 256, 24}) {
    for (unsigned seed : {1u, 2u}) {
      ProgramState state;
      state.canvas = patternCanvas(seed);
      if (seed == 2) {  // few colours: nothing reduced at 256
        for (Cell& c : state.canvas.cells()) c.colour &= 0xC0C0C0;
      }
      state.iconSaved = false;
      const std::string path = dir.path("round.ico");
      ASSERT_TRUE(prepareAndSave(state, depth, path)) << depth;
      EXPECT_TRUE(state.iconSaved);
      EXPECT_EQ(state.ico.savePath, path);

      ProgramState reader;
      reader.ico.openPath = path;
      scanIcons(reader.ico);
      ASSERT_EQ(reader.ico.iconCount, 1);
      EXPECT_EQ(reader.ico.iconRecord[0], 1);
      EXPECT_EQ(reader.ico.iconOffset[0], 22);
      ASSERT_TRUE(loadIconOntoCanvas(reader, 0));
      for (int n = 1; n <= kCellCount; ++n) {
        const Cell& saved = state.canvas.cell(n);
        const Cell expected = saved.transparent ? Cell{kWhite, 1} : saved;
        ASSERT_EQ(reader.canvas.cell(n), expected) << depth << " cell " << n;
        if (depth == 16 && !saved.transparent) {
          ASSERT_NE(std::find(kPalette16.begin(), kPalette16.end(), saved.colour), kPalette16.end());
        }
      }
    }
  }
}

TEST(SaveIcon, ReplacesALongerFileWhole) {
  ScratchDir dir;
  const std::string path = dir.path("old.ico");
  writeFile(path, Bytes(10000, 7));
  ProgramState state;
  ASSERT_TRUE(saveIcon(state, path, 24));
  EXPECT_EQ(fs::file_size(path), 3262u);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.dir()), fs::directory_iterator()), 1);
}

TEST(SaveIcon, SavingThroughALinkUpdatesItsTargetAndKeepsPermissions) {
  ScratchDir dir;
  const std::string target = dir.path("real.ico"), link = dir.path("link.ico");
  writeFile(target, Bytes(5, 0));
  fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_symlink(target, link);
  ProgramState state;
  ASSERT_TRUE(saveIcon(state, link, 24));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(fs::file_size(target), 3262u);
  EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(SaveIcon, FailuresNameTheFileLeaveTheOldOneAndMarkNothingSaved) {
  ScratchDir dir;
  ProgramState state;
  state.iconSaved = false;
  const std::string missing = dir.path("no-such-folder/x.ico");
  IcoResult r = saveIcon(state, missing, 24);
  EXPECT_FALSE(r);
  EXPECT_NE(r.message.find(missing), std::string::npos);
  EXPECT_FALSE(state.iconSaved);

  fs::create_directory(dir.path("folder.ico"));
  EXPECT_FALSE(saveIcon(state, dir.path("folder.ico"), 16));
  EXPECT_TRUE(fs::is_directory(dir.path("folder.ico")));
  EXPECT_FALSE(saveIcon(state, dir.path("x.ico"), 8));

  // A write that fails half-way, as on a full disk.
  const std::string existing = dir.path("keep.ico");
  writeFile(existing, Bytes(100, 1));
  rlimit old{};
  getrlimit(RLIMIT_FSIZE, &old);
  auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = old;
  small.rlim_cur = 1000;
  setrlimit(RLIMIT_FSIZE, &small);
  IcoResult full = saveIcon(state, existing, 24);
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(full);
  EXPECT_NE(full.message.find(existing), std::string::npos);
  EXPECT_EQ(readFile(existing), Bytes(100, 1));
  EXPECT_FALSE(state.iconSaved);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.dir()), fs::directory_iterator()), 2);
}
