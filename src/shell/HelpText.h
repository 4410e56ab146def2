#pragma once
#include <string>
#include <vector>

namespace pictavo {

// Where a help link leads: a topic page, the tips or the high-colour window.
enum class HelpTarget { Page1 = 1, Page2, Page3, Page4, Tips, HighColour };

struct HelpTopic {
  std::string title;
  std::string text;  // paragraphs separated by blank lines
};

struct HelpPageText {
  std::string caption;
  std::vector<HelpTopic> topics;
};

// Topic pages 1 to 4 (Form5 to Form8).
const HelpPageText& helpPageText(int page);

// The clickable labels of the help menu in order, with what each opens.
struct HelpLink {
  std::string label;
  HelpTarget target;
};
const std::vector<HelpLink>& helpMenuLinks();

// A tip; one with a link reads `text`, then the clickable "here", then `afterLink`.
struct HelpTip {
  std::string text;
  bool hasLink = false;
  HelpTarget link = HelpTarget::Page4;
  std::string afterLink;
};
const std::vector<HelpTip>& helpTips();

}  // namespace pictavo
