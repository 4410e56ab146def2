#pragma once
#include <QTemporaryDir>
#include <QWidget>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "app/MessageBoxes.h"
#include "app/ProgramState.h"
#include "canvas/Canvas.h"
#include "icofile/ui/FileCommandHost.h"
#include "icofile/ui/OpenCommand.h"
#include "icofile/ui/SaveCommand.h"
#include "support/ScriptedFileDialog.h"
#include "support/ScriptedMessageBoxes.h"

namespace pictavo::testing {

// A folder under PICTAVO_TEST_TMP (or the system's), removed with the object.
class ScratchFolder {
 public:
  ScratchFolder();
  std::string path(const std::string& name) const;
  std::string folder() const;

 private:
  QTemporaryDir dir_;
};

// A canvas that tells icon k apart from every other: cell 1 holds k, the rest
// a pattern of a few colours with a transparent corner.
Canvas numberedCanvas(int k);
// The number numberedCanvas put in cell 1.
int numberOf(const Canvas& canvas);

// Icons 0..count-1 as consecutive 24-bit images; those in `unreadable` carry
// a bit count the decoder refuses.
void writeIconSet(const std::string& path, int count, const std::set<int>& unreadable = {});
void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> readBytes(const std::string& path);

// Names of the one-line labels of `form` whose text does not fit their width.
std::vector<std::string> clippedLabels(const QWidget& form);

// The Open and Save commands on scripted dialogs and message boxes, with no
// main window: what the main window would repaint is counted instead.
struct FileCommandRig {
  ProgramState state;
  ScriptedMessageBoxes boxes;
  ScriptedFileDialog dialog;
  int repaints = 0;
  ui::SaveCommand save{host()};
  ui::OpenCommand open{host(), save};

  ui::FileCommandHost host() { return {state, boxes, dialog, nullptr, [this] { ++repaints; }}; }
  // Titles of the message boxes shown, in order.
  std::vector<std::string> titles() const;
  std::vector<std::string> texts() const;
};

}  // namespace pictavo::testing
