#pragma once
#include <QPointer>
#include <QWidget>
#include <functional>

#include "app/FileDialog.h"
#include "app/MessageBoxes.h"
#include "app/ProgramState.h"

namespace pictavo::ui {

// What the Open and Save commands need of the main window.
struct FileCommandHost {
  ProgramState& state;
  MessageBoxes& messages;
  FileDialog& dialog;                 // dlgCommonDialog, shared by Open and Save As
  QPointer<QWidget> mainWindow;       // parent of the icon file windows; raised after a choice
  std::function<void()> showCanvas;   // repaint the main window after the canvas changed
};

}  // namespace pictavo::ui
