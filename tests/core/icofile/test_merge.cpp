#include <gtest/gtest.h>

#include "IconFileSupport.h"
#include "icofile/IcoWriter.h"
#include "icofile/IconDecoder.h"
#include "icofile/IconMerge.h"
#include "icofile/IconSaving.h"
#include "icofile/IconScanner.h"
#include "icofile/MultiIconSave.h"

using namespace pictavo;
using namespace icotest;

namespace {

Bytes square(int side, int bits, std::size_t paletteSize = 0) {
  AnyImage s;
  s.width = s.height = side, s.bits = bits;
  s.palette.assign(paletteSize, 0x405060);
  s.pixel = [side](int x, int y) { return std::uint32_t(x * 31 + y * side) & 0xF; };
  return makeAnyImage(s);
}

Bytes fakePng(int side) {
  Bytes b = pngHead(side, side);
  b.insert(b.end(), {1, 2, 3, 4, 5});
  return b;
}

// 16 x 16 at 4 bits, 48 x 48 at 32, a PNG of 256, 32 x 32 at 8 bits.
Bytes existingFile() {
  return makeIconFile({{16, square(16, 4, 16)}, {48, square(48, 32)}, {0, fakePng(256)}, {32, square(32, 8, 256)}});
}

struct Image {
  Bytes entry;  // without its offset field
  Bytes data;
  bool operator==(const Image& o) const { return entry == o.entry && data == o.data; }
};

// Each entry of a file with its data, checking the directory is sound on the way.
std::vector<Image> imagesOf(const Bytes& file) {
  EXPECT_GE(file.size(), 6u);
  const std::size_t count = file[4] | file[5] << 8;
  std::vector<Image> out;
  std::size_t expectedAt = 6 + 16 * count;
  for (std::size_t n = 0; n < count; ++n) {
    const std::size_t e = 6 + 16 * n;
    const std::uint32_t size = le32At(file, e + 8), at = le32At(file, e + 12);
    EXPECT_EQ(at, expectedAt) << "image " << n << " not packed in order";
    EXPECT_LE(std::size_t(at) + size, file.size());
    expectedAt = std::size_t(at) + size;
    Bytes entry(file.begin() + std::ptrdiff_t(e), file.begin() + std::ptrdiff_t(e + 12));
    out.push_back({entry, Bytes(file.begin() + at, file.begin() + at + size)});
  }
  EXPECT_EQ(expectedAt, file.size());
  return out;
}

Image imageOfNew(const Bytes& icon) { return imagesOf(icon).at(0); }

Bytes icon24(unsigned seed) { return encodeIcon24(patternCanvas(seed)); }
Bytes icon256(unsigned seed) {
  IcoState ico;
  const Canvas c = patternCanvas(seed);
  for (int i = 0; i < kCellCount; ++i) ico.colors256[std::size_t(i)] = c.cells()[std::size_t(i)].colour & 0x3F;
  return encodeIcon256(ico, c);
}

}  // namespace

// Which image the new one replaces: the one it came from, else the 32 x 32 of
// its depth, else none (added last). Every other stays byte for byte.
TEST(Merge, ReplacesTheRightImageAndKeepsEveryOtherByteForByte) {
  const Bytes old = existingFile();
  const std::vector<Image> before = imagesOf(old);
  const std::int64_t of16 = le32At(old, 6 + 12), of48 = le32At(old, 6 + 16 + 12);
  struct Case { Bytes icon; std::int64_t replaceOffset; int replaced; };  // -1: added
  for (const Case& c : {Case{icon24(1), -1, -1}, Case{icon256(2), -1, 3}, Case{icon24(3), of16, 0},
                        Case{icon256(4), of48, 1}, Case{icon256(5), 12345, 3}, Case{icon24(6), 12345, -1}}) {
    const Merge m = mergeIconImage(old.data(), old.size(), c.icon, c.replaceOffset);
    ASSERT_EQ(m.status, MergeStatus::Merged) << m.problem;
    const std::vector<Image> after = imagesOf(m.bytes);
    std::vector<Image> expected = before;
    if (c.replaced < 0) expected.push_back(imageOfNew(c.icon));
    else expected[std::size_t(c.replaced)] = imageOfNew(c.icon);
    EXPECT_TRUE(after == expected) << "replacing " << c.replaced;
    const int index = c.replaced < 0 ? 4 : c.replaced;
    EXPECT_EQ(m.imageIndex, index);
    EXPECT_EQ(m.imageOffset, le32At(m.bytes, 6 + 16 * std::size_t(index) + 12));
    EXPECT_EQ(m.kept, 4 - (c.replaced >= 0));
    EXPECT_EQ(m.replaced, c.replaced >= 0);
  }
}

TEST(Merge, OnlySoundIconFilesAreMerged) {
  const Bytes good = existingFile();
  auto changed = [&good](std::size_t at, std::uint32_t v) {
    Bytes b = good;
    put32(b, at, v);
    return b;
  };
  Bytes cut = good;
  cut.resize(cut.size() - 1);
  Bytes none = good;
  none[4] = 0;
  Bytes full = makeIconFile({{16, square(16, 4, 16)}});
  full[4] = full[5] = 0xFF;
  const std::uint32_t directoryEnd = 6 + 16 * 65535;
  full.resize(directoryEnd, 0);
  for (std::size_t n = 0; n < 65535; ++n) put32(full, 6 + 16 * n + 8, 8), put32(full, 6 + 16 * n + 12, directoryEnd);
  full.resize(directoryEnd + 8, 0x11);
  struct Case { Bytes target; MergeStatus status; };
  for (const Case& c : {Case{changed(6 + 12, 3), MergeStatus::Unmergeable},       // data inside the directory
                        Case{changed(6 + 16 + 8, 1u << 30), MergeStatus::Unmergeable},  // runs past the end
                        Case{cut, MergeStatus::Unmergeable}, Case{none, MergeStatus::Unmergeable},
                        Case{full, MergeStatus::Unmergeable}, Case{Bytes{0, 0, 1, 0, 9}, MergeStatus::Unmergeable},
                        Case{makeIconFile({{16, square(16, 4, 16)}}, 2), MergeStatus::NotIco},
                        Case{Bytes{'M', 'Z', 0, 0}, MergeStatus::NotIco}, Case{Bytes{}, MergeStatus::NotIco}}) {
    const Merge m = mergeIconImage(c.target.data(), c.target.size(), icon24(1), -1);
    EXPECT_EQ(m.status, c.status) << m.problem;
    EXPECT_TRUE(m.bytes.empty());
    EXPECT_EQ(m.problem.empty(), c.status == MergeStatus::NotIco);
  }
  // A full file still takes a replacement.
  put32(full, 6 + 12, directoryEnd);
  EXPECT_EQ(mergeIconImage(full.data(), full.size(), icon24(1), directoryEnd).status, MergeStatus::Merged);
}

namespace {

ProgramState stateWith(unsigned seed) {
  ProgramState s;
  s.canvas = patternCanvas(seed);
  return s;
}

}  // namespace

// New or foreign targets get exactly the one-image file of a plain save.
TEST(MultiIconSave, NewAndForeignTargetsGetThePlainFile) {
  ScratchDir dir;
  ProgramState plain = stateWith(8);
  ASSERT_TRUE(saveIcon(plain, dir.path("plain.ico"), 24));
  const Bytes expected = readFile(dir.path("plain.ico"));
  const Bytes damaged = Bytes{0, 0, 1, 0, 3, 0, 1, 2};
  for (const auto& [name, before] : {std::pair{std::string("new.ico"), Bytes{}}, {"program.exe", Bytes{'M', 'Z', 1}},
                                     {"text.ico", Bytes{'h', 'i'}}, {"damaged.ico", damaged}}) {
    if (!before.empty()) writeFile(dir.path(name), before);
    ProgramState s = stateWith(8);
    s.iconSaved = false;
    const MultiIconSave saved = saveIconKeepingImages(s, dir.path(name), 24);
    ASSERT_TRUE(saved.result) << saved.result.message;
    EXPECT_EQ(readFile(dir.path(name)), expected) << name;
    EXPECT_TRUE(s.iconSaved);
    EXPECT_EQ(s.ico.originOffset, 22);
    EXPECT_EQ(saved.note.empty(), name != "damaged.ico") << saved.note;
  }
}

TEST(MultiIconSave, KeepsTheTargetsImagesAndReplacesTheOneItCameFrom) {
  ScratchDir dir;
  const std::string path = dir.path("many.ico");
  writeFile(path, existingFile());
  // Open the 32 x 32 image as the editor would, then save it back at another depth.
  ProgramState s;
  s.ico.openPath = path;
  scanIcons(s.ico);
  ASSERT_EQ(s.ico.iconCount, 1);
  ASSERT_TRUE(loadIconOntoCanvas(s, 0));
  MultiIconSave saved = saveIconKeepingImages(s, path, 24);
  ASSERT_TRUE(saved.result) << saved.result.message;
  EXPECT_TRUE(saved.replaced);
  EXPECT_EQ(saved.kept, 3);
  EXPECT_FALSE(saved.note.empty());
  // Saved twice more at two depths: still one 32 x 32 image, now the last written.
  saved = saveIconKeepingImages(s, path, 24);
  ASSERT_TRUE(saved.replaced);
  const std::int64_t lastOffset = s.ico.originOffset;
  const std::vector<Image> after = imagesOf(readFile(path));
  ASSERT_EQ(after.size(), 4u);
  EXPECT_EQ(after[3].data, imageOfNew(encodeIcon24(s.canvas)).data);
  EXPECT_EQ(lastOffset, le32At(readFile(path), 6 + 16 * 3 + 12));
  const std::vector<Image> before = imagesOf(existingFile());
  for (std::size_t n = 0; n < 3; ++n) EXPECT_TRUE(after[n] == before[n]) << n;

  // A target that cannot be read is refused and left alone.
  HeldFifo fifo(dir.path("pipe.ico"));
  ASSERT_GE(fifo.fd, 0);
  EXPECT_FALSE(saveIconKeepingImages(s, fifo.path, 24).result);
}
