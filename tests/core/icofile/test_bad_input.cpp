#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "IcoTestSupport.h"
#include "icofile/FileHandle.h"
#include "icofile/IconDecoder.h"
#include "icofile/IconScanner.h"

using namespace pictavo;
using namespace icotest;

// Seeded random and mutated inputs; under the sanitizer build these are the
// tests that catch out-of-bounds reads and overflows.
namespace {

std::vector<std::int64_t> naiveSearch(const Bytes& file) {
  std::vector<std::int64_t> hits;
  for (std::size_t p = 0; p + kIconSignature.size() <= file.size(); ++p)
    if (std::equal(kIconSignature.begin(), kIconSignature.end(), file.begin() + static_cast<std::ptrdiff_t>(p)))
      hits.push_back(static_cast<std::int64_t>(p));
  return hits;
}

// Bytes drawn mostly from the signature's own values, with whole and partial
// signatures planted near record boundaries and the end.
Bytes randomFile(std::mt19937& rng) {
  const std::size_t size = rng() % 3 == 0 ? rng() % 64 : rng() % 20000;
  const std::uint8_t alphabet[] = {0x00, 0x28, 0x20, 0x40, 0x01, 0xFF};
  Bytes file(size);
  for (auto& b : file) b = rng() % 4 ? alphabet[rng() % 6] : static_cast<std::uint8_t>(rng());
  for (int n = rng() % 6; n > 0 && size > 0; --n) {
    std::size_t at = rng() % 2 ? (rng() % 5 + 1) * kScanRecordSize - rng() % 16 : rng() % size;
    if (rng() % 3 == 0) at = size - rng() % 16;
    for (std::size_t m = 0; m < kIconSignature.size() && at + m < size; ++m) file[at + m] = kIconSignature[m];
  }
  return file;
}

Bytes mutatedImage(std::mt19937& rng) {
  const int bits = std::vector<int>{1, 4, 8, 24, 32}[rng() % 5];
  ImageSpec s(bits, std::vector<Colour>(bits <= 8 ? 1u << bits : 0u, 0x123456));
  s.pixel = [&rng](int, int) { return static_cast<std::uint32_t>(rng()); };
  s.transparent = [&rng](int, int) { return rng() % 2 == 0; };
  Bytes b = makeImage(s);
  for (int flips = rng() % 12; flips > 0; --flips) b[rng() % b.size()] = static_cast<std::uint8_t>(rng());
  if (rng() % 3 == 0) b.resize(rng() % b.size());
  return b;
}

// Decoded cells are 0/1 flagged and white when transparent; a refused image is wholly transparent white.
void expectWhollyDecodedOrBlank(DecodeStatus status, const IcoState& ico) {
  for (int i = 0; i < kCellCount; ++i) {
    const bool blank = status != DecodeStatus::Decoded || ico.tempTransparent[i] == 1;
    ASSERT_TRUE(blank ? ico.tempColors[i] == kWhite && ico.tempTransparent[i] == 1 : ico.tempTransparent[i] == 0)
        << "cell " << i + 1;
  }
}

}  // namespace

TEST(BadInput, ScannerAgreesWithANaiveSearchOnRandomFiles) {
  std::mt19937 rng(20240517);
  ScratchDir dir;
  IcoState ico;
  ico.openPath = dir.path("random.bin");
  int hits = 0;
  for (int round = 0; round < 250; ++round) {
    const Bytes file = randomFile(rng);
    writeFile(ico.openPath, file);
    ASSERT_EQ(scanIcons(ico, {}, ScanOptions{std::vector<int>{1, 2, 3, 256}[rng() % 4]}).status,
              ScanStatus::Completed);
    std::vector<std::int64_t> found;
    for (int n = 0; n < ico.iconCount; ++n)
      found.push_back(std::int64_t(ico.iconRecord[n] - 1) * kScanRecordSize + ico.iconOffset[n]);
    ASSERT_EQ(found, naiveSearch(file)) << "round " << round;
    hits += ico.iconCount;
    for (int k = 0; k < ico.iconCount; ++k) {
      const DecodeOutcome out = loadTempIco(ico, k);
      ASSERT_NE(out.status, DecodeStatus::Unreadable);
      expectWhollyDecodedOrBlank(out.status, ico);
    }
  }
  EXPECT_GT(hits, 150);
}

TEST(BadInput, DecoderSurvivesMutatedAndTruncatedImages) {
  std::mt19937 rng(99);
  IcoState ico;
  for (int round = 0; round < 2500; ++round) {
    const Bytes b = round % 4 == 0 ? randomFile(rng) : mutatedImage(rng);
    // An exactly sized copy, so the sanitizer sees any read past its end.
    std::unique_ptr<std::uint8_t[]> exact(new std::uint8_t[b.size() + 1]);
    std::copy(b.begin(), b.end(), exact.get());
    expectWhollyDecodedOrBlank(decodeIconImage(exact.get(), b.size(), ico), ico);
  }
}

TEST(BadInput, NonsensePositionsInTheFoundListNeverCrash) {
  ScratchDir dir;
  IcoState ico;
  ico.openPath = dir.path("small.bin");
  writeFile(ico.openPath, Bytes(100, 0x28));
  ico.iconCount = 4;
  const std::int32_t records[] = {0, -2147483647 - 1, 2147483647, 1};
  const std::int32_t offsets[] = {0, 7, 2147483647, -2147483647 - 1};
  for (int k = 0; k < 4; ++k) ico.iconRecord[k] = records[k], ico.iconOffset[k] = offsets[k];
  const Bytes bytes = readFile(ico.openPath);
  for (int k = 0; k < 4; ++k) {
    const DecodeOutcome out = loadTempIco(ico, k);
    EXPECT_FALSE(out) << k;
    expectWhollyDecodedOrBlank(out.status, ico);
    // The copy in memory is refused alike, never read before its start.
    const DecodeOutcome inMemory = loadTempIcoFromMemory(ico, k, bytes.data(), bytes.size());
    EXPECT_EQ(inMemory.status, out.status) << k;
    expectWhollyDecodedOrBlank(inMemory.status, ico);
  }
}

// After one failed read on the stream, later images still decode.
TEST(BadInput, LoadFromStreamRecoversFromAnEarlierReadError) {
  ScratchDir dir;
  IcoState ico;
  ico.openPath = dir.path("one.ico");
  ImageSpec s{24};
  s.pixel = [](int x, int) { return unsigned(pictavo::rgb(x, 2, 3)); };
  writeFile(ico.openPath, makeImage(s));  // shorter than the read, so it ends at end of file
  ASSERT_EQ(scanIcons(ico).status, ScanStatus::Completed);
  const FileHandle in = openForReading(ico.openPath);
  ASSERT_TRUE(in);
  std::fputc('x', in.get());  // writing to a read-only stream sets its error flag
  ASSERT_TRUE(std::ferror(in.get()));
  ASSERT_TRUE(loadTempIcoFrom(ico, 0, in.get()));
  EXPECT_EQ(ico.tempColors[5], pictavo::rgb(5, 2, 3));
}

// A pipe still being written, a device and a folder are refused by name, never read.
TEST(BadInput, ScannerAndDecoderReadOnlyRegularFiles) {
  ScratchDir dir;
  HeldFifo fifo(dir.path("pipe.ico"));
  ASSERT_GE(fifo.fd, 0);
  for (const std::string& path : {fifo.path, std::string("/dev/zero"), dir.root.string()}) {
    IcoState ico;
    ico.openPath = path;
    const ScanOutcome scan = scanIcons(ico);
    EXPECT_EQ(scan.status, ScanStatus::Unreadable) << path;
    EXPECT_EQ(scan.message, path + " is not a regular file");
    ico.iconCount = 1;  // as if the path had been swapped after the scan
    ico.iconRecord[0] = 1, ico.iconOffset[0] = 0;
    const DecodeOutcome decoded = loadTempIco(ico, 0);
    EXPECT_EQ(decoded.status, DecodeStatus::Unreadable) << path;
    EXPECT_EQ(decoded.message, path + " is not a regular file");
  }
}
