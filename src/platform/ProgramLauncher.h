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
  // Starts a program that stays open on its own (a settings window) without
  // waiting for it; false when it could not be started.
  virtual bool startDetached(const std::string& program, const std::vector<std::string>& arguments) {
    return run(program, arguments).started;
  }
};

}  // namespace pictavo
