#pragma once
#include <thread>

namespace pictavo::ui {

// Reading the system's font configuration is the largest single cost of showing
// text: it runs on a thread of its own while the main window builds its menus and
// toolbar, and is awaited before the first text, so the toolkit finds it ready.
// Text shown earlier (a first-run question) is still safe: fontconfig then builds
// the configuration on both threads and keeps one.
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
