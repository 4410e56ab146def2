#include "icofile/MultiIconSave.h"

#include <sys/stat.h>

#include <cerrno>
#include <filesystem>

#include "icofile/IcoFormat.h"
#include "icofile/IcoWriter.h"

namespace pictavo {
namespace {

std::vector<std::uint8_t> encodeAtDepth(ProgramState& state) {
  switch (state.saveDepth) {
    case 16: return encodeIcon16(state.ico, state.canvas);
    case 256: return encodeIcon256(state.ico, state.canvas);
    case 24: return encodeIcon24(state.canvas);
    default: return {};
  }
}

bool sameFile(const std::string& a, const std::string& b) {
  if (a.empty() || b.empty()) return false;
  std::error_code ec;
  const bool same = std::filesystem::equivalent(a, b, ec);
  return ec ? a == b : same;
}

std::string plural(int n, const char* what) { return std::to_string(n) + " " + what + (n == 1 ? "" : "s"); }

std::string noteFor(const Merge& m, const std::string& path) {
  if (m.status == MergeStatus::Unmergeable)
    return path + " could not be read as an icon file (" + m.problem + "), so it now holds only this icon";
  if (m.status != MergeStatus::Merged) return {};
  return (m.replaced ? "Replaced one image of " : "Added the icon to ") + path + " and kept " +
         plural(m.kept, m.replaced ? "other image" : "image");
}

}  // namespace

MultiIconSave saveIconKeepingImages(ProgramState& state, const std::string& path, Durability durability) {
  MultiIconSave out;
  std::vector<std::uint8_t> bytes = encodeAtDepth(state);
  if (bytes.empty()) {
    out.result = IcoResult::failure("Could not save " + path + ": unknown colour depth " +
                                    std::to_string(state.saveDepth));
    return out;
  }
  std::int64_t imageOffset = kDirectorySize;
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0 || errno != ENOENT) {
    ByteSource target = ByteSource::openFile(path);
    const std::int64_t replace = sameFile(path, state.ico.originPath) ? state.ico.originOffset : -1;
    Merge merged = target.ok() ? mergeIconImage(target, bytes, replace) : Merge{};
    if (!target.ok()) {
      out.result = IcoResult::failure(target.message());
      return out;
    }
    out.merge = merged.status;
    out.note = noteFor(merged, path);
    if (merged.status == MergeStatus::Merged) {
      out.kept = merged.kept;
      out.replaced = merged.replaced;
      imageOffset = merged.imageOffset;
      bytes = std::move(merged.bytes);
    }
  }
  if (const int err = replaceFileAtomically(path, bytes.data(), bytes.size(), durability)) {
    out.result = IcoResult::failure(describeFileError("Could not save", path, err));
    out.note.clear();
    return out;
  }
  state.ico.savePath = path;
  state.ico.originPath = path;
  state.ico.originOffset = imageOffset;
  state.iconSaved = true;
  return out;
}

MultiIconSave saveIconKeepingImages(ProgramState& state, const std::string& path, int depth,
                                    Durability durability) {
  state.saveDepth = static_cast<std::int16_t>(depth);
  return saveIconKeepingImages(state, path, durability);
}

}  // namespace pictavo
