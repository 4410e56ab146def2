#include "support/ScriptedFileDialog.h"

namespace pictavo::testing {

std::string ScriptedFileDialog::run(Mode mode) {
  shown_.push_back({mode == Mode::Save, fileName(), initDir(), filter()});
  if (hook_) hook_(shown_.back());
  if (answers_.empty()) return {};
  std::string answer = answers_.front();
  answers_.pop_front();
  return answer;
}

}  // namespace pictavo::testing
