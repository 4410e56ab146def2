// Scan throughput against a plain memmem loop over the same page-cached file and
// over the same bytes in memory,
// peak memory, and the per-call cost of decoding, writing and colour counting.
// Usage: bench_scan [file] [megabytes]   (default /tmp/pictavo-bench-scan.bin, 256)
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "icofile/ColourReduction.h"
#include "icofile/IcoFormat.h"
#include "icofile/IcoWriter.h"
#include "icofile/IconDecoder.h"
#include "icofile/IconSaving.h"
#include "icofile/IconScanner.h"
#include "tools/Commands.h"

using namespace pictavo;
using Clock = std::chrono::steady_clock;

namespace {

double secondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

long peakKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

struct Random {
  std::uint64_t state = 0x9E3779B97F4A7C15ull;
  std::uint64_t next() {
    state ^= state << 13, state ^= state >> 7, state ^= state << 17;
    return state;
  }
};

// Executable-like content: random stretches, zero runs and small-valued data,
// with an icon header every 16 MB.
bool generate(const std::string& path, std::size_t megabytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  Random rng;
  std::vector<std::uint8_t> block(1 << 20);
  for (std::size_t mb = 0; mb < megabytes; ++mb) {
    for (std::size_t at = 0; at < block.size(); at += 4096) {
      const auto kind = rng.next() % 4;
      for (std::size_t i = at; i < at + 4096; i += 8) {
        std::uint64_t v = kind == 0 ? 0 : kind == 1 ? rng.next() & 0x0F0F0F0F0F0F0F0Full : rng.next();
        std::memcpy(&block[i], &v, 8);
      }
    }
    if (mb % 16 == 7) std::memcpy(&block[12345], kIconSignature.data(), kIconSignature.size());
    if (std::fwrite(block.data(), 1, block.size(), f) != block.size()) return std::fclose(f), false;
  }
  return std::fclose(f) == 0;
}

// Reads the file in 1 MB blocks; `search` is given each block with 13 bytes carried over.
template <typename Search>
double timedPass(const std::string& path, Search search) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  std::vector<std::uint8_t> buf((1 << 20) + 13);
  std::size_t carried = 0;
  const auto start = Clock::now();
  for (std::size_t got; (got = std::fread(buf.data() + carried, 1, buf.size() - carried, f)) > 0;) {
    const std::size_t filled = carried + got;
    search(buf.data(), filled);
    carried = std::min<std::size_t>(13, filled);
    std::memmove(buf.data(), buf.data() + filled - carried, carried);
  }
  const double seconds = secondsSince(start);
  std::fclose(f);
  return seconds;
}

template <typename Body>
double perCallMicroseconds(int calls, Body body) {
  const auto start = Clock::now();
  for (int i = 0; i < calls; ++i) body();
  return secondsSince(start) * 1e6 / calls;
}

Canvas manyColours() {
  Canvas c;
  Random rng;
  for (Cell& cell : c.cells()) cell = Cell{static_cast<Colour>(rng.next() & 0xFFFFFF), 0};
  return c;
}

struct AlwaysOk : MessageBoxes {
  Answer show(const std::string&, const std::string&, Buttons, MessageIcon) override { return Answer::Ok; }
};

}  // namespace

int main(int argc, char** argv) {
  const std::string path = argc > 1 ? argv[1] : "/tmp/pictavo-bench-scan.bin";
  const std::size_t megabytes = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 256;
  if (!generate(path, megabytes)) return std::perror(path.c_str()), 1;
  const double mb = static_cast<double>(megabytes);
  std::printf("file: %s, %zu MB\n", path.c_str(), megabytes);
  std::size_t sink = 0;
  const double plainRead = timedPass(path, [&](const std::uint8_t* d, std::size_t n) { sink += d[n / 2]; });
  std::printf("warm-up read:     %8.0f MB/s\n", mb / plainRead);

  IcoState ico;
  ico.openPath = path;
  int reports = 0;
  double scanSeconds = 1e9;
  for (int run = 0; run < 3; ++run) {
    reports = 0;
    const auto start = Clock::now();
    scanIcons(ico, [&](double) { return ++reports, true; });
    scanSeconds = std::min(scanSeconds, secondsSince(start));
  }
  double memmemSeconds = 1e9;
  std::size_t memmemHits = 0;
  for (int run = 0; run < 3; ++run) {
    memmemHits = 0;
    memmemSeconds = std::min(memmemSeconds, timedPass(path, [&](const std::uint8_t* d, std::size_t n) {
      const void* sig = kIconSignature.data();
      for (const std::uint8_t* p = d; n - (p - d) >= 14;) {
        p = static_cast<const std::uint8_t*>(memmem(p, n - (p - d), sig, 14));
        if (!p) break;
        ++memmemHits, ++p;
      }
    }));
  }
  std::printf("scanIcons:        %8.0f MB/s  (%d icons, %d progress calls)\n", mb / scanSeconds,
              ico.iconCount, reports);
  std::printf("memmem loop:      %8.0f MB/s  (%zu hits)  scan/memmem speed ratio %.2f\n", mb / memmemSeconds,
              memmemHits, memmemSeconds / scanSeconds);
  std::printf("peak memory:      %8ld KB (ru_maxrss, whole process)\n", peakKilobytes());
  {
    // The same search over bytes already in memory (what the fuzz targets drive).
    std::vector<std::uint8_t> bytes(std::min<std::size_t>(megabytes, 64) << 20);
    std::FILE* f = std::fopen(path.c_str(), "rb");
    const std::size_t got = f ? std::fread(bytes.data(), 1, bytes.size(), f) : 0;
    if (f) std::fclose(f);
    IcoState inMemory;
    double seconds = 1e9;
    for (int run = 0; run < 3; ++run) {
      const auto start = Clock::now();
      scanIconsInMemory(inMemory, bytes.data(), got, [](double) { return true; });
      seconds = std::min(seconds, secondsSince(start));
    }
    std::printf("scanIconsInMemory:%8.0f MB/s  (%d icons in the first %zu MB)\n", double(got >> 20) / seconds,
                inMemory.iconCount, got >> 20);
  }

  ProgramState state;
  state.canvas = manyColours();
  AlwaysOk ok;
  const std::string icon = path + ".ico";
  setIconType(state, 256, ok);
  saveIcon(state, icon, 256);
  state.ico.openPath = icon;
  scanIcons(state.ico);
  const std::vector<std::uint8_t> bytes = encodeIcon24(state.canvas);
  std::printf("loadTempIco (file, 8-bit):  %8.2f us\n", perCallMicroseconds(5000, [&] { loadTempIco(state.ico, 0); }));
  std::printf("decodeIconImage (24-bit):   %8.2f us\n",
              perCallMicroseconds(50000, [&] { decodeIconImage(bytes.data() + 22, bytes.size() - 22, state.ico); }));
  std::printf("encodeIcon16:               %8.2f us\n", perCallMicroseconds(20000, [&] { sink += encodeIcon16(state.ico, state.canvas).size(); }));
  std::printf("encodeIcon256:              %8.2f us\n", perCallMicroseconds(5000, [&] { sink += encodeIcon256(state.ico, state.canvas).size(); }));
  std::printf("encodeIcon24:               %8.2f us\n", perCallMicroseconds(20000, [&] { sink += encodeIcon24(state.canvas).size(); }));
  std::printf("saveIcon 24-bit (fsync):    %8.2f us\n", perCallMicroseconds(50, [&] { saveIcon(state, icon, 24); }));
  std::printf("countColors:                %8.2f us\n", perCallMicroseconds(20000, [&] { sink += countColors(state); }));
  std::printf("recountColors:              %8.2f us\n", perCallMicroseconds(20000, [&] { sink += recountColors(state.ico); }));
  std::printf("setIconType 16:             %8.2f us\n", perCallMicroseconds(5000, [&] { setIconType(state, 16, ok); }));
  std::printf("setIconType 256 (3 passes): %8.2f us\n", perCallMicroseconds(2000, [&] { setIconType(state, 256, ok); }));
  std::remove(icon.c_str());
  return sink == 42 ? 2 : 0;
}
