#pragma once
#include <QPoint>
#include <QString>
#include <functional>
#include <memory>

#include "app/ProgramState.h"
#include "app/ui/FrmMain.h"
#include "support/MemorySettingsStore.h"
#include "support/RecordingLauncher.h"
#include "support/ScriptedMessageBoxes.h"

namespace pictavo::testing {

// A real main window on scripted message boxes, a memory store and a recording launcher.
struct MainWindowHarness {
  ProgramState state;
  ScriptedMessageBoxes boxes;
  MemorySettingsStore store;
  RecordingLauncher launcher;
  std::unique_ptr<ui::FrmMain> window;

  // `prepare` runs on the state before the window is built and shown.
  explicit MainWindowHarness(ScreenMode mode = ScreenMode::Large,
                             const std::function<void(ProgramState&)>& prepare = {});

  ui::Services services() { return ui::Services{boxes, store, launcher}; }
  QWidget* surface() const;

  // The middle of a cell, in client pixels.
  QPoint cellCentre(int column, int row) const;
  // A border pixel of a cell (its left edge, half way down).
  QPoint cellBorder(int column, int row) const;

  void leftPress(QPoint at);
  void leftRelease(QPoint at);
  void leftDrag(const std::vector<QPoint>& path);  // press at the first, release at the last
  void rightPress(QPoint at);
  void clickPalette(QPoint at, Qt::MouseButton button = Qt::LeftButton);
  void clickButton(const char* objectName);
  void triggerMenu(const char* itemName);
  void clickToolbar(int number);

  // The colour the surface shows at a client position.
  Colour shownAt(QPoint at) const;
};

}  // namespace pictavo::testing
