#pragma once
// Everything the Open/Save window tests use, so each test includes just this.
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "icofile/ui/Form4.h"
#include "icofile/ui/IconPicture.h"
#include "icofile/ui/OpenCommand.h"
#include "icofile/ui/SaveCommand.h"
#include "icofile/ui/SaveForm.h"
#include "icofile/ui/WaitForm.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/ScriptedServices.h"

namespace pictavo::testing {

// A folder under PICTAVO_TEST_TMP (made if missing), removed with the object.
struct ScratchFolder {
  QTemporaryDir dir;
  ScratchFolder();
  std::string path(const std::string& name) const {
    return dir.filePath(QString::fromStdString(name)).toStdString();
  }
  std::string folder() const { return dir.path().toStdString(); }
};

// Icon k: cell 1 holds k (numberOf reads it back), the rest a pattern with a transparent corner.
Canvas numberedCanvas(int k);
int numberOf(const Canvas& canvas);
// The canvas as a file gives it back: transparent cells white.
Canvas whiteUnderTransparent(Canvas canvas);

// Icons 0..count-1 as consecutive 24-bit images; those in `unreadable` get bit count 16.
void writeIconSet(const std::string& path, int count, const std::set<int>& unreadable = {});
void writeFile(const std::string& path, const std::string& bytes);
std::string readFile(const std::string& path);  // empty if it cannot be read

// One-line labels of `form` whose text is cut off.
std::vector<std::string> clippedLabels(const QWidget& form);
// Saves `window` as `name` under PICTAVO_SCREENSHOTS (else the test folder) for looking at; checks that no
// label of it is cut off.
void screenshot(QWidget& window, const char* name);

// Runs `act` on the window of type T once it is up, from the event loop of whatever shows it (a modal
// dialog, a save prompt). Keeps looking: the timer may fire before the window shows.
template <typename T>
void whenShown(std::function<void(T&)> act) {
  QTimer::singleShot(0, [act = std::move(act)] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* found = qobject_cast<T*>(w); found && found->isVisible()) return act(*found);
    whenShown<T>(act);
  });
}
// The user closes the save-type chooser without choosing: the save is abandoned.
inline void abandonTheSave() {
  whenShown<ui::SaveForm>([](ui::SaveForm& form) { form.Command1_Click(); });
}

// The Open and Save commands on scripted dialogs and message boxes, no main window.
struct FileCommandRig {
  ProgramState state;
  ScriptedMessageBoxes boxes;
  ScriptedFileDialog dialog;
  ui::SaveCommand save{host()};
  ui::OpenCommand open{host(), save};

  ui::FileCommandHost host() { return {state, boxes, dialog, nullptr, {}, {}}; }
  // Open with `file` picked in the dialog; the chooser, if it stays up.
  ui::Form4* openFile(const std::string& file) {
    dialog.queue(file);
    open.mnuFileOpen_Click();
    return open.chooser();
  }
  // The last message shown contains `part`.
  bool lastSaid(const std::string& part) const {
    return !boxes.shown().empty() && boxes.shown().back().text.find(part) != std::string::npos;
  }
};

}  // namespace pictavo::testing
