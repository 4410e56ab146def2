#pragma once

class QMainWindow;

namespace pictavo::ui {

// For tests that drive the real program from outside (PICTAVO_COMMANDS=stdin): reads
// one command a line from standard input and runs it as a user would, each from the
// event loop, so commands that open modal windows do not hold up the next ones.
//   trigger NAME   runs the main window's menu item NAME (mnuHelpAbout, ...)
//   click NAME     clicks the shown control NAME (a button, or a label that acts on clicks)
//   close NAME     closes the shown window NAME
//   answer TEXT    presses the button TEXT (Yes, No, OK, ...) of the message box in front
//   file PATH      picks PATH in the file dialog in front
// What cannot be done is reported on standard error. Otherwise nothing.
void followCommandsWhenScripted(QMainWindow& mainWindow);

}  // namespace pictavo::ui
