// The real main window: pointer input on grid, swatch and palette; menus, toolbar and buttons.
#include <QSet>
#include <QToolBar>

#include "canvas/Palette.h"
#include "support/MainWindowHarness.h"

using namespace pictavo;
using pictavo::testing::MainWindowHarness;
using Points = QList<QPoint>;

Q_DECLARE_METATYPE(pictavo::ScreenMode)

namespace {
constexpr Colour kRed = rgb(255, 0, 0);
constexpr Colour kBackdrop = rgb(0xE0, 0xE0, 0xE0);

Colour shownInPreview(const MainWindowHarness& h, QPoint cell) {
  const QColor c = h.window->previewWidget()->grab().toImage().pixelColor(cell + QPoint(1, 1));
  return rgb(c.red(), c.green(), c.blue());
}

int colourCount(const QImage& image, const QRect& area) {
  QSet<QRgb> seen;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) seen.insert(image.pixel(x, y));
  return int(seen.size());
}

QList<int> pressedButtons(const MainWindowHarness& h) {
  QList<int> pressed;
  for (int n = 1; n <= 31; ++n)
    if (h.window->isButtonPressed(n)) pressed.push_back(n);
  return pressed;
}
}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void layouts_data() {
    QTest::addColumn<ScreenMode>("mode");
    QTest::addColumn<int>("clientHeight");
    QTest::addColumn<Points>("presses");  // client pixels, each followed by the cell it paints
    QTest::addColumn<Points>("misses");
    QTest::addColumn<Points>("frameCorners");
    // Y 76 and 88 are rows 2.5 and 3.5: halves go to the even row.
    QTest::newRow("large") << ScreenMode::Large << 483
                           << Points{{16, 46}, {0, 0}, {487, 100}, {31, 4}, {481, 418}, {31, 31},
                                     {100, 76}, {6, 2}, {100, 88}, {6, 4}}
                           << Points{{488, 100}, {7, 100}, {100, 39}}
                           << Points{{490, 38}, {489, 39}, {6, 39}, {7, 39}, {7, 425}, {6, 426}};
    QTest::newRow("small") << ScreenMode::Small << 415
                           << Points{{39, 46}, {0, 0}, {448, 46}, {31, 0}, {442, 356}, {31, 31},
                                     {104, 116}, {5, 7}}
                           << Points{{449, 46}, {34, 100}, {100, 39}, {30, 45}}
                           << Points{{450, 38}, {449, 39}, {30, 39}, {31, 39}, {31, 361}, {30, 362}};
  }

  // Geometry, a fresh canvas, closed frame corners, presses on and off the grid.
  void layouts() {
    QFETCH(ScreenMode, mode);
    QFETCH(int, clientHeight);
    QFETCH(Points, presses);
    QFETCH(Points, misses);
    QFETCH(Points, frameCorners);
    MainWindowHarness h(mode);
    QCOMPARE(h.surface()->size(), QSize(634, clientHeight));
    for (QWidget* child : h.surface()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
      QVERIFY2(h.surface()->rect().contains(child->geometry()), qPrintable(child->objectName()));
    QCOMPARE(h.window->paletteWidget()->geometry(), QRect(496, 32, 137, 189));
    QCOMPARE(shownInPreview(h, {0, 0}), kWhite);
    QCOMPARE(h.shownAt(h.window->mainLayout().shape2.center()), kBlack);
    const QImage drawn = h.surface()->grab().toImage();
    for (const QPoint& at : frameCorners)  // each frame line runs to the pixel before its end point
      QVERIFY2(drawn.pixelColor(at) != drawn.pixelColor(2, 300),
               qPrintable(QStringLiteral("gap at %1,%2").arg(at.x()).arg(at.y())));

    h.state.colour.penColor = kRed;
    for (QPoint p : misses) h.leftPress(p);
    QVERIFY(h.state.iconSaved);
    for (int i = 0; i < presses.size(); i += 2) {
      const QPoint cell = presses[i + 1];
      h.leftDrag({presses[i]});
      QCOMPARE(h.state.canvas.at(cell.x(), cell.y()), (Cell{kRed, 0}));
      QCOMPARE(h.shownAt(h.cellCentre(cell.x(), cell.y())), kRed);
      QCOMPARE(shownInPreview(h, cell), kRed);
    }
    int painted = 0;
    for (const Cell& c : h.state.canvas.cells()) painted += c.transparent == 0;
    QCOMPARE(painted, presses.size() / 2);
    QVERIFY(!h.state.iconSaved);
  }

  // The pictures are drawn when first shown rather than at start; they must still be there.
  void picturesAppearWhenShown() {
    MainWindowHarness h(ScreenMode::Large);
    const ui::MainLayout& layout = h.window->mainLayout();
    const QImage surface = h.surface()->grab().toImage();
    const QRect frame = layout.picture2Visible ? layout.picture2 : layout.picture4;
    for (const QRect& picture : {frame, layout.image2, layout.image3, layout.image1})
      QVERIFY(colourCount(surface, picture) > 2);
    for (QAction* button : h.window->findChild<QToolBar*>("tbToolBar")->actions()) {
      if (button->isSeparator()) continue;
      const QImage normal = button->icon().pixmap(16, 16).toImage();
      QVERIFY2(colourCount(normal, normal.rect()) > 2, qPrintable(button->objectName()));
      QVERIFY(button->icon().pixmap(16, 16, QIcon::Disabled).toImage() != normal);
    }
  }

  void swatchBoundsAreStrict() {
    MainWindowHarness h;
    for (QPoint p : {QPoint(606, 230), QPoint(632, 230), QPoint(620, 222), QPoint(620, 245)}) h.leftPress(p);
    QCOMPARE(h.state.colour.penTransparent, std::int16_t(0));
    h.leftPress(QPoint(607, 223));
    QCOMPARE(h.state.colour.penTransparent, std::int16_t(1));
    // The indicator shows the hatch; the pen paints transparent white cells.
    const QRect shape2 = h.window->mainLayout().shape2.adjusted(1, 1, -1, -1);
    std::set<Colour> seen;
    for (int x = shape2.left(); x <= shape2.right(); ++x) seen.insert(h.shownAt(QPoint(x, shape2.top() + 3)));
    QCOMPARE(seen, (std::set<Colour>{kWhite, kBackdrop}));
    h.state.canvas.at(4, 4) = Cell{kRed, 0};
    h.leftPress(h.cellCentre(4, 4));
    QCOMPARE(h.state.canvas.at(4, 4), (Cell{kWhite, 1}));
  }

  // Busy drops grid input but not the palette, which also picks while dragged.
  void paletteSetsTheColourPenEvenWhenBusy() {
    MainWindowHarness h;
    h.leftPress(QPoint(620, 233));  // transparent pen first
    h.state.busy = true;
    h.leftPress(h.cellCentre(1, 1));
    QVERIFY(h.state.iconSaved);
    QTest::mouseClick(h.window->paletteWidget(), Qt::LeftButton, {}, QPoint(68, 122));
    QCOMPARE(h.state.colour.penTransparent, std::int16_t(0));
    QCOMPARE(h.shownAt(h.window->mainLayout().shape2.center()), paletteColourAt(68, 122));
    QMouseEvent move(QEvent::MouseMove, QPointF(30, 180), QPointF(30, 180), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(h.window->paletteWidget(), &move);
    QCOMPARE(h.state.colour.penColor, paletteColourAt(30, 180));
  }

  void rightButtonPicksTheColourAsDrawn() {
    MainWindowHarness h;
    h.state.canvas.at(5, 5) = Cell{rgb(12, 200, 99), 0};
    h.window->layIcon();
    h.leftPress(QPoint(620, 233));
    h.rightPress(h.cellCentre(5, 5));
    QCOMPARE(h.state.colour.penTransparent, std::int16_t(0));
    QCOMPARE(h.state.colour.penColor, rgb(12, 200, 99));
    const CellRect cell = h.state.geometry.cellRect(9, 9);
    h.rightPress(QPoint(cell.left, cell.top + 5));  // its border
    QCOMPARE(h.state.colour.penColor, kBlack);
    // A transparent cell gives the hatch pixel under the pointer, grey or white.
    const QImage drawn = h.surface()->grab().toImage();
    for (int x = cell.left + 1; x < cell.left + cell.width - 1; ++x) {
      const QColor c = drawn.pixelColor(x, cell.top + 3);
      h.rightPress(QPoint(x, cell.top + 3));
      QCOMPARE(h.state.colour.penColor, rgb(c.red(), c.green(), c.blue()));
      QVERIFY(h.state.colour.penColor == kWhite || h.state.colour.penColor == kBackdrop);
    }
    QVERIFY(h.state.iconSaved);

    h.state.colour.choose(rgb(1, 2, 3));  // right clicks on controls leave the pen alone
    for (const char* name : {"Command2", "Command10", "tbToolBar", "sbStatusBar", "Picture3"}) {
      QWidget* control = testing::named(h.window->findChild<QWidget*>(name), name);
      QTest::mouseClick(control, Qt::RightButton, Qt::NoModifier, QPoint(3, 3));
      QVERIFY2(h.state.colour.penColor == rgb(1, 2, 3), name);
    }
  }

  void toolsAndPressedButtons_data() {
    QTest::addColumn<QStringList>("steps");  // menu items, or toolbar button numbers
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QList<int>>("pressed");
    QTest::newRow("start") << QStringList{} << "" << QList<int>{19};
    QTest::newRow("copy button") << QStringList{"7"} << "Pointer" << QList<int>{7, 19};
    const std::pair<int, const char*> tools[] = {{20, "Line"}, {21, "Box"}, {22, "BoxFill"}, {23, "Circle"},
                                                 {24, "CircleFill"}, {25, "Fill"}, {19, "Pen"}};
    for (auto [n, tool] : tools)  // drawing buttons release Copy and Paste
      for (const char* first : {"7", "8"})
        QTest::addRow("%s, %d", first, n) << QStringList{first, QString::number(n)} << tool << QList<int>{n};
    const std::tuple<const char*, QStringList, const char*, QList<int>> rows[] = {
        {"menu keeps copy", {"mnuEditCopy", "mnuToolsLine"}, "Line", {7, 20}},
        {"menu keeps paste", {"mnuEditPaste", "mnuToolsFill"}, "Fill", {8, 25}},
        {"paste spares 22", {"mnuToolsBoxFill", "mnuEditPaste"}, "Paste", {8, 22}},
        {"paste releases 23",
         {"mnuToolsBoxFill", "mnuEditPaste", "mnuToolsCircle", "mnuEditPaste"}, "Paste", {8}},
        {"copy after paste", {"mnuEditPaste", "7"}, "Pointer", {7}},
        {"open image", {"mnuEditCopy", "mnuFilePicture"}, "Pointer", {19}}};
    for (const auto& [name, steps, tool, pressed] : rows) QTest::newRow(name) << steps << tool << pressed;
  }

  void toolsAndPressedButtons() {
    QFETCH(QStringList, steps);
    QFETCH(QString, tool);
    QFETCH(QList<int>, pressed);
    MainWindowHarness h;
    for (const QString& step : steps)
      step[0].isDigit() ? h.clickToolbar(step.toInt()) : h.triggerMenu(qPrintable(step));
    QCOMPARE(QString::fromStdString(h.state.tool), tool);
    QCOMPARE(pressedButtons(h), pressed);
  }

  // The pen paints the cells moves report, only with the button held; a line is undone and redone.
  void dragsAndUndoRedoThroughTheMenu() {
    MainWindowHarness h;
    h.state.colour.penColor = kRed;
    h.leftDrag({h.cellCentre(2, 2), h.cellCentre(3, 2), h.cellCentre(5, 2)});
    QTest::mouseMove(h.surface(), h.cellCentre(9, 9));
    const Canvas penned = h.state.canvas;
    QCOMPARE(penned.at(3, 2), (Cell{kRed, 0}));
    QVERIFY(penned.at(4, 2).transparent && penned.at(9, 9).transparent);  // no interpolation
    h.clickToolbar(20);
    h.leftDrag({h.cellCentre(2, 3), h.cellCentre(6, 3), h.cellCentre(9, 3)});
    const Canvas drawn = h.state.canvas;
    QCOMPARE(drawn.at(5, 3), (Cell{kRed, 0}));
    h.triggerMenu("mnuEditUndo");
    QCOMPARE(h.state.canvas, penned);
    QCOMPARE(h.shownAt(h.cellCentre(5, 3)), h.shownAt(h.cellCentre(5, 20)));
    h.clickToolbar(11);  // Redo
    QCOMPARE(h.state.canvas, drawn);
    QCOMPARE(h.shownAt(h.cellCentre(5, 3)), kRed);
  }

  // Flip X (menu), flip Y (toolbar), slide up and left, darker, black and white (buttons), undo.
  void canvasCommandsRunFromMenuToolbarAndButtons() {
    MainWindowHarness h;
    h.state.canvas.at(0, 0) = Cell{kRed, 0};
    h.window->layIcon();
    h.triggerMenu("mnuToolsFlipX");
    QCOMPARE(h.state.canvas.at(31, 0), (Cell{kRed, 0}));
    h.clickToolbar(15);
    QCOMPARE(h.state.canvas.at(31, 31), (Cell{kRed, 0}));
    for (const char* button : {"Command2", "Command3", "Command6"}) h.clickButton(button);
    QCOMPARE(h.state.canvas.at(30, 30), (Cell{rgb(251, 0, 0), 0}));
    h.clickButton("Command13");
    QCOMPARE(h.shownAt(h.cellCentre(30, 30)), rgb(84, 84, 84));
    h.triggerMenu("mnuEditUndo");
    QCOMPARE(h.state.canvas.at(30, 30).colour, rgb(251, 0, 0));
  }

  void barsStartShownAndToggleKeepingThePressedButton() {
    MainWindowHarness h;
    QCOMPARE(h.window->statusBarWidget()->textPanel()->text(), QStringLiteral("Status"));
    const QList separators{4, 6, 9, 14, 18, 26, 28, 30};
    for (int n = 1; n <= 31; ++n)
      QCOMPARE(h.window->toolBar()->button(n)->isSeparator(), separators.contains(n));
    QVERIFY(h.window->toolBar()->isVisible() && h.window->statusBarWidget()->isVisible());
    h.clickToolbar(23);
    const QRect paletteBefore = h.window->paletteWidget()->geometry();
    for (const char* bar : {"mnuViewToolbar", "mnuViewStatusBar"}) {
      QVERIFY(h.window->menuItem(bar)->isChecked());
      h.triggerMenu(bar);
      QVERIFY(!h.window->menuItem(bar)->isChecked());
    }
    QVERIFY(!h.window->toolBar()->isVisible() && !h.window->statusBarWidget()->isVisible());
    QCOMPARE(h.window->paletteWidget()->geometry(), paletteBefore);
    h.window->mnuViewToolbar_Click();
    QVERIFY(h.window->toolBar()->isVisible() && h.window->menuItem("mnuViewToolbar")->isChecked());
    QVERIFY(h.window->isButtonPressed(23));
  }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
