// Menus, toolbar and buttons of the main window: Tool, pressed buttons and the commands they run.
#include <QAction>
#include <QLabel>
#include <QTest>
#include <QToolBar>

#include "app/ui/MainStatusBar.h"
#include "app/ui/MainToolbar.h"
#include "app/ui/PaletteWidget.h"
#include "support/MainWindowHarness.h"

using namespace pictavo;
using pictavo::testing::MainWindowHarness;

namespace {
constexpr Colour kRed = rgb(255, 0, 0);

std::vector<int> pressedButtons(const MainWindowHarness& h) {
  std::vector<int> pressed;
  for (int n = 1; n <= 31; ++n)
    if (h.window->isButtonPressed(n)) pressed.push_back(n);
  return pressed;
}
}  // namespace

class MainWindowCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void startsWithThePenAndBothBars() {
    MainWindowHarness h;
    QCOMPARE(h.state.tool, std::string());
    QCOMPARE(pressedButtons(h), std::vector<int>{19});
    QVERIFY(h.window->menuItem("mnuViewToolbar")->isChecked());
    QVERIFY(h.window->menuItem("mnuViewStatusBar")->isChecked());
    QVERIFY(h.window->toolBar()->isVisible() && h.window->statusBarWidget()->isVisible());
    QCOMPARE(h.window->statusBarWidget()->textPanel()->text(), QStringLiteral("Status"));
    // Separators sit at 4, 6, 9, 14, 18, 26, 28 and 30; the rest carry keys.
    std::vector<int> separators;
    for (int n = 1; n <= 31; ++n)
      if (h.window->toolBar()->button(n)->isSeparator()) separators.push_back(n);
    QCOMPARE(separators, (std::vector<int>{4, 6, 9, 14, 18, 26, 28, 30}));
    QCOMPARE(h.window->toolBar()->button(22)->toolTip(), QStringLiteral("Draw Filled Box"));
  }

  void toolbarDrawingButtonsReleaseCopyAndPaste() {
    MainWindowHarness h;
    h.clickToolbar(7);
    QCOMPARE(h.state.tool, std::string("Pointer"));
    QCOMPARE(pressedButtons(h), (std::vector<int>{7, 19}));
    const std::pair<int, const char*> tools[] = {{20, "Line"}, {21, "Box"}, {22, "BoxFill"},
                                                 {23, "Circle"}, {24, "CircleFill"}, {25, "Fill"},
                                                 {19, "Pen"}};
    for (auto [number, tool] : tools) {
      h.clickToolbar(7);
      h.clickToolbar(number);
      QCOMPARE(h.state.tool, std::string(tool));
      QCOMPARE(pressedButtons(h), std::vector<int>{number});
    }
  }

  void menuToolItemsPressTheirButtonButKeepCopy() {
    MainWindowHarness h;
    h.triggerMenu("mnuEditCopy");
    QCOMPARE(pressedButtons(h), (std::vector<int>{7, 19}));
    h.triggerMenu("mnuToolsLine");
    QCOMPARE(h.state.tool, std::string("Line"));
    QCOMPARE(pressedButtons(h), (std::vector<int>{7, 20}));
    h.triggerMenu("mnuToolsFill");
    QCOMPARE(h.state.tool, std::string("Fill"));
    QCOMPARE(pressedButtons(h), (std::vector<int>{7, 25}));
  }

  void pasteReleasesItsListOnly() {
    MainWindowHarness h;
    h.triggerMenu("mnuToolsBoxFill");
    h.triggerMenu("mnuEditPaste");
    QCOMPARE(h.state.tool, std::string("Paste"));
    QCOMPARE(pressedButtons(h), (std::vector<int>{8, 22}));  // 22 is not on the list
    h.triggerMenu("mnuToolsCircle");
    h.triggerMenu("mnuEditPaste");
    QCOMPARE(pressedButtons(h), std::vector<int>{8});
    h.clickToolbar(7);
    QCOMPARE(pressedButtons(h), std::vector<int>{7});
    h.clickToolbar(8);
    QCOMPARE(h.state.tool, std::string("Paste"));
    QCOMPARE(pressedButtons(h), std::vector<int>{8});
  }

  void openImageReleasesCopyAndPasteAndKeepsTheTool() {
    MainWindowHarness h;
    h.triggerMenu("mnuEditCopy");
    h.triggerMenu("mnuFilePicture");
    QCOMPARE(h.state.tool, std::string("Pointer"));
    QCOMPARE(pressedButtons(h), std::vector<int>{19});
  }

  void undoAndRedoALineThroughTheMenu() {
    MainWindowHarness h;
    h.state.colour.penColor = kRed;
    h.clickToolbar(20);
    h.leftDrag({h.cellCentre(2, 3), h.cellCentre(6, 3), h.cellCentre(9, 3)});
    const Canvas drawn = h.state.canvas;
    QCOMPARE(drawn.at(5, 3), (Cell{kRed, 0}));
    h.triggerMenu("mnuEditUndo");
    QCOMPARE(h.state.canvas, Canvas());
    QCOMPARE(h.shownAt(h.cellCentre(5, 3)), h.shownAt(h.cellCentre(5, 20)));
    h.clickToolbar(11);  // Redo
    QCOMPARE(h.state.canvas, drawn);
    QCOMPARE(h.shownAt(h.cellCentre(5, 3)), kRed);
  }

  void canvasCommandsRunFromMenuToolbarAndButtons() {
    MainWindowHarness h;
    h.state.canvas.at(0, 0) = Cell{kRed, 0};
    h.window->layIcon();
    h.triggerMenu("mnuToolsFlipX");
    QCOMPARE(h.state.canvas.at(31, 0), (Cell{kRed, 0}));
    h.clickToolbar(15);  // Flip Vertical
    QCOMPARE(h.state.canvas.at(31, 31), (Cell{kRed, 0}));
    h.clickButton("Command2");  // slide up
    QCOMPARE(h.state.canvas.at(31, 30), (Cell{kRed, 0}));
    h.clickButton("Command3");  // slide left
    QCOMPARE(h.state.canvas.at(30, 30), (Cell{kRed, 0}));
    h.clickButton("Command6");  // darker
    QCOMPARE(h.state.canvas.at(30, 30).colour, rgb(251, 0, 0));
    h.clickButton("Command13");  // black and white
    QCOMPARE(h.state.canvas.at(30, 30).colour, rgb(84, 84, 84));
    QCOMPARE(h.shownAt(h.cellCentre(30, 30)), rgb(84, 84, 84));
    h.triggerMenu("mnuEditUndo");
    QCOMPARE(h.state.canvas.at(30, 30).colour, rgb(251, 0, 0));
  }

  void barsToggleAndKeepThePressedButton() {
    MainWindowHarness h;
    h.clickToolbar(23);
    const QRect paletteBefore = h.window->paletteWidget()->geometry();
    h.triggerMenu("mnuViewToolbar");
    QVERIFY(!h.window->toolBar()->isVisible());
    QVERIFY(!h.window->menuItem("mnuViewToolbar")->isChecked());
    QCOMPARE(h.window->paletteWidget()->geometry(), paletteBefore);
    h.window->mnuViewToolbar_Click();
    QVERIFY(h.window->toolBar()->isVisible());
    QVERIFY(h.window->menuItem("mnuViewToolbar")->isChecked());
    QVERIFY(h.window->isButtonPressed(23));
    h.triggerMenu("mnuViewStatusBar");
    QVERIFY(!h.window->statusBarWidget()->isVisible());
  }
};

QTEST_MAIN(MainWindowCommandsTest)
#include "test_main_window_commands.moc"
