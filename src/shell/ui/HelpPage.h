#pragma once
#include "shell/ui/HelpWindows.h"

class QBoxLayout;

namespace pictavo::ui {

// Topic pages 1 to 4 (Form5 to Form8): a heading and a paragraph per topic,
// chained by "< Back" and "Next >".
class HelpPage : public HelpWindow {
  Q_OBJECT
 public:
  HelpPage(const HelpWindows& windows, int number);
  int number() const { return number_; }

 public slots:
  void Command1_Click();  // < Back
  void Command2_Click();  // Next >
  void Command3_Click();  // Close

 private:
  QWidget* buildTopics();
  void buildButtons(QBoxLayout& row);

  HelpWindows windows_;
  int number_;
};

}  // namespace pictavo::ui
