#pragma once
#include <QPointer>
#include <QWidget>
#include <functional>
#include <string>

#include "platform/FileDialog.h"
#include "platform/MessageBoxes.h"
#include "app/ProgramState.h"

namespace pictavo::ui {

// What the Open and Save commands need of the main window.
struct FileCommandHost {
  ProgramState& state;
  MessageBoxes& messages;
  FileDialog& dialog;                 // dlgCommonDialog, shared by Open and Save As
  QPointer<QWidget> mainWindow;       // parent of the icon file windows; raised after a choice
  std::function<void()> showCanvas;   // repaint the main window after the canvas changed
  // An icon file whose icons were offered, or that was written: for the recent-files list.
  std::function<void(const std::string& path)> iconFileUsed;
  std::function<void(const std::string&)> showStatus = nullptr;  // the status bar's text; empty: its resting text
};

// Busy for as long as a command shows a dialog or scans, however it ends.
class BusyWhile {
 public:
  explicit BusyWhile(ProgramState& state) : state_(state) { state_.busy = true; }
  ~BusyWhile() { state_.busy = false; }
  BusyWhile(const BusyWhile&) = delete;
  BusyWhile& operator=(const BusyWhile&) = delete;

 private:
  ProgramState& state_;
};

}  // namespace pictavo::ui
