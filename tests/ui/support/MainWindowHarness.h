#pragma once
// Everything the main window tests use, so each test includes just this.
#include <QAction>
#include <memory>

#include "app/ProgramState.h"
#include "app/ui/FormSurface.h"
#include "app/ui/FrmMain.h"
#include "app/ui/MainStatusBar.h"
#include "app/ui/MainToolbar.h"
#include "app/ui/PaletteWidget.h"
#include "app/ui/PreviewWidget.h"
#include "support/IconFileFixtures.h"
#include "support/MemorySettingsStore.h"

namespace pictavo::testing {

// A named control that must exist: a wrong name stops the test here rather than in a crash.
template <typename T>
T* named(T* found, const char* name) {
  if (!found) qFatal("no control or menu item named %s", name);
  return found;
}

// A real main window on scripted message boxes and file dialog, a memory store and a recording launcher.
struct MainWindowHarness {
  ProgramState state;
  ScriptedMessageBoxes boxes;
  MemorySettingsStore store;
  RecordingLauncher launcher;
  ScriptedFileDialog dialog;         // dlgCommonDialog
  ScriptedFileDialog pictureDialog;  // CommonDialog1
  ScriptedFileDialog optionsDialog;  // the Options dialog's Browse
  std::unique_ptr<ui::FrmMain> window;

  explicit MainWindowHarness(ScreenMode mode = ScreenMode::Large) {
    QApplication::setQuitOnLastWindowClosed(false);
    state.setScreenMode(mode);
    ui::Services services{boxes, store, launcher};
    services.dlgCommonDialog = &dialog;
    services.commonDialog1 = &pictureDialog;
    services.optionsDialog = &optionsDialog;
    window = std::make_unique<ui::FrmMain>(state, services);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) qWarning("the main window was not exposed");
  }

  QWidget* surface() const { return window->surface(); }
  QPoint cellCentre(int column, int row) const {
    const CellRect r = state.geometry.cellRect(column, row);
    return QPoint(r.left + r.width / 2, r.top + r.height / 2);
  }
  // The colour the surface shows at a client position.
  Colour shownAt(QPoint at) const {
    const QColor c = surface()->grab().toImage().pixelColor(at);
    return rgb(c.red(), c.green(), c.blue());
  }

  void leftPress(QPoint at) { QTest::mousePress(surface(), Qt::LeftButton, {}, at); }
  // Press at the first point, move through the rest holding the button (as the platform sends it), release.
  void leftDrag(const std::vector<QPoint>& path) {
    leftPress(path.front());
    for (std::size_t i = 1; i < path.size(); ++i) {
      QMouseEvent move(QEvent::MouseMove, path[i], surface()->mapToGlobal(path[i]), Qt::NoButton,
                       Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(surface(), &move);
    }
    QTest::mouseRelease(surface(), Qt::LeftButton, {}, path.back());
  }
  void rightPress(QPoint at) { QTest::mouseClick(surface(), Qt::RightButton, {}, at); }
  void clickButton(const char* name) {
    QTest::mouseClick(named(window->findChild<QPushButton*>(name), name), Qt::LeftButton);
  }
  void triggerMenu(const char* name) { named(window->menuItem(QString::fromLatin1(name)), name)->trigger(); }
  void clickToolbar(int number) {
    QTest::mouseClick(window->toolBar()->widgetForAction(window->toolBar()->button(number)), Qt::LeftButton);
  }
};

}  // namespace pictavo::testing
