#pragma once
#include <QWidget>
#include <functional>

#include "platform/FileDialog.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramLauncher.h"
#include "platform/SettingsStore.h"
#include "canvas/Colour.h"

namespace pictavo::ui {

// Reads the colour drawn at a client position of a widget; kNoColour outside it.
using SurfaceReader = std::function<Colour(QWidget& surface, double x, double y)>;

// The colour as drawn, read back from a rendering of the widget and its children.
Colour grabSurfaceColour(QWidget& surface, double x, double y);

// What the main window needs of the platform; tests pass doubles.
struct Services {
  MessageBoxes& messages;
  SettingsStore& store;
  ProgramLauncher& launcher;
  SurfaceReader readSurface = grabSurfaceColour;
  // The main window's two file dialogs; left null, the platform's own are used.
  FileDialog* dlgCommonDialog = nullptr;
  FileDialog* commonDialog1 = nullptr;
  FileDialog* optionsDialog = nullptr;  // the Options dialog's CommonDialog1
  // Awaited before the main window first needs text, while start-up reads the font
  // configuration; unset, there is nothing to wait for.
  std::function<void()> fontsReady = nullptr;
};

}  // namespace pictavo::ui
