#pragma once

namespace pictavo::ui {

// For runs without anyone at the screen (PICTAVO_SCREENSHOT set): every message box
// that comes up is written to standard error and answered with the button named by
// PICTAVO_ANSWER ("Yes" or "No", default "No"; a box without it gets its default
// button), so a first run's question cannot hold the program up. Otherwise nothing.
void answerMessageBoxesWhenUnattended();

}  // namespace pictavo::ui
