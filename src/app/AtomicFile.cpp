#include "app/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

#if __has_include(<unistd.h>)
#include <unistd.h>
#define PICTAVO_HAVE_FSYNC 1
#endif

namespace pictavo {
namespace {

std::string temporaryNameBeside(const std::string& path) {
  std::random_device entropy;
  char suffix[32];
  std::snprintf(suffix, sizeof suffix, ".tmp-%08x", static_cast<unsigned>(entropy()));
  return path + suffix;
}

bool fail(std::string* whyNot, const std::string& what) {
  if (whyNot) *whyNot = what;
  return false;
}

// The data must be on disk before the rename, or a crash could leave an empty file.
bool writeAndSync(std::FILE* file, const std::string& content) {
  if (!content.empty() && std::fwrite(content.data(), 1, content.size(), file) != content.size())
    return false;
  if (std::fflush(file) != 0) return false;
#ifdef PICTAVO_HAVE_FSYNC
  if (fsync(fileno(file)) != 0) return false;
#endif
  return true;
}

}  // namespace

bool replaceFileAtomically(const std::string& path, const std::string& content,
                           std::string* whyNot) {
  const std::string temporary = temporaryNameBeside(path);
  std::FILE* file = std::fopen(temporary.c_str(), "wbx");
  if (!file) return fail(whyNot, "cannot create " + temporary + ": " + std::strerror(errno));

  const bool written = writeAndSync(file, content);
  int problem = errno;
  const bool closed = std::fclose(file) == 0;
  if (written && !closed) problem = errno;
  std::error_code ignored;
  if (!written || !closed) {
    std::filesystem::remove(temporary, ignored);
    return fail(whyNot, "cannot write " + temporary + ": " + std::strerror(problem));
  }

  std::error_code renameError;
  std::filesystem::rename(temporary, path, renameError);
  if (renameError) {
    std::filesystem::remove(temporary, ignored);
    return fail(whyNot, "cannot replace " + path + ": " + renameError.message());
  }
  return true;
}

}  // namespace pictavo
