#include "support/MainWindowHarness.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTest>

#include "app/ui/FormSurface.h"
#include "app/ui/MainToolbar.h"
#include "app/ui/PaletteWidget.h"

namespace pictavo::testing {

MainWindowHarness::MainWindowHarness(ScreenMode mode,
                                     const std::function<void(ProgramState&)>& prepare) {
  QApplication::setQuitOnLastWindowClosed(false);
  state.setScreenMode(mode);
  if (prepare) prepare(state);
  window = std::make_unique<ui::FrmMain>(state, services());
  window->show();
  if (!QTest::qWaitForWindowExposed(window.get())) qWarning("the main window was not exposed");
}

QWidget* MainWindowHarness::surface() const { return window->surface(); }

QPoint MainWindowHarness::cellCentre(int column, int row) const {
  const CellRect r = state.geometry.cellRect(column, row);
  return QPoint(r.left + r.width / 2, r.top + r.height / 2);
}

QPoint MainWindowHarness::cellBorder(int column, int row) const {
  const CellRect r = state.geometry.cellRect(column, row);
  return QPoint(r.left, r.top + r.height / 2);
}

void MainWindowHarness::leftPress(QPoint at) { QTest::mousePress(surface(), Qt::LeftButton, {}, at); }

void MainWindowHarness::leftRelease(QPoint at) {
  QTest::mouseRelease(surface(), Qt::LeftButton, {}, at);
}

void MainWindowHarness::leftDrag(const std::vector<QPoint>& path) {
  leftPress(path.front());
  for (std::size_t i = 1; i < path.size(); ++i) {
    // QTest::mouseMove cannot hold a button, so the move is sent as the platform would.
    QMouseEvent move(QEvent::MouseMove, path[i], surface()->mapToGlobal(path[i]), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(surface(), &move);
  }
  leftRelease(path.back());
}

void MainWindowHarness::rightPress(QPoint at) {
  QTest::mousePress(surface(), Qt::RightButton, {}, at);
  QTest::mouseRelease(surface(), Qt::RightButton, {}, at);
}

void MainWindowHarness::clickPalette(QPoint at, Qt::MouseButton button) {
  QTest::mouseClick(window->paletteWidget(), button, {}, at);
}

void MainWindowHarness::clickButton(const char* objectName) {
  auto* button = window->findChild<QPushButton*>(QString::fromLatin1(objectName));
  QVERIFY2(button, objectName);
  QTest::mouseClick(button, Qt::LeftButton);
}

void MainWindowHarness::triggerMenu(const char* itemName) {
  QAction* item = window->menuItem(QString::fromLatin1(itemName));
  QVERIFY2(item, itemName);
  item->trigger();
}

void MainWindowHarness::clickToolbar(int number) {
  QWidget* button = window->toolBar()->widgetForAction(window->toolBar()->button(number));
  QVERIFY(button);
  QTest::mouseClick(button, Qt::LeftButton);
}

Colour MainWindowHarness::shownAt(QPoint at) const {
  const QColor c = surface()->grab().toImage().pixelColor(at);
  return rgb(c.red(), c.green(), c.blue());
}

}  // namespace pictavo::testing
