// Secondary windows belong to the main window and open centred over their owner.
// (tests/wm checks the same under a real window manager.)
#include <QWindow>

#include "icofile/ui/Form4.h"
#include "icofile/ui/OpenCommand.h"
#include "icofile/ui/SaveCommand.h"
#include "icofile/ui/SaveForm.h"
#include "platform/ui/OwnedWindow.h"
#include "shell/ui/Form9.h"
#include "shell/ui/FrmAbout.h"
#include "shell/ui/HelpPage.h"
#include "shell/ui/LinkLabel.h"
#include "support/MainWindowHarness.h"

using namespace pictavo;
using namespace pictavo::testing;

namespace {

template <typename T>
T* shown(const QWidget& owner) {
  for (T* w : owner.findChildren<T*>())
    if (w->isVisible()) return w;
  return nullptr;
}

void verifyOwnedAndCentred(QWidget* window, const QWidget& main, const QWidget& over) {
  QVERIFY(window && window->isVisible());
  QCOMPARE(window->windowType(), Qt::Dialog);
  QVERIFY(!window->isModal());
  QCOMPARE(window->parentWidget(), &main);
  QVERIFY(window->windowHandle() && window->windowHandle()->transientParent() == main.windowHandle());
  const QPoint off = window->frameGeometry().center() - over.frameGeometry().center();
  QVERIFY2(off.manhattanLength() <= 1, qPrintable(QStringLiteral("%1 off by %2, %3")
                                                       .arg(window->objectName()).arg(off.x()).arg(off.y())));
}

}  // namespace

class OwnedWindowsTest : public QObject {
  Q_OBJECT
 private slots:
  void centredOverKeepsToTheScreen_data() {
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QRect>("over");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QPoint>("topLeft");
    const QRect screen(0, 0, 1024, 768);
    QTest::newRow("centred") << QSize(200, 100) << QRect(100, 100, 600, 500) << screen << QPoint(300, 300);
    QTest::newRow("past the right and bottom") << QSize(400, 300) << QRect(800, 600, 200, 150) << screen
                                               << QPoint(624, 468);
    QTest::newRow("past the left and top") << QSize(400, 300) << QRect(-50, -40, 200, 150) << screen << QPoint(0, 0);
    QTest::newRow("larger than the screen") << QSize(1200, 900) << QRect(100, 100, 600, 500) << screen
                                            << QPoint(0, 0);
    QTest::newRow("second screen") << QSize(200, 100) << QRect(1100, 50, 100, 100) << QRect(1024, 0, 800, 600)
                                   << QPoint(1050, 50);
  }
  void centredOverKeepsToTheScreen() {
    QFETCH(QSize, frame);
    QFETCH(QRect, over);
    QFETCH(QRect, screen);
    QFETCH(QPoint, topLeft);
    QCOMPARE(ui::centredOver(frame, over, screen), QRect(topLeft, frame));
  }

  // Help pages open over the help menu; the rest over the main window, each time they open.
  void secondaryWindowsAreOwnedAndCentred() {
    MainWindowHarness h;
    h.window->move(120, 90);
    h.triggerMenu("mnuHelpAbout");
    verifyOwnedAndCentred(shown<ui::FrmAbout>(*h.window), *h.window, *h.window);

    h.triggerMenu("mnuHelpContents");
    ui::Form9* menu = shown<ui::Form9>(*h.window);
    verifyOwnedAndCentred(menu, *h.window, *h.window);
    menu->move(menu->pos() + QPoint(-80, 40));
    QTest::mouseClick(named(menu->link(QStringLiteral("Copy")), "Copy"), Qt::LeftButton);
    verifyOwnedAndCentred(shown<ui::HelpPage>(*h.window), *h.window, *menu);

    h.triggerMenu("mnuFileSave");
    ui::SaveForm* save = h.window->saveCommand().saveForm();
    verifyOwnedAndCentred(save, *h.window, *h.window);
    save->close();

    ScratchFolder tmp;
    writeIconSet(tmp.path("five.ico"), 5);
    h.dialog.queue(tmp.path("five.ico"));
    h.triggerMenu("mnuFileOpen");
    verifyOwnedAndCentred(h.window->openCommand().chooser(), *h.window, *h.window);
  }

  void aReopenedWindowIsCentredAgain() {
    MainWindowHarness h;
    h.triggerMenu("mnuHelpAbout");
    ui::FrmAbout* about = shown<ui::FrmAbout>(*h.window);
    about->hide();
    h.window->move(h.window->pos() + QPoint(60, 30));
    about->show();
    verifyOwnedAndCentred(about, *h.window, *h.window);
  }
};

QTEST_MAIN(OwnedWindowsTest)
#include "test_owned_windows.moc"
