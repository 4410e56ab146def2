#include <gtest/gtest.h>

#include <random>

#include "IcoTestSupport.h"
#include "icofile/IcoWriter.h"
#include "icofile/IconDecoder.h"
#include "icofile/IconScanner.h"

using namespace pictavo;
using namespace icotest;

namespace {

struct ScanRun {
  ScanStatus status;
  std::vector<std::pair<int, int>> found;
  std::vector<double> progress;
  bool operator==(const ScanRun& o) const {
    return status == o.status && found == o.found && progress == o.progress;
  }
};

// Cancels when the progress reaches `cancelAt` percent (never when above 100).
ScanProgress recorder(std::vector<double>& seen, double cancelAt) {
  return [&seen, cancelAt](double p) {
    seen.push_back(p);
    return p < cancelAt;
  };
}

ScanRun collect(IcoState& ico, ScanStatus status, std::vector<double> seen) {
  ScanRun run{status, {}, std::move(seen)};
  for (int n = 0; n < ico.iconCount; ++n) run.found.push_back({ico.iconRecord[n], ico.iconOffset[n]});
  return run;
}

// The file and memory paths agree on the list, the progress calls and the
// outcome, whole and cancelled half way, and decode every found icon alike.
void expectSameResults(const std::string& path, const std::string& label) {
  const Bytes bytes = readFile(path);
  for (double cancelAt : {101.0, 50.0}) {
    IcoState fromMemory;
    std::vector<double> seen;
    const ScanStatus status = scanIconsInMemory(fromMemory, bytes.data(), bytes.size(), recorder(seen, cancelAt)).status;
    const ScanRun memoryRun = collect(fromMemory, status, seen);
    for (int blockRecords : {1, 256}) {
      IcoState fromFile;
      fromFile.openPath = path;
      seen.clear();
      const ScanStatus fileStatus = scanIcons(fromFile, recorder(seen, cancelAt), ScanOptions{blockRecords}).status;
      ASSERT_TRUE(collect(fromFile, fileStatus, seen) == memoryRun) << label << " blocks of " << blockRecords;
    }
    if (cancelAt < 100) continue;
    fromMemory.openPath = path;
    IcoState fromFile = fromMemory;
    for (int k = 0; k < fromMemory.iconCount; ++k) {
      const DecodeStatus memoryStatus = loadTempIcoFromMemory(fromMemory, k, bytes.data(), bytes.size()).status;
      ASSERT_EQ(loadTempIco(fromFile, k).status, memoryStatus) << label << " icon " << k;
      ASSERT_EQ(fromFile.tempColors, fromMemory.tempColors) << label << " icon " << k;
      ASSERT_EQ(fromFile.tempTransparent, fromMemory.tempTransparent) << label << " icon " << k;
    }
    EXPECT_EQ(loadTempIcoFromMemory(fromMemory, fromMemory.iconCount, bytes.data(), bytes.size()).status,
              DecodeStatus::NotDecodable);
  }
}

}  // namespace

TEST(MemoryAndFile, GeneratedFilesGiveIdenticalResults) {
  ScratchDir dir;
  std::vector<std::pair<std::string, Bytes>> corpus;
  Canvas canvas = patternCanvas(3);
  IcoState ico;
  for (Cell& c : canvas.cells()) ico.index16[&c - canvas.cells().data()] = std::int16_t(c.colour & 15);
  ico.colors256 = {};
  corpus.push_back({"written-16", encodeIcon16(ico, canvas)});
  corpus.push_back({"written-256", encodeIcon256(ico, canvas)});
  corpus.push_back({"written-24", encodeIcon24(canvas)});

  // Images of every bit count at record edges, straddling them, and cut off by the end.
  Bytes edges(20000, 0x28);
  const std::int64_t at[] = {0, 4084, 8193, 12290, 15600, 19900, 19990};
  int k = 0;
  for (int bits : {1, 4, 8, 24, 32, 16, 2}) {
    ImageSpec image(bits, std::vector<Colour>(bits <= 8 ? 1u << bits : 0u, 0x123456));
    image.pixel = [bits](int x, int y) { return std::uint32_t(x * 7 + y) & (bits >= 24 ? 0xFFFFFFFF : (1u << bits) - 1); };
    image.transparent = [](int x, int y) { return (x ^ y) % 5 == 0; };
    place(edges, at[k++], makeImage(image));
  }
  edges.resize(19995);
  corpus.push_back({"edges", edges});

  Bytes full;  // more headers than the list holds
  for (int n = 0; n < kMaxFoundIcons + 3; ++n) place(full, full.size(), signature());
  corpus.push_back({"full", full});

  std::mt19937 rng(11);
  for (std::size_t size : {0, 1, 13, 14, 4097, 4098, 8194, 30000}) {
    Bytes noise(size);
    for (auto& b : noise) b = std::uint8_t(rng() % 3 == 0 ? 0x28 : rng());
    for (std::size_t n = 0; size >= 14 && n < 5; ++n) place(noise, rng() % (size - 13), signature());
    corpus.push_back({"noise-" + std::to_string(size), noise});
  }
  for (const auto& [name, bytes] : corpus) {
    writeFile(dir.path(name), bytes);
    expectSameResults(dir.path(name), name);
  }
}

TEST(MemoryAndFile, WineExecutablesGiveIdenticalResults) {
  const fs::path root = "/usr/lib/x86_64-linux-gnu/wine/x86_64-windows";
  int files = 0;
  for (const char* name : {"shell32.dll", "user32.dll", "comctl32.dll", "comdlg32.dll", "explorer.exe",
                           "notepad.exe", "regedit.exe", "winefile.exe", "wordpad.exe", "taskmgr.exe"}) {
    const fs::path path = root / name;
    if (!fs::exists(path)) continue;
    ++files;
    expectSameResults(path.string(), name);
  }
  if (files == 0) GTEST_SKIP() << "no wine executables under " << root << " (Debian libwine)";
}
