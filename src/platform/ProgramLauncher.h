#pragma once
#include <string>
#include <vector>

namespace pictavo {

// How a started program ended.
struct LaunchResult {
  bool started = false;  // false: the program could not be found or run
  int exitCode = -1;
  std::string errorText;  // what went wrong, for the user; empty on success

  bool succeeded() const { return started && exitCode == 0; }
};

// Starts another program with its arguments and waits for it to end, so that the
// caller can tell whether it worked. Tests record the calls instead.
class ProgramLauncher {
 public:
  virtual ~ProgramLauncher() = default;
  virtual LaunchResult run(const std::string& program, const std::vector<std::string>& arguments) = 0;
};

}  // namespace pictavo
