#pragma once
#include <string>
#include <utility>

namespace pictavo {

// Outcome of an icon-file operation; `message` is ready to show the user and
// names the file. Empty on success.
struct IcoResult {
  bool ok = true;
  std::string message;

  static IcoResult success() { return {}; }
  static IcoResult failure(std::string text) { return {false, std::move(text)}; }
  explicit operator bool() const { return ok; }
};

// "Could not read <path>: <reason>" and friends, with the OS reason for errno.
std::string describeFileError(const char* action, const std::string& path, int errnoValue);

}  // namespace pictavo
