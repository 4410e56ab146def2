#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
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
using pictavo::testing::ScriptedMessageBoxes;

namespace {

using Image = std::vector<std::pair<Colour, int>>;  // (colour, alpha) per cell

// Runs a shell command; false when it failed. Its standard output goes to `output`.
bool run(const ScratchDir& dir, const std::string& command, std::string* output = nullptr) {
  const bool ok = std::system((command + " >'" + dir.path("out.txt") + "' 2>/dev/null").c_str()) == 0;
  if (output) *output = readText(dir.path("out.txt"));
  return ok;
}

// Each icon file's 32 x 32 pixels as Pillow decodes them, in cell order.
std::vector<Image> pillowPixels(const ScratchDir& dir, const std::vector<std::string>& files) {
  writeFile(dir.path("dump.py"), "from PIL import Image\nimport sys\nfor p in sys.argv[1:]:\n"
                                 "  im = Image.open(p).convert('RGBA')\n  assert im.size == (32, 32)\n"
                                 "  print(' '.join('%d %d %d %d' % im.getpixel((x, y)) for y in range(32) for x in range(32)))\n");
  std::string command = "/usr/bin/python3 '" + dir.path("dump.py") + "'", text;
  for (const std::string& f : files) command += " '" + f + "'";
  EXPECT_TRUE(run(dir, command, &text));
  std::istringstream in(text);
  std::vector<Image> images(files.size());
  for (auto& pixels : images)
    for (int r, g, b, a; pixels.size() < kCellCount && in >> r >> g >> b >> a;) pixels.push_back({rgb(r, g, b), a});
  for (std::size_t f = 0; f < files.size(); ++f) EXPECT_EQ(images[f].size(), std::size_t(kCellCount)) << files[f];
  return images;
}

}  // namespace

// Saved at every depth, the file reads back as the canvas showed: with our own reader, and
// with icotool and Pillow when they are installed.
TEST(SaveIcon, EveryDepthReadsBackAsTheCanvasShowed) {
  ScratchDir dir;
  const bool icotool = run(dir, "icotool --version"), pillow = run(dir, "/usr/bin/python3 -c 'import PIL'");
  std::vector<std::string> paths;
  std::vector<Canvas> saved;
  for (auto [depth, bits] : {std::pair{16, 4}, {256, 8}, {24, 24}})
    for (unsigned seed : {1u, 2u}) {  // seed 2 has few colours: nothing reduced at 256
      ProgramState state;
      state.canvas = patternCanvas(seed);
      for (Cell& c : state.canvas.cells()) c.colour &= seed == 2 ? 0xC0C0C0 : 0xFFFFFF;
      state.iconSaved = false;
      ScriptedMessageBoxes boxes;
      boxes.queue(Answer::Ok);
      ASSERT_TRUE(setIconType(state, depth, boxes).accepted);
      applyPreparedColours(state.ico, depth, state.canvas);  // the canvas now shows what is written
      const std::string& path = paths.emplace_back(dir.path(std::to_string(depth) + "-" + std::to_string(seed) + ".ico"));
      ASSERT_TRUE(saveIcon(state, path, depth)) << depth;
      EXPECT_TRUE(state.iconSaved);
      EXPECT_EQ(state.ico.savePath, path);
      saved.push_back(state.canvas);
      ProgramState reader;
      reader.ico.openPath = path;
      scanIcons(reader.ico);
      ASSERT_EQ(reader.ico.iconCount, 1);
      EXPECT_EQ(std::pair(reader.ico.iconRecord[0], reader.ico.iconOffset[0]), std::pair(1, 22));
      ASSERT_TRUE(loadIconOntoCanvas(reader, 0));
      for (int n = 1; n <= kCellCount; ++n) {
        const Cell& cell = state.canvas.cell(n);
        ASSERT_EQ(reader.canvas.cell(n), cell.transparent ? Cell() : cell) << path << " cell " << n;
        const bool in16 = std::find(kPalette16.begin(), kPalette16.end(), cell.colour) != kPalette16.end();
        ASSERT_TRUE(depth != 16 || cell.transparent || in16);
      }
      std::string listing;
      if (!icotool) continue;
      ASSERT_TRUE(run(dir, "icotool -l '" + path + "'", &listing)) << path;
      EXPECT_NE(listing.find("--width=32 --height=32 --bit-depth=" + std::to_string(bits)), std::string::npos) << listing;
      EXPECT_EQ(std::count(listing.begin(), listing.end(), '\n'), 1) << listing;
      ASSERT_TRUE(run(dir, "icotool -x -o '" + dir.path("x.png") + "' '" + path + "'")) << path;
    }
  const std::vector<Image> images = pillow ? pillowPixels(dir, paths) : std::vector<Image>{};
  for (std::size_t f = 0; f < images.size(); ++f)
    for (int i = 0; i < kCellCount && images[f].size() == kCellCount; ++i) {
      const Cell& cell = saved[f].cells()[i];
      const auto [colour, alpha] = images[f][i];
      ASSERT_EQ(alpha, cell.transparent ? 0 : 255) << paths[f] << " cell " << i + 1;
      ASSERT_TRUE(cell.transparent || colour == cell.colour) << paths[f] << " cell " << i + 1;
    }
  if (!icotool || !pillow) GTEST_SKIP() << "needs icotool (Debian icoutils) and /usr/bin/python3 with PIL (python3-pil)";
}

// Icon-bearing DLLs from Debian's wine packages, when installed: every image of a bit count we
// read decodes, and from shell32.dll up to 15 of each of 1 to 24 bits, wrapped in an icon
// directory, decode as Pillow decodes them.
TEST(RealFiles, WineDllIconsDecodeAndMatchPillow) {
  const fs::path root = "/usr/lib/x86_64-linux-gnu/wine";
  ScratchDir dir;
  std::map<int, int> decodedByBits, wrappedByBits;
  std::vector<std::string> paths;
  std::vector<IcoState> wrapped;
  int dlls = 0;
  for (const std::string name : {"x86_64-windows/shell32.dll", "x86_64-windows/user32.dll",
                                 "x86_64-windows/comctl32.dll", "i386-windows/shell32.dll"}) {
    IcoState ico;
    ico.openPath = (root / name).string();
    if (!fs::exists(ico.openPath)) continue;
    ++dlls;
    ASSERT_EQ(scanIcons(ico).status, ScanStatus::Completed) << name;
    const Bytes file = readFile(ico.openPath);
    for (int k = 0; k < ico.iconCount; ++k) {
      const std::int64_t at = std::int64_t(ico.iconRecord[k] - 1) * kScanRecordSize + ico.iconOffset[k];
      ASSERT_TRUE(std::equal(kIconSignature.begin(), kIconSignature.end(), file.begin() + at));
      const int bits = at + 14 < std::int64_t(file.size()) ? file[at + 14] : -1;
      const bool readable = bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32;
      ASSERT_EQ(loadTempIco(ico, k).status, readable ? DecodeStatus::Decoded : DecodeStatus::NotDecodable) << name;
      if (!readable) continue;
      ++decodedByBits[bits];
      const std::int64_t size = 40 + (bits < 24 ? 4 << bits : 0) + 32 * 4 * bits + 128;
      if (name != "x86_64-windows/shell32.dll" || bits == 32 || ++wrappedByBits[bits] > 15 ||
          at + size > std::int64_t(file.size()))
        continue;
      Bytes ico1(22, 0);
      ico1[2] = ico1[4] = ico1[10] = 1, ico1[6] = ico1[7] = 32, ico1[12] = std::uint8_t(bits);
      put32(ico1, 14, std::uint32_t(size));
      put32(ico1, 18, 22);
      ico1.insert(ico1.end(), file.begin() + at, file.begin() + at + size);
      writeFile(paths.emplace_back(dir.path("i" + std::to_string(k) + ".ico")), ico1);
      wrapped.push_back(ico);
    }
  }
  if (dlls == 0) GTEST_SKIP() << "no wine DLLs under " << root << " (Debian libwine)";
  EXPECT_FALSE(decodedByBits.empty());
  for (auto [bits, count] : decodedByBits) std::printf("  %d-bit images decoded: %d\n", bits, count);
  if (!run(dir, "/usr/bin/python3 -c 'import PIL'")) GTEST_SKIP() << "needs /usr/bin/python3 with PIL";
  EXPECT_EQ(wrappedByBits.size(), 4u) << "shell32.dll should hold 1-, 4-, 8- and 24-bit images";
  const auto images = pillowPixels(dir, paths);
  for (std::size_t f = 0; f < paths.size(); ++f)
    for (int i = 0; i < kCellCount && images[f].size() == kCellCount; ++i) {
      const auto [colour, alpha] = images[f][i];
      ASSERT_EQ(wrapped[f].tempTransparent[i], alpha == 0 ? 1 : 0) << paths[f] << " cell " << i + 1;
      ASSERT_TRUE(alpha == 0 || wrapped[f].tempColors[i] == colour) << paths[f] << " cell " << i + 1;
    }
}
