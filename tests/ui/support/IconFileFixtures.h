#pragma once
#include <QTemporaryDir>
#include <QWidget>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "icofile/ui/OpenCommand.h"
#include "icofile/ui/SaveCommand.h"
#include "support/ScriptedFileDialog.h"
#include "support/ScriptedMessageBoxes.h"

namespace pictavo::testing {

// A folder under PICTAVO_TEST_TMP, removed with the object.
struct ScratchFolder {
  QTemporaryDir dir;
  ScratchFolder();
  std::string path(const std::string& name) const { return dir.filePath(QString::fromStdString(name)).toStdString(); }
  std::string folder() const { return dir.path().toStdString(); }
};

// Icon k: cell 1 holds k (numberOf reads it back), the rest a pattern with a transparent corner.
Canvas numberedCanvas(int k);
int numberOf(const Canvas& canvas);
// The canvas as a file gives it back: transparent cells white.
Canvas whiteUnderTransparent(Canvas canvas);

// Icons 0..count-1 as consecutive 24-bit images; those in `unreadable` get bit count 16.
void writeIconSet(const std::string& path, int count, const std::set<int>& unreadable = {});
void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> readBytes(const std::string& path);

// One-line labels of `form` whose text is cut off.
std::vector<std::string> clippedLabels(const QWidget& form);

// The Open and Save commands on scripted dialogs and message boxes, no main window.
struct FileCommandRig {
  ProgramState state;
  ScriptedMessageBoxes boxes;
  ScriptedFileDialog dialog;
  ui::SaveCommand save{host()};
  ui::OpenCommand open{host(), save};

  ui::FileCommandHost host() { return {state, boxes, dialog, nullptr, {}}; }
  std::string lastText() const { return boxes.shown().empty() ? "" : boxes.shown().back().text; }
};

}  // namespace pictavo::testing
