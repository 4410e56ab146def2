#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <set>

#include "ScratchDir.h"
#include "platform/AtomicFile.h"
#include "platform/RegularFile.h"

using namespace pictavo;
using namespace pictavo::testing;

TEST(RegularFile, OnlyRegularFilesOpenAndNothingElseBlocks) {
  ScratchDir dir;
  HeldFifo fifo(dir.path("pipe"));
  ASSERT_GE(fifo.fd, 0);
  writeFile(dir.path("plain"), "abc");
  fs::create_symlink(dir.path("plain"), dir.path("link"));
  const std::pair<std::string, std::string> refused[] = {
      {fifo.path, fifo.path + " is not a regular file"},
      {dir.root.string(), dir.root.string() + " is not a regular file"},
      {"/dev/zero", "/dev/zero is not a regular file"},
      {dir.path("missing"), dir.path("missing") + ": " + std::strerror(ENOENT)}};
  for (const auto& [path, message] : refused) {
    const RegularFileOpening opening = openRegularFile(path);
    EXPECT_FALSE(opening.ok()) << path;
    EXPECT_EQ(opening.error, message);
    EXPECT_EQ(regularFileProblem(path), message);
  }
  RegularFileOpening why;
  std::FILE* linked = openRegularFileStream(dir.path("link"), &why);
  ASSERT_NE(linked, nullptr) << why.error;
  char text[4] = {};
  EXPECT_EQ(std::fread(text, 1, 4, linked), 3u);  // blocking reads again, to the end
  EXPECT_STREQ(text, "abc");
  std::fclose(linked);
}

TEST(AtomicFile, LinksAreFollowedButALoopIsRefusedAndKept) {
  ScratchDir dir;
  fs::create_symlink("self", dir.path("self"));
  fs::create_symlink("b", dir.path("a"));
  fs::create_symlink("a", dir.path("b"));
  fs::create_symlink(dir.path("a"), dir.path("into-loop"));
  for (const char* name : {"self", "a", "into-loop"}) {
    std::string whyNot;
    EXPECT_EQ(replaceFileAtomically(dir.path(name), "x", 1), ELOOP) << name;
    EXPECT_FALSE(replaceFileAtomically(dir.path(name), std::string("x"), &whyNot));
    EXPECT_NE(whyNot.find(dir.path(name)), std::string::npos);
    EXPECT_TRUE(fs::is_symlink(dir.path(name))) << name;
  }
  EXPECT_EQ(dir.entries(), 4);  // no temporary left, nothing written

  // A dangling relative link gets its target, through a second link.
  fs::create_directory(dir.path("sub"));
  fs::create_symlink("sub/new.ico", dir.path("dangling"));
  fs::create_symlink("dangling", dir.path("outer"));
  ASSERT_EQ(replaceFileAtomically(dir.path("outer"), "data", 4), 0);
  EXPECT_TRUE(fs::is_symlink(dir.path("outer")) && fs::is_symlink(dir.path("dangling")));
  EXPECT_EQ(readText(dir.path("sub/new.ico")), "data");
}

bool noRandom(unsigned&) { return false; }
bool stuckRandom(unsigned& bits) {
  bits = 0x1234;
  return true;
}

// Files left by a crash under every name a save would try never block a later save,
// whether the random source fails or keeps giving the same bits.
TEST(AtomicFile, LeftoverTemporaryFilesNeverBlockASave) {
  for (const RandomSource random : {noRandom, stuckRandom}) {
    ScratchDir dir;
    const std::string target = dir.path("icon.ico");
    std::set<std::string> leftovers;
    for (int attempt = 0; attempt < 8; ++attempt) leftovers.insert(temporaryNameBeside(target, attempt, random));
    EXPECT_EQ(leftovers.size(), random == noRandom ? 8u : 5u);
    for (const std::string& name : leftovers) writeFile(name, "crash");
    for (const std::string content : {"new", "newer"}) {
      ASSERT_EQ(replaceFileAtomically(target, content.data(), content.size(), Durability::Immediate, random), 0);
      EXPECT_EQ(readText(target), content);
    }
    for (const std::string& name : leftovers) EXPECT_EQ(readText(name), "crash");  // not ours to remove
    EXPECT_EQ(dir.entries(), long(leftovers.size()) + 1);
  }
}
