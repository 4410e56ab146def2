#pragma once
#include <vector>

#include "shell/ui/HelpWindows.h"

namespace pictavo::ui {

class LinkLabel;

// "Help Main Menu": clickable entries that open the topic pages, the tips and
// the high-colour window. A clicked entry stays dark blue while the menu is loaded.
class Form9 : public HelpWindow {
  Q_OBJECT
 public:
  explicit Form9(const HelpWindows& windows);
  LinkLabel* link(const QString& text) const;

 public slots:
  void Label_Click(LinkLabel* label, HelpTarget target);
  void Command1_Click();  // Close: the topic pages and the menu

 private:
  LinkLabel* addLink(const HelpLink& link, int index);

  HelpWindows windows_;
  std::vector<LinkLabel*> links_;
};

}  // namespace pictavo::ui
