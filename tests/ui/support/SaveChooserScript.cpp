#include "support/SaveChooserScript.h"

#include <QApplication>
#include <QTimer>

#include "icofile/ui/SaveForm.h"

namespace pictavo::testing {
namespace {

constexpr int kTries = 200;

void lookFor(const std::function<void(ui::SaveForm&)>& action, int triesLeft) {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    auto* form = qobject_cast<ui::SaveForm*>(w);
    if (form && form->isVisible()) {
      action(*form);
      return;
    }
  }
  if (triesLeft > 0) QTimer::singleShot(5, [action, triesLeft] { lookFor(action, triesLeft - 1); });
}

}  // namespace

void whenSaveChooserShows(std::function<void(ui::SaveForm&)> action) {
  QTimer::singleShot(0, [action = std::move(action)] { lookFor(action, kTries); });
}

void abandonTheSave() {
  whenSaveChooserShows([](ui::SaveForm& form) { form.Command1_Click(); });
}

}  // namespace pictavo::testing
