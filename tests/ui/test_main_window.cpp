// Pointer input on the real main window: grid cells, swatch, palette and the right-button pick.
#include <QTest>

#include <QApplication>

#include "app/ui/FormSurface.h"
#include "app/ui/PaletteWidget.h"
#include "app/ui/PreviewWidget.h"
#include "canvas/Palette.h"
#include "support/MainWindowHarness.h"

using namespace pictavo;
using pictavo::testing::MainWindowHarness;

Q_DECLARE_METATYPE(pictavo::ScreenMode)

namespace {
constexpr Colour kRed = rgb(255, 0, 0);
constexpr Colour kBackdrop = rgb(0xE0, 0xE0, 0xE0);

Colour shownInPreview(const MainWindowHarness& h, int x, int y) {
  const QColor c = h.window->previewWidget()->grab().toImage().pixelColor(x + 1, y + 1);
  return rgb(c.red(), c.green(), c.blue());
}
}  // namespace

class MainWindowPointerTest : public QObject {
  Q_OBJECT

 private slots:
  void layouts_data() {
    QTest::addColumn<ScreenMode>("mode");
    QTest::addColumn<int>("clientHeight");
    QTest::newRow("large") << ScreenMode::Large << 483;
    QTest::newRow("small") << ScreenMode::Small << 415;
  }

  void layouts() {
    QFETCH(ScreenMode, mode);
    QFETCH(int, clientHeight);
    MainWindowHarness h(mode);
    QCOMPARE(h.surface()->size(), QSize(634, clientHeight));
    // Everything placed lies inside the client area, the bars included.
    for (QWidget* child : h.surface()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
      QVERIFY2(h.surface()->rect().contains(child->geometry()), qPrintable(child->objectName()));
    QCOMPARE(h.window->paletteWidget()->geometry(), QRect(496, 32, 137, 189));
    // A fresh canvas shows the hatch in every cell and a white preview.
    for (const Cell& c : h.state.canvas.cells()) QCOMPARE(c.transparent, std::int16_t(1));
    QCOMPARE(shownInPreview(h, 0, 0), kWhite);
    QCOMPARE(h.shownAt(h.window->mainLayout().shape2.center()), kBlack);
  }

  void pressesPaintTheCellUnderThePointer_data() { layouts_data(); }

  void pressesPaintTheCellUnderThePointer() {
    QFETCH(ScreenMode, mode);
    MainWindowHarness h(mode);
    h.state.colour.penColor = kRed;
    const std::pair<int, int> corners[] = {{0, 0}, {31, 0}, {0, 31}, {31, 31}, {17, 9}};
    for (auto [column, row] : corners) {
      h.leftPress(h.cellCentre(column, row));
      h.leftRelease(h.cellCentre(column, row));
      QCOMPARE(h.state.canvas.at(column, row), (Cell{kRed, 0}));
      QCOMPARE(h.shownAt(h.cellCentre(column, row)), kRed);
      QCOMPARE(shownInPreview(h, column, row), kRed);
    }
    QVERIFY(!h.state.iconSaved);
    int painted = 0;
    for (const Cell& c : h.state.canvas.cells()) painted += c.transparent == 0;
    QCOMPARE(painted, 5);
  }

  void pressesOffTheGridDoNothing() {
    MainWindowHarness h(ScreenMode::Small);
    h.state.colour.penColor = kRed;
    // Left of GridOffset + 9, above y 40, and the far column of the large rule.
    for (QPoint p : {QPoint(34, 100), QPoint(100, 39), QPoint(30, 45)}) h.leftPress(p);
    MainWindowHarness large;
    large.leftPress(QPoint(15 + 15 * 31 + 8, 100));  // rounds to column 32
    large.leftPress(QPoint(15 + 15 * 31 + 7, 100));  // column 31
    QVERIFY(h.state.iconSaved);
    QCOMPARE(large.state.canvas.at(31, 4).transparent, std::int16_t(0));
  }

  void halfwayRowsRoundToEven() {
    MainWindowHarness h;
    h.leftPress(QPoint(100, 76));  // 30 / 12 = 2.5
    h.leftPress(QPoint(100, 88));  // 42 / 12 = 3.5
    QCOMPARE(h.state.canvas.at(6, 2).transparent, std::int16_t(0));
    QCOMPARE(h.state.canvas.at(6, 4).transparent, std::int16_t(0));
    QCOMPARE(h.state.canvas.at(6, 3).transparent, std::int16_t(1));
  }

  void penDragPaintsEveryReportedCellAndNothingWithoutButton() {
    MainWindowHarness h;
    h.leftDrag({h.cellCentre(2, 2), h.cellCentre(3, 2), h.cellCentre(5, 2)});
    QCOMPARE(h.state.canvas.at(3, 2).transparent, std::int16_t(0));
    QCOMPARE(h.state.canvas.at(4, 2).transparent, std::int16_t(1));  // no interpolation
    QCOMPARE(h.state.canvas.at(5, 2).transparent, std::int16_t(0));
    QTest::mouseMove(h.surface(), h.cellCentre(9, 9));
    QCOMPARE(h.state.canvas.at(9, 9).transparent, std::int16_t(1));
  }

  void swatchBoundsAreStrict() {
    MainWindowHarness h;
    for (QPoint p : {QPoint(606, 230), QPoint(632, 230), QPoint(620, 222), QPoint(620, 245)}) {
      h.leftPress(p);
      QCOMPARE(h.state.colour.penTransparent, std::int16_t(0));
    }
    h.leftPress(QPoint(607, 223));
    QCOMPARE(h.state.colour.penTransparent, std::int16_t(1));
    // The indicator now shows the hatch; the pen paints transparent white cells.
    const QRect shape2 = h.window->mainLayout().shape2.adjusted(1, 1, -1, -1);
    bool sawGrey = false, sawWhite = false;
    for (int x = shape2.left(); x <= shape2.right(); ++x) {
      const Colour c = h.shownAt(QPoint(x, shape2.top() + 3));
      sawGrey |= c == kBackdrop;
      sawWhite |= c == kWhite;
    }
    QVERIFY(sawGrey && sawWhite);
    h.state.canvas.at(4, 4) = Cell{kRed, 0};
    h.leftPress(h.cellCentre(4, 4));
    QCOMPARE(h.state.canvas.at(4, 4), (Cell{kWhite, 1}));
  }

  void busyDropsGridInputButNotThePalette() {
    MainWindowHarness h;
    h.state.busy = true;
    h.leftPress(h.cellCentre(1, 1));
    QVERIFY(h.state.iconSaved);
    h.clickPalette(QPoint(68, 25));
    QCOMPARE(h.state.colour.penColor, paletteColourAt(68, 25));
  }

  void paletteSetsTheColourPen() {
    MainWindowHarness h;
    h.leftPress(QPoint(620, 233));  // transparent pen first
    h.clickPalette(QPoint(68, 122));
    QCOMPARE(h.state.colour.penTransparent, std::int16_t(0));
    QCOMPARE(h.state.colour.penColor, paletteColourAt(68, 122));
    QCOMPARE(h.shownAt(h.window->mainLayout().shape2.center()), paletteColourAt(68, 122));
    // Dragging with the left button keeps picking.
    QMouseEvent move(QEvent::MouseMove, QPointF(30, 180), QPointF(30, 180), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
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

    h.rightPress(h.cellBorder(7, 7));
    QCOMPARE(h.state.colour.penColor, kBlack);

    // A transparent cell gives the hatch pixel under the pointer, grey or white.
    const QImage drawn = h.surface()->grab().toImage();
    const CellRect cell = h.state.geometry.cellRect(9, 9);
    for (int x = cell.left + 1; x < cell.left + cell.width - 1; ++x) {
      const QPoint at(x, cell.top + 3);
      const QColor c = drawn.pixelColor(at);
      h.rightPress(at);
      QCOMPARE(h.state.colour.penColor, rgb(c.red(), c.green(), c.blue()));
      QVERIFY(h.state.colour.penColor == kWhite || h.state.colour.penColor == kBackdrop);
    }
    QCOMPARE(h.state.canvas.at(9, 9).transparent, std::int16_t(1));
    QVERIFY(h.state.iconSaved);
  }

  void rightClicksOnControlsLeaveThePenAlone() {
    MainWindowHarness h;
    h.state.colour.choose(rgb(1, 2, 3));
    for (const char* name : {"Command2", "Command10", "tbToolBar", "sbStatusBar", "Picture3"}) {
      auto* control = h.window->findChild<QWidget*>(QString::fromLatin1(name));
      QVERIFY2(control, name);
      QTest::mousePress(control, Qt::RightButton, Qt::NoModifier, QPoint(3, 3));
      QTest::mouseRelease(control, Qt::RightButton, Qt::NoModifier, QPoint(3, 3));
      QVERIFY2(h.state.colour.penColor == rgb(1, 2, 3), name);
    }
  }

  // Each sunken frame line runs to the pixel before its end point, corners included.
  void theSunkenFrameIsClosedAtEveryCorner() {
    const std::pair<ScreenMode, std::vector<QPoint>> layouts[] = {
        {ScreenMode::Large, {{490, 38}, {489, 39}, {6, 39}, {7, 39}, {7, 425}, {6, 426}}},
        {ScreenMode::Small, {{450, 38}, {449, 39}, {30, 39}, {31, 39}, {31, 361}, {30, 362}}}};
    for (const auto& [mode, corners] : layouts) {
      MainWindowHarness h(mode);
      const QImage drawn = h.surface()->grab().toImage();
      const QColor background = drawn.pixelColor(2, 300);
      for (const QPoint& at : corners)
        QVERIFY2(drawn.pixelColor(at) != background,
                 qPrintable(QStringLiteral("gap at %1,%2").arg(at.x()).arg(at.y())));
    }
  }
};

QTEST_MAIN(MainWindowPointerTest)
#include "test_main_window.moc"
