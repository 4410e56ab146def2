#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <map>
#include <sstream>

#include "IcoTestSupport.h"
#include "icofile/ColourReduction.h"
#include "icofile/IconDecoder.h"
#include "icofile/IconSaving.h"
#include "icofile/IconScanner.h"
#include "support/ScriptedMessageBoxes.h"

using namespace pictavo;
using namespace icotest;

namespace {

// Runs a shell command; its standard output, or nothing when it failed.
bool run(const std::string& command, std::string* output = nullptr) {
  std::FILE* pipe = ::popen((command + " 2>/dev/null").c_str(), "r");
  if (!pipe) return false;
  std::string text;
  std::array<char, 4096> chunk;
  while (std::size_t n = std::fread(chunk.data(), 1, chunk.size(), pipe)) text.append(chunk.data(), n);
  const bool ok = ::pclose(pipe) == 0;
  if (output) *output = text;
  return ok;
}

std::string pythonWithPil() {
  for (const char* python : {"/usr/bin/python3", "python3"})
    if (run(std::string(python) + " -c 'import PIL'")) return python;
  return {};
}

// A pattern canvas prepared and saved at `depth`; the canvas then shows what was written.
ProgramState savedAt(int depth, const std::string& path) {
  ProgramState state;
  state.canvas = patternCanvas(static_cast<unsigned>(depth));
  pictavo::testing::ScriptedMessageBoxes boxes;
  boxes.queue(Answer::Ok);
  setIconType(state, depth, boxes);
  applyPreparedColours(state.ico, depth, state.canvas);
  EXPECT_TRUE(saveIcon(state, path, depth));
  return state;
}

int bitCountAt(const Bytes& file, std::int64_t position) {
  return position + 14 < static_cast<std::int64_t>(file.size()) ? file[position + 14] : -1;
}

}  // namespace

TEST(IndependentReaders, IcotoolListsAndExtractsEveryDepth) {
  if (!run("icotool --version")) GTEST_SKIP() << "icotool (Debian icoutils) is not installed";
  ScratchDir dir;
  for (auto [depth, bits] : {std::pair{16, 4}, std::pair{256, 8}, std::pair{24, 24}}) {
    const std::string path = dir.path("t" + std::to_string(depth) + ".ico");
    savedAt(depth, path);
    std::string listing;
    ASSERT_TRUE(run("icotool -l '" + path + "'", &listing)) << depth;
    EXPECT_NE(listing.find("--width=32 --height=32 --bit-depth=" + std::to_string(bits)), std::string::npos)
        << listing;
    EXPECT_EQ(std::count(listing.begin(), listing.end(), '\n'), 1) << listing;
    ASSERT_TRUE(run("icotool -x -o '" + dir.path("x.png") + "' '" + path + "'")) << depth;
  }
}

TEST(IndependentReaders, PillowSeesTheCanvasPixelForPixel) {
  const std::string python = pythonWithPil();
  if (python.empty()) GTEST_SKIP() << "python3 with PIL (Debian python3-pil) is not installed";
  ScratchDir dir;
  for (int depth : {16, 256, 24}) {
    const std::string path = dir.path("p.ico");
    const ProgramState state = savedAt(depth, path);
    std::string pixels;
    ASSERT_TRUE(run(python + " -c \"from PIL import Image; im = Image.open('" + path +
                        "').convert('RGBA'); print(im.size); "
                        "print(' '.join('%d,%d,%d,%d' % im.getpixel((x, y)) "
                        "for y in range(32) for x in range(32)))\"",
                    &pixels));
    std::istringstream in(pixels);
    std::string size;
    std::getline(in, size);
    EXPECT_EQ(size, "(32, 32)");
    for (int n = 1; n <= kCellCount; ++n) {
      int r, g, b, a;
      char comma;
      ASSERT_TRUE(in >> r >> comma >> g >> comma >> b >> comma >> a) << depth;
      const Cell& cell = state.canvas.cell(n);
      if (cell.transparent) {
        ASSERT_EQ(a, 0) << depth << " cell " << n;
      } else {
        ASSERT_EQ(a, 255) << depth << " cell " << n;
        ASSERT_EQ(rgb(r, g, b), cell.colour) << depth << " cell " << n;
      }
    }
  }
}

// Icon-bearing DLLs from Debian's wine packages, when installed.
TEST(RealFiles, WineDllIconsAreFoundAndDecoded) {
  const fs::path root = "/usr/lib/x86_64-linux-gnu/wine";
  std::vector<std::string> dlls;
  for (const char* name : {"x86_64-windows/shell32.dll", "x86_64-windows/user32.dll",
                           "x86_64-windows/comctl32.dll", "i386-windows/shell32.dll"})
    if (fs::exists(root / name)) dlls.push_back((root / name).string());
  if (dlls.empty()) GTEST_SKIP() << "no wine DLLs under " << root << " (Debian libwine)";
  std::map<int, int> decodedByBits;
  for (const std::string& dll : dlls) {
    IcoState ico;
    ico.openPath = dll;
    ASSERT_EQ(scanIcons(ico).status, ScanStatus::Completed) << dll;
    const Bytes file = readFile(dll);
    for (int k = 0; k < ico.iconCount; ++k) {
      const std::int64_t position = std::int64_t(ico.iconRecord[k] - 1) * kScanRecordSize + ico.iconOffset[k];
      ASSERT_TRUE(std::equal(kIconSignature.begin(), kIconSignature.end(), file.begin() + position));
      const int bits = bitCountAt(file, position);
      const DecodeOutcome out = loadTempIco(ico, k);
      const bool readable = bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32;
      ASSERT_EQ(out.status, readable ? DecodeStatus::Decoded : DecodeStatus::NotDecodable) << dll << " " << k;
      if (readable) ++decodedByBits[bits];
    }
  }
  EXPECT_FALSE(decodedByBits.empty());
  for (auto [bits, count] : decodedByBits) std::printf("  %d-bit images decoded: %d\n", bits, count);
}

// Each found image of 1 to 24 bits, wrapped in an icon directory, as Pillow decodes it.
TEST(RealFiles, WineDllIconsDecodeAsPillowDecodesThem) {
  const std::string dll = "/usr/lib/x86_64-linux-gnu/wine/x86_64-windows/shell32.dll";
  const std::string python = pythonWithPil();
  if (!fs::exists(dll) || python.empty()) GTEST_SKIP() << "needs " << dll << " and python3 with PIL";
  ScratchDir dir;
  IcoState ico;
  ico.openPath = dll;
  scanIcons(ico);
  const Bytes file = readFile(dll);
  std::vector<std::pair<std::string, IcoState>> wrapped;
  std::map<int, int> taken;
  for (int k = 0; k < ico.iconCount; ++k) {
    const std::int64_t position = std::int64_t(ico.iconRecord[k] - 1) * kScanRecordSize + ico.iconOffset[k];
    const int bits = bitCountAt(file, position);
    if ((bits != 1 && bits != 4 && bits != 8 && bits != 24) || ++taken[bits] > 15) continue;
    const std::size_t size = 40 + (bits < 24 ? 4u << bits : 0u) + 32 * 4 * bits + 128;
    if (position + static_cast<std::int64_t>(size) > static_cast<std::int64_t>(file.size()) ||
        !loadTempIco(ico, k))
      continue;
    Bytes ico1 = {0, 0, 1, 0, 1, 0, 32, 32, 0, 0, 1, 0, static_cast<std::uint8_t>(bits), 0};
    ico1.resize(22);
    put32(ico1, 14, static_cast<std::uint32_t>(size));
    put32(ico1, 18, 22);
    ico1.insert(ico1.end(), file.begin() + position, file.begin() + position + static_cast<std::ptrdiff_t>(size));
    wrapped.emplace_back(dir.path("i" + std::to_string(k) + ".ico"), ico);
    writeFile(wrapped.back().first, ico1);
  }
  EXPECT_EQ(taken.size(), 4u) << "shell32.dll should hold 1-, 4-, 8- and 24-bit images";
  std::string script = "from PIL import Image\nimport sys\nfor p in sys.argv[1:]:\n"
                       "  im = Image.open(p).convert('RGBA')\n"
                       "  print(' '.join('%d,%d,%d,%d' % im.getpixel((x, y)) for y in range(32) for x in range(32)))\n";
  writeFile(dir.path("dump.py"), Bytes(script.begin(), script.end()));
  std::string command = python + " '" + dir.path("dump.py") + "'";
  for (const auto& w : wrapped) command += " '" + w.first + "'";
  std::string pixels;
  ASSERT_TRUE(run(command, &pixels));
  std::istringstream in(pixels);
  for (const auto& [path, decoded] : wrapped)
    for (int i = 0; i < kCellCount; ++i) {
      int r, g, b, a;
      char comma;
      ASSERT_TRUE(in >> r >> comma >> g >> comma >> b >> comma >> a) << path;
      ASSERT_EQ(decoded.tempTransparent[i], a == 0 ? 1 : 0) << path << " cell " << i + 1;
      if (a != 0) {
        ASSERT_EQ(decoded.tempColors[i], rgb(r, g, b)) << path << " cell " << i + 1;
      }
    }
}
