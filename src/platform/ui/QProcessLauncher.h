#pragma once
#include "platform/ProgramLauncher.h"

namespace pictavo::ui {

// Runs a program with QProcess and waits for it (at most half a minute).
class QProcessLauncher : public ProgramLauncher {
 public:
  LaunchResult run(const std::string& program, const std::vector<std::string>& arguments) override;
  bool startDetached(const std::string& program, const std::vector<std::string>& arguments) override;
};

}  // namespace pictavo::ui
