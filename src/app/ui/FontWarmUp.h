#pragma once
#include <thread>

namespace pictavo::ui {

// Reading the system's font configuration is the largest single cost of showing
// text, and nothing else at start needs it: it runs on a thread of its own while
// the toolkit connects to the display, and is awaited before the first window is
// built, so the toolkit finds it ready instead of reading it a second time.
class FontWarmUp {
 public:
  FontWarmUp();
  ~FontWarmUp();
  FontWarmUp(const FontWarmUp&) = delete;
  FontWarmUp& operator=(const FontWarmUp&) = delete;

  void wait();

 private:
  std::thread reader_;
};

}  // namespace pictavo::ui
