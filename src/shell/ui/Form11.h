#pragma once
#include <vector>

#include "shell/ui/HelpWindows.h"

namespace pictavo::ui {

class LinkLabel;

// "Tips and Tricks": bulleted tips, two of them with a clickable "here".
class Form11 : public HelpWindow {
  Q_OBJECT
 public:
  explicit Form11(const HelpWindows& windows);
  // The "here" links in order.
  const std::vector<LinkLabel*>& hereLinks() const { return here_; }

 public slots:
  void Command1_Click();  // Close

 private:
  QWidget* tipWidget(const HelpTip& tip);

  HelpWindows windows_;
  std::vector<LinkLabel*> here_;
};

}  // namespace pictavo::ui
