#pragma once
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/FileDialog.h"
#include "platform/ProgramLauncher.h"

namespace pictavo::testing {

// Records every showing and answers from a queue; with none queued it is cancelled.
class ScriptedFileDialog : public FileDialog {
 public:
  struct Shown {
    bool save;
    std::string fileName, initDir, filter;
  };
  void queue(std::string path) { answers_.push_back(std::move(path)); }
  void onShow(std::function<void()> hook) { hook_ = std::move(hook); }
  const std::vector<Shown>& shown() const { return shown_; }

 protected:
  std::string run(Mode mode) override {
    shown_.push_back({mode == Mode::Save, fileName(), initDir(), filter()});
    if (hook_) hook_();
    if (answers_.empty()) return {};
    std::string answer = answers_.front();
    answers_.pop_front();
    return answer;
  }

 private:
  std::deque<std::string> answers_;
  std::vector<Shown> shown_;
  std::function<void()> hook_;
};

// Records the programs it is asked to start and answers with a set result.
struct RecordingLauncher : ProgramLauncher {
  struct Call {
    std::string program;
    std::vector<std::string> arguments;
    bool detached = false;
  };
  LaunchResult result{true, 0, ""};
  std::vector<Call> calls;

  LaunchResult run(const std::string& program, const std::vector<std::string>& arguments) override {
    calls.push_back({program, arguments});
    return result;
  }
  bool startDetached(const std::string& program, const std::vector<std::string>& arguments) override {
    calls.push_back({program, arguments, true});
    return result.started;
  }
};

}  // namespace pictavo::testing
