#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "IcoTestSupport.h"
#include "icofile/ColourReduction.h"
#include "icofile/IcoWriter.h"
#include "icofile/IconSaving.h"
#include "support/ScriptedMessageBoxes.h"

using namespace pictavo;
using namespace icotest;

namespace {

Bytes span(const Bytes& b, std::size_t from, std::size_t count) {
  return Bytes(b.begin() + static_cast<std::ptrdiff_t>(from), b.begin() + static_cast<std::ptrdiff_t>(from + count));
}

// The 62 header bytes as the format fixes them, written out by hand.
Bytes expectedHeader(std::uint8_t colourCount, std::uint32_t bytesInImage, std::uint8_t bits, std::uint32_t imageSize,
                     std::uint32_t used) {
  Bytes h(62, 0);
  h[2] = 1, h[4] = 1, h[6] = 32, h[7] = 32, h[8] = colourCount, h[34] = 1, h[36] = bits;
  for (auto [at, value] : {std::pair{14u, bytesInImage}, {18u, 22u}, {22u, 40u}, {26u, 32u}, {30u, 64u},
                           {42u, imageSize}, {54u, used}})
    put32(h, at, value);
  return h;
}

// A write that fails half-way, as on a full disk.
IcoResult saveOnFullDisk(ProgramState& state, const std::string& path, Durability durability) {
  rlimit old{};
  getrlimit(RLIMIT_FSIZE, &old);
  auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = old;
  small.rlim_cur = 1000;
  setrlimit(RLIMIT_FSIZE, &small);
  IcoResult result = saveIcon(state, path, 24, durability);
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
  return result;
}

}  // namespace

TEST(IcoLayout, HeadersSizesAndMasksOfTheThreeDepths) {
  ProgramState state;  // all transparent white
  ScriptedMessageBoxes boxes;
  setIconType(state, 16, boxes);
  const Bytes t16 = encodeIcon16(state.ico, state.canvas);
  setIconType(state, 256, boxes);
  const Bytes t256 = encodeIcon256(state.ico, state.canvas), t24 = encodeIcon24(state.canvas);
  Bytes palette16;
  for (Colour c : kPalette16) palette16.insert(palette16.end(), {std::uint8_t(blueOf(c)), std::uint8_t(greenOf(c)),
                                                                 std::uint8_t(redOf(c)), 0});
  EXPECT_EQ(span(t16, 62, 64), palette16);
  EXPECT_EQ(span(t16, 126, 512), Bytes(512, 0));
  EXPECT_EQ(span(t256, 62, 2048), Bytes(2048, 0));  // one black entry, the rest unused; every index 0
  EXPECT_EQ(span(t24, 62, 3072), Bytes(3072, 0));
  for (const Bytes* f : {&t16, &t256, &t24}) EXPECT_EQ(span(*f, f->size() - 128, 128), Bytes(128, 0xFF));

  IcoState ico;
  Canvas black = canvasFilledWith(Cell{kBlack, 0});
  const Bytes f16 = encodeIcon16(ico, black), f256 = encodeIcon256(ico, black), f24 = encodeIcon24(black);
  ASSERT_EQ(f16.size(), 766u);
  ASSERT_EQ(f256.size(), 2238u);
  ASSERT_EQ(f24.size(), 3262u);
  EXPECT_EQ(span(f16, 0, 62), expectedHeader(16, 744, 4, 640, 0));
  EXPECT_EQ(span(f256, 0, 62), expectedHeader(0, 2216, 8, 1152, 256));
  EXPECT_EQ(span(f24, 0, 62), expectedHeader(0, 3240, 24, 0, 0));
  for (const Bytes* f : {&f16, &f256, &f24}) EXPECT_EQ(span(*f, f->size() - 128, 128), Bytes(128, 0));
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
}

TEST(SaveIcon, FailuresNameTheFileLeaveTheOldOneAndMarkNothingSaved) {
  ScratchDir dir;
  ProgramState state;
  state.iconSaved = false;
  const std::string missing = dir.path("no-such-folder/x.ico");
  IcoResult r = saveIcon(state, missing, 24);
  EXPECT_FALSE(r);
  EXPECT_NE(r.message.find(missing), std::string::npos);
  fs::create_directory(dir.path("folder.ico"));
  EXPECT_FALSE(saveIcon(state, dir.path("folder.ico"), 16));
  EXPECT_TRUE(fs::is_directory(dir.path("folder.ico")));
  EXPECT_FALSE(saveIcon(state, dir.path("x.ico"), 8));

  const std::string existing = dir.path("keep.ico");
  writeFile(existing, Bytes(5000, 1));
  for (Durability durability : {Durability::Immediate, Durability::Batched}) {
    IcoResult full = saveOnFullDisk(state, existing, durability);
    EXPECT_FALSE(full);
    EXPECT_NE(full.message.find(existing), std::string::npos);
    EXPECT_EQ(readFile(existing), Bytes(5000, 1));
    EXPECT_FALSE(state.iconSaved);
  }

  // Success replaces a longer file whole, through a link, keeping its permissions and leaving no temporary.
  const auto perms = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
  fs::permissions(existing, perms);
  fs::create_symlink(existing, dir.path("link.ico"));
  ASSERT_TRUE(saveIcon(state, dir.path("link.ico"), 24));
  EXPECT_TRUE(fs::is_symlink(dir.path("link.ico")));
  EXPECT_EQ(readFile(existing), encodeIcon24(state.canvas));
  EXPECT_EQ(fs::status(existing).permissions() & fs::perms::all, perms);
  EXPECT_EQ(dir.entries(), 3);
}

TEST(SaveIcon, BatchedSavesAreWholeAtOnceAndFlushedTogether) {
  ScratchDir dir;
  ProgramState state;
  state.canvas.cell(5) = Cell{rgb(1, 2, 3), 0};
  for (int n = 0; n < 4; ++n) {
    const std::string path = dir.path(std::to_string(n) + ".ico");
    if (n % 2) writeFile(path, Bytes(9000, 7));  // replaced whole, never left longer
    ASSERT_TRUE(saveIcon(state, path, 24, Durability::Batched));
    EXPECT_EQ(readFile(path), encodeIcon24(state.canvas));
  }
  EXPECT_FALSE(saveOnFullDisk(state, dir.path("new.ico"), Durability::Batched));
  EXPECT_EQ(dir.entries(), 4);
  EXPECT_EQ(flushFileSystemOf(dir.root.string()), 0);
  EXPECT_EQ(flushFileSystemOf(dir.path("missing")), ENOENT);
}
