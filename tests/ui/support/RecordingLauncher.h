#pragma once
#include <string>
#include <vector>

#include "app/ProgramLauncher.h"

namespace pictavo::testing {

// Records the programs it is asked to start and answers with a set result.
class RecordingLauncher : public ProgramLauncher {
 public:
  struct Call {
    std::string program;
    std::vector<std::string> arguments;
  };

  LaunchResult result{true, 0, ""};
  std::vector<Call> calls;

  LaunchResult run(const std::string& program, const std::vector<std::string>& arguments) override {
    calls.push_back({program, arguments});
    return result;
  }
};

}  // namespace pictavo::testing
