#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "app/Settings.h"
#include "canvas/Canvas.h"
#include "canvas/DrawingColour.h"
#include "canvas/GridGeometry.h"
#include "canvas/Preview.h"
#include "icofile/IcoState.h"
#include "tools/ToolState.h"

namespace pictavo {

// Everything that lives as long as the program: the canvas, the pen, the tool,
// the flags, the undo levels, the reader's and writer's tables and the settings.
// Windows receive one of these; tests build a fresh one.
struct ProgramState {
  Canvas canvas;
  Preview preview;
  DrawingColour colour;
  std::string tool;               // "" behaves as the pen
  bool iconSaved = true;          // no unsaved change
  bool busy = false;              // a dialog, scan or load runs: grid input is dropped
  std::int16_t saveDepth = 24;    // 16, 256 or 24: what SaveAs writes next
  ScreenMode screenMode = ScreenMode::Large;
  GridGeometry geometry = GridGeometry::large();

  ToolState tools;   // drag state, fill memory, undo levels, copy clipboard, colour count
  IcoState ico;      // found-icons list, temporary icon, save tables, paths
  Settings settings;

  // Lets pending window events run; the GUI installs it, the model and CLI leave it idle.
  std::function<void()> yieldToEvents = [] {};

  void setScreenMode(ScreenMode mode) {
    screenMode = mode;
    geometry = GridGeometry::forMode(mode);
  }
};

}  // namespace pictavo
