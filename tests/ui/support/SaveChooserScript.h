#pragma once
#include <functional>

namespace pictavo::ui {
class SaveForm;
}

namespace pictavo::testing {

// Runs `action` on the save-type chooser once it shows, from the event loop a
// save prompt waits in.
void whenSaveChooserShows(std::function<void(ui::SaveForm&)> action);
// The user closes the chooser without choosing: the save is abandoned.
void abandonTheSave();

}  // namespace pictavo::testing
