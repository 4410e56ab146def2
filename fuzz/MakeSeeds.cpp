// Writes starting corpora for the fuzz targets: icons in every depth we write
// and read, headers on record edges, slices of real executables around their
// icons, icon files of many images and small executables with icon
// resources, settings files and edit scripts.
// Usage: make_fuzz_seeds OUT_DIR [EXECUTABLE...]
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "icofile/ColourReduction.h"
#include "icofile/IcoFormat.h"
#include "icofile/IcoWriter.h"
#include "icofile/IconScanner.h"
#include "IconFileSeeds.h"

namespace fs = std::filesystem;
using namespace pictavo;
using Bytes = std::vector<std::uint8_t>;

namespace {

void save(const fs::path& folder, const std::string& name, const Bytes& bytes) {
  fs::create_directories(folder);
  std::ofstream(folder / name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}
void save(const fs::path& folder, const std::string& name, const std::string& text) {
  save(folder, name, Bytes(text.begin(), text.end()));
}

Canvas stripes(unsigned seed) {
  Canvas c;
  for (int i = 0; i < kCellCount; ++i)
    c.cells()[i] = {static_cast<Colour>((i * 2654435761u + seed * 40503u) & 0xFFFFFF), std::int16_t(i % 13 == 0)};
  return c;
}

void writtenIcons(const fs::path& folder) {
  for (unsigned seed = 0; seed < 3; ++seed) {
    const Canvas canvas = stripes(seed);
    IcoState ico;
    copySourceColours(ico, canvas);
    prepare16(ico, canvas);
    prepare256(ico, canvas, kCellCount);
    const std::string n = std::to_string(seed);
    save(folder, "icon16-" + n, encodeIcon16(ico, canvas));
    save(folder, "icon256-" + n, encodeIcon256(ico, canvas));
    Bytes icon24 = encodeIcon24(canvas);
    save(folder, "icon24-" + n, icon24);
    // The same image with its header straddling the first record's end.
    Bytes straddling(4090 + seed, 0);
    straddling.insert(straddling.end(), icon24.begin() + kDirectorySize, icon24.end());
    save(folder, "straddling-" + n, straddling);
  }
}

// Up to 12 KB around each icon found, so seeds hold real images of every bit count.
void slicesOf(const fs::path& folder, const std::string& path, int& kept) {
  std::ifstream in(path, std::ios::binary);
  const Bytes file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  IcoState ico;
  scanIconsInMemory(ico, file.data(), file.size());
  for (int k = 0; k < ico.iconCount && kept < 300; k += 3, ++kept) {
    const std::int64_t at = std::int64_t(ico.iconRecord[k] - 1) * kScanRecordSize + ico.iconOffset[k];
    const std::int64_t from = std::max<std::int64_t>(0, at - (k * 997) % 4097);
    const std::int64_t to = std::min<std::int64_t>(std::int64_t(file.size()), from + 12288);
    save(folder, fs::path(path).filename().string() + "-" + std::to_string(k),
         Bytes(file.begin() + from, file.begin() + to));
  }
}

void settingsFiles(const fs::path& folder) {
  save(folder, "plain", "\"User\",\"C:\\Icons\\\",\"C:\\Pictures\\\",\"0\",\"1\",\"\",\"x\",\"2.0\"\r\n");
  save(folder, "bom-lf", "\xEF\xBB\xBF\"a\",\"b\",\"c\",\"d\",\"e\",\"f\",\"g\"\n");
  save(folder, "quotes", "\"say \"\"hi\"\"\", bare ,\"\",\"\",\"\",\"\",\"\",\"\"\r\n\r\n");
  save(folder, "lines", "\"a\"\r\n\"b\"\r\n\"c\",\"d\"\n\"e\",\"f\",\"g\",\"h\"");
}

void editScripts(const fs::path& folder) {
  const std::vector<std::string> scripts = {
      "--color\nFF0000\n--tool\nLine\n--drag\n0,0:31,31\n--tool\nCircleFill\n--drag\n16,16:20,5",
      "--tool\nBox\n--press\n3,3\n--move\n9,12\n--release\n9,12\n--undo\n--redo\n--flip-x\n--rotate",
      "--transparent-pen\n--tool\nFill\n--click\n5,5\n--merge\n3\n--bw\n--brighter\n--less-contrast",
      "--tool\nPointer\n--drag\n2,2:10,10\n--tool\nPaste\n--click\n20,20\n--backup\n--new\n--restore",
      "in.ico\n--index\n2\n--slide-up\n--slide-left\n--darker\n--more-contrast\n--slide-down\n--slide-right",
  };
  for (std::size_t i = 0; i < scripts.size(); ++i) save(folder, "script" + std::to_string(i), scripts[i]);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: make_fuzz_seeds OUT_DIR [EXECUTABLE...]\n";
    return 1;
  }
  const fs::path out = argv[1];
  writtenIcons(out / "icon_file");
  for (const char* target : {"icon_images", "icon_merge"}) {
    const auto files = pictavo::fuzz::iconFileSeeds();
    for (std::size_t n = 0; n < files.size(); ++n) save(out / target, "seed" + std::to_string(n), files[n]);
  }
  int kept = 0;
  for (int i = 2; i < argc; ++i) slicesOf(out / "icon_file", argv[i], kept);
  // The reading half of icon_file starts from the same inputs.
  fs::copy(out / "icon_file", out / "icon_read", fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  settingsFiles(out / "settings_file");
  editScripts(out / "edit_operations");
  std::cout << "seeds in " << out.string() << " (" << kept << " slices of executables)\n";
  return 0;
}
