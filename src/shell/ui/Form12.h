#pragma once
#include <optional>

#include "shell/HighColour.h"
#include "shell/ui/HelpWindows.h"

class QPushButton;

namespace pictavo::ui {

class IconPicture;

// "Enable High Color Icons": one icon at 16, 256 and 24-bit colour, and the
// ways to make the desktop show icons in all their colours.
class Form12 : public HelpWindow {
  Q_OBJECT
 public:
  explicit Form12(const HelpWindows& windows);
  IconPicture* picture(int n) const;  // 1 to 3

 public slots:
  void Command1_Click();  // Enable Full Color Icons
  void Command2_Click();  // Display
  void Command3_Click();  // Close

 private:
  QWidget* buildSamples();
  void showSamples(const Canvas& icon);
  Canvas sampleIcon() const;

  HelpWindows windows_;
  std::optional<DisplaySettingsProgram> display_;
  IconPicture* pictures_[3] = {};
  QPushButton* command1_ = nullptr;
  QPushButton* command2_ = nullptr;
};

}  // namespace pictavo::ui
