#include <gtest/gtest.h>

#include <set>

#include "FuzzTargets.h"
#include "IconFileSeeds.h"
#include "ScratchDir.h"
#include "icofile/IcoTestSupport.h"
#include "icofile/IcoWriter.h"
#include "icofile/IconImages.h"

#ifdef PICTAVO_FUZZ_METAFILE
#include <QGuiApplication>

#include "MetafileCheck.h"
#endif

using namespace pictavo::testing;
using pictavo::fuzz::FuzzTarget;

namespace {

// The metafile renderer is built only with Qt; a model-only build cannot replay its inputs.
std::vector<FuzzTarget> replayableTargets() {
  std::vector<FuzzTarget> targets = pictavo::fuzz::fuzzTargets();
#ifdef PICTAVO_FUZZ_METAFILE
  static int argc = 1;
  static char name[] = "test_core_fuzz";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication app(argc, argv);
  targets.push_back(pictavo::fuzz::metafileFuzzTarget());
#else
  std::cout << "metafile inputs are not replayed: this build has no metafile renderer\n";
#endif
  return targets;
}

}  // namespace

// Every input that ever made a fuzz target fail is kept under its target's
// folder and must now pass the same checks.
TEST(FuzzCrashReplay, EveryKeptInputPassesItsTargetsChecks) {
  const fs::path kept = PICTAVO_FUZZ_CRASHES;
  std::set<std::string> names = {"metafile"};
  int replayed = 0;
  for (const auto& target : replayableTargets()) {
    names.insert(target.name);
    const fs::path folder = kept / target.name;
    if (!fs::is_directory(folder)) continue;
    for (const auto& entry : fs::directory_iterator(folder)) {
      if (!entry.is_regular_file() || entry.path().filename().string().front() == '.') continue;
      const Bytes input = readFile(entry.path().string());
      EXPECT_EQ(target.check(input.data(), input.size()), "") << entry.path();
      ++replayed;
    }
  }
  if (fs::is_directory(kept)) {
    for (const auto& entry : fs::directory_iterator(kept))
      EXPECT_TRUE(!entry.is_directory() || names.count(entry.path().filename().string()))
          << entry.path() << " is no fuzz target's folder";
  }
  std::cout << "replayed " << replayed << " kept inputs\n";
}

// The checks themselves must pass on well-formed input and on nothing at all.
TEST(FuzzCrashReplay, ChecksPassOnEmptyAndOrdinaryInput) {
  const std::string settings = "\"u\",\"C:\\\\icons\",\"\",\"0\",\"a\",\"b\",\"c\",\"v1\"\r\n";
  const std::string words = "--color\nFF0000\n--tool\nLine\n--drag\n0,0:31,31\n--merge\n2\n--bogus";
  const Bytes icon = pictavo::encodeIcon24(icotest::patternCanvas(7));
  Bytes icons = icon;
  icotest::place(icons, 4090, icon);  // a second copy straddling a record boundary
  for (const auto& target : replayableTargets()) {
    EXPECT_EQ(target.check(nullptr, 0), "") << target.name;
    for (const std::string& text : {settings, words, std::string(icons.begin(), icons.end())})
      EXPECT_EQ(target.check(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()), "") << target.name;
  }
}

// The generated multi-image files are what the image reader and the merge
// start from: each lists as built, and every target's checks pass on it (the
// merge keeping every other image, the reader resampling each exactly).
TEST(FuzzCrashReplay, ChecksPassOnEveryGeneratedIconFile) {
  const std::vector<std::size_t> imageCounts = {5, 2, 4, 3, 1, 5, 2};
  const auto seeds = pictavo::fuzz::iconFileSeeds();
  ASSERT_EQ(seeds.size(), imageCounts.size());
  for (std::size_t n = 0; n < seeds.size(); ++n) {
    const pictavo::ImageList list = pictavo::listIconImages(seeds[n].data(), seeds[n].size());
    EXPECT_EQ(list.status, pictavo::ImageListStatus::Listed) << "seed " << n << ": " << list.message;
    EXPECT_EQ(list.images.size(), imageCounts[n]) << "seed " << n;
    for (const auto& target : replayableTargets())
      EXPECT_EQ(target.check(seeds[n].data(), seeds[n].size()), "") << target.name << ", seed " << n;
  }
}
