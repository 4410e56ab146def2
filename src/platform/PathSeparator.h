#pragma once
#include <string>

namespace pictavo {

#ifdef _WIN32
constexpr char kPathSeparator = '\\';
#else
constexpr char kPathSeparator = '/';
#endif

inline bool endsWithSeparator(const std::string& path) {
  return !path.empty() && (path.back() == kPathSeparator || path.back() == '/');
}

// An empty path stays empty rather than turning into the root folder.
inline std::string withTrailingSeparator(const std::string& path) {
  return path.empty() || endsWithSeparator(path) ? path : path + kPathSeparator;
}

}  // namespace pictavo
