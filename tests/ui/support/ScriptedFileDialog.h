#pragma once
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "app/FileDialog.h"

namespace pictavo::testing {

// A file dialog that records every showing and answers from a queue; with
// nothing queued it answers as a cancelled dialog does.
class ScriptedFileDialog : public FileDialog {
 public:
  struct Shown {
    bool save;  // false: shown as an Open dialog
    std::string fileName, initDir, filter;
  };

  void queue(std::string path) { answers_.push_back(std::move(path)); }
  // Runs when the dialog is shown, before it answers (to change files meanwhile).
  void onShow(std::function<void(const Shown&)> hook) { hook_ = std::move(hook); }
  const std::vector<Shown>& shown() const { return shown_; }
  std::size_t pending() const { return answers_.size(); }

 protected:
  std::string run(Mode mode) override;

 private:
  std::deque<std::string> answers_;
  std::vector<Shown> shown_;
  std::function<void(const Shown&)> hook_;
};

}  // namespace pictavo::testing
