#pragma once
#include <string>

namespace pictavo {

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };
enum class MessageIcon { None, Information, Warning, Critical, Question };

// Every question and report the program shows goes through this, so the model
// can ask without knowing about windows and tests can answer on the user's behalf.
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // An empty title means the program's own title ("Pictavo").
  virtual Answer show(const std::string& text, const std::string& title, Buttons buttons,
                      MessageIcon icon = MessageIcon::None) = 0;
};

}  // namespace pictavo
