#include "support/SaveChooserScript.h"

#include <QApplication>
#include <QTimer>

#include "icofile/ui/SaveForm.h"

namespace pictavo::testing {

// Keeps looking until the chooser is up: the timer may fire before it shows.
void whenSaveChooserShows(std::function<void(ui::SaveForm&)> action) {
  QTimer::singleShot(0, [action = std::move(action)] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* form = qobject_cast<ui::SaveForm*>(w); form && form->isVisible()) return action(*form);
    whenSaveChooserShows(action);
  });
}

void abandonTheSave() {
  whenSaveChooserShows([](ui::SaveForm& form) { form.Command1_Click(); });
}

}  // namespace pictavo::testing
