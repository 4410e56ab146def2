#pragma once
#include <cstdio>
#include <memory>
#include <string>

namespace pictavo {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

inline FileHandle openForReading(const std::string& path) {
  return FileHandle(std::fopen(path.c_str(), "rb"));
}

}  // namespace pictavo
