#pragma once
#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/MessageBoxes.h"

namespace pictavo::testing {

// Answers message boxes from a queue and records what was shown.
class ScriptedMessageBoxes : public MessageBoxes {
 public:
  struct Shown {
    std::string text, title;
    Buttons buttons;
    MessageIcon icon;
  };

  void queue(Answer a) { answers_.push_back(a); }
  const std::vector<Shown>& shown() const { return shown_; }
  std::size_t pending() const { return answers_.size(); }

  Answer show(const std::string& text, const std::string& title, Buttons buttons,
              MessageIcon icon) override {
    shown_.push_back({text, title, buttons, icon});
    if (answers_.empty()) {
      if (buttons == Buttons::Ok) return Answer::Ok;
      throw std::logic_error("unexpected message box: " + title + ": " + text);
    }
    Answer a = answers_.front();
    answers_.pop_front();
    return a;
  }

 private:
  std::deque<Answer> answers_;
  std::vector<Shown> shown_;
};

}  // namespace pictavo::testing
