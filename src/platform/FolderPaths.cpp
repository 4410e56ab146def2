#include "platform/FolderPaths.h"

#include <filesystem>

#include "platform/PathSeparator.h"

namespace pictavo {
namespace {
bool isSeparator(char c) { return c == kPathSeparator || c == '/'; }
}  // namespace

std::string folderOfPickedFile(const std::string& path) {
  std::size_t end = path.size();
  while (end > 0 && !isSeparator(path[end - 1])) --end;
  if (end == 0) return {};
  // The root keeps its separator; "C:\app.ico" gives "C:".
  return end == 1 ? path.substr(0, 1) : path.substr(0, end - 1);
}

std::string nearestExistingFolder(const std::string& folder) {
  namespace fs = std::filesystem;
  if (folder.empty()) return {};
  std::error_code ec;
  fs::path p = fs::path(folder).lexically_normal();
  while (!p.empty()) {
    if (fs::is_directory(p, ec)) return p.string();
    const fs::path parent = p.parent_path();
    if (parent == p) break;
    p = parent;
  }
  return {};
}

}  // namespace pictavo
