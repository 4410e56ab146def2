// The Open Image command and the picture window: a real PictureForm on the main window, pictures generated here.
#include <QCheckBox>
#include <QDir>
#include <QPainter>
#include <sys/stat.h>

#include "picture/ui/PictureCommand.h"
#include "picture/ui/PictureForm.h"
#include "picture/ui/PictureImage.h"
#include "support/MainWindowHarness.h"

using namespace pictavo;
using namespace pictavo::testing;
using ui::PictureForm;

namespace {

// Blocks of 3 x 2 pixels, each in its own colour, so neighbouring reads differ.
QImage blocks(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(x / 3 * 7 % 256, y / 2 * 5 % 256, (x / 3 + y / 2) % 256));
  return image;
}

// A picture on the main window with its own clock, which starts well past the release guard.
struct PictureRig : MainWindowHarness {
  ScratchFolder tmp;
  double now = 100;
  std::vector<bool> busyDuringPause;

  PictureRig() {
    window->pictureCommand().setClock([this] { return now; });
    window->pictureCommand().setPauseYield([this] {
      busyDuringPause.push_back(state.busy);
      leftPress(cellCentre(0, 0));  // dropped: the grid is busy
      QTest::mouseRelease(surface(), Qt::LeftButton, {}, cellCentre(0, 0));
      now += 0.3;
    });
  }
  PictureForm* form() const { return window->pictureCommand().pictureForm(); }
  QWidget* image1() const { return form()->image1(); }
  PictureForm* open(const QImage& picture, const char* name = "picture.bmp") {
    const std::string path = tmp.path(name);
    if (!picture.isNull() && !picture.save(QString::fromStdString(path))) qFatal("cannot write %s", name);
    pictureDialog.queue(path);
    triggerMenu("mnuToolsScan");
    if (form() && !QTest::qWaitForWindowActive(form())) qWarning("the picture window was not activated");
    now += 1;
    return form();
  }
  void move(QPoint to, Qt::MouseButtons held = Qt::LeftButton) {
    QMouseEvent e(QEvent::MouseMove, to, image1()->mapToGlobal(to), Qt::NoButton, held, Qt::NoModifier);
    QApplication::sendEvent(image1(), &e);
  }
  // Press, move to `to`, release there; picture-area pixels.
  void drag(QPoint from, QPoint to) {
    QTest::mousePress(image1(), Qt::LeftButton, {}, from);
    move(to);
    QTest::mouseRelease(image1(), Qt::LeftButton, {}, to);
  }
  void rightClick(QPoint at) { QTest::mouseClick(image1(), Qt::RightButton, {}, at); }
  QString label(const char* name) const { return form()->findChild<QLabel*>(name)->text(); }
  void click(const char* check) { QTest::mouseClick(form()->findChild<QCheckBox*>(check), Qt::LeftButton); }
};

}  // namespace

class PictureWindowTest : public QObject {
  Q_OBJECT

 private slots:
  // The dialog, the window's layout, a second picture into the same window, cancel and a bad file.
  void openImage() {
    PictureRig rig;
    rig.state.settings.pictureDir = "/pictures";
    PictureForm* form = rig.open(blocks(100, 50));
    QCOMPARE(rig.pictureDialog.shown()[0].filter, std::string(ui::kPictureFilter));
    QCOMPARE(rig.pictureDialog.shown()[0].initDir, std::string("/pictures"));
    QCOMPARE(form->windowTitle(), QString("Picture"));
    QCOMPARE(form->size(), QSize(632, 453));
    QCOMPARE(form->image1()->geometry(), QRect(0, 20, 100, 50));
    const std::pair<const char*, int> strip[] = {{"Check2", 8}, {"Check1", 144}, {"Check3", 288},
                                                 {"Label1", 504}, {"Label2", 552}, {"Label3", 568}};
    for (const auto& [name, x] : strip) QCOMPARE(form->findChild<QWidget*>(name)->x(), x);
    QCOMPARE(clippedLabels(*form), std::vector<std::string>{});
    QVERIFY(!rig.state.iconSaved && !rig.state.busy);

    QCOMPARE(rig.open(blocks(60, 70), "second.bmp"), form);
    QCOMPARE(form->image1()->size(), QSize(60, 70));
    QCOMPARE(rig.pictureDialog.shown()[1].initDir, rig.tmp.folder());
    rig.triggerMenu("mnuToolsScan");  // cancelled: nothing changes
    QCOMPARE(rig.pictureDialog.shown().size(), std::size_t(3));
    QVERIFY(!rig.state.busy && form->isVisible() && form->image1()->size() == QSize(60, 70));

    PictureRig fresh;
    writeFile(fresh.tmp.path("bad.jpg"), "not a picture at all");
    QVERIFY(!fresh.open(QImage(), "bad.jpg"));
    QCOMPARE(fresh.boxes.shown().back().text + "|" + fresh.boxes.shown().back().title,
             std::string("      Invalid Picture Format|Invalid Picture Format"));
    QVERIFY(fresh.state.iconSaved && !fresh.state.busy);

    // A pipe named like a picture is refused at once, saying what it is.
    const std::string pipe = fresh.tmp.path("pipe.jpg");
    QCOMPARE(::mkfifo(pipe.c_str(), 0600), 0);
    QVERIFY(!fresh.open(QImage(), "pipe.jpg"));
    QCOMPARE(fresh.boxes.shown().back().text, pipe + " is not a regular file");
    QVERIFY(!fresh.state.busy);
  }

  // A PNG named .ico opens as the picture it is, with no message.
  void aPictureUnderAnotherKindsNameOpens() {
    PictureRig rig;
    const QImage picture = blocks(60, 70);
    QVERIFY(picture.save(QString::fromStdString(rig.tmp.path("png.ico")), "PNG"));
    PictureForm* form = rig.open(QImage(), "png.ico");
    QVERIFY(form && form->isVisible() && rig.boxes.shown().empty());
    QCOMPARE(form->displayedPixels().copy(0, 20, 60, 70).convertToFormat(QImage::Format_RGB32), picture);
  }

  // Fit, proportions, natural size again, and a maximised window.
  void fitting() {
    PictureRig rig;
    PictureForm* form = rig.open(blocks(100, 50));
    form->resize(600, 420);
    rig.click("Check2");
    QCOMPARE(form->image1()->geometry(), QRect(0, 20, 600, 300));
    rig.click("Check1");
    rig.click("Check2");
    QCOMPARE(form->image1()->size(), QSize(100, 50));
    rig.click("Check2");
    QCOMPARE(form->image1()->size(), QSize(600, 400));
    rig.click("Check3");
    QTRY_VERIFY(form->isMaximized());
    QTRY_COMPARE(form->image1()->size(), QSize(form->width(), form->height() - 20));
  }

  void dragThresholds_data() {
    QTest::addColumn<bool>("square");
    QTest::addColumn<QPoint>("drag");
    QTest::addColumn<QString>("size");  // Label1 x Label3
    QTest::addColumn<bool>("converts");
    QTest::newRow("free 5 x 5") << false << QPoint(5, 5) << "5x5" << false;
    QTest::newRow("free 6 across") << false << QPoint(6, 0) << "6x0" << true;
    QTest::newRow("square 30 by 50") << true << QPoint(30, 50) << "30x30" << true;
    QTest::newRow("square 10 by 50") << true << QPoint(10, 50) << "10x10" << false;
  }
  void dragThresholds() {
    QFETCH(bool, square);
    QFETCH(QPoint, drag);
    QFETCH(QString, size);
    QFETCH(bool, converts);
    PictureRig rig;
    PictureForm* form = rig.open(blocks(200, 200));
    if (!square) rig.rightClick({150, 150});
    QTest::mousePress(rig.image1(), Qt::LeftButton, {}, {40, 40});
    rig.move(QPoint(40, 40) + drag);
    QCOMPARE(form->shape1()->geometry().topLeft(), QPoint(40, 61));
    QCOMPARE(rig.label("Label1") + "x" + rig.label("Label3"), size);
    QTest::mouseRelease(rig.image1(), Qt::LeftButton, {}, QPoint(40, 40) + drag);
    QCOMPARE(rig.state.canvas != Canvas(), converts);
    QCOMPARE(form->isVisible(), !converts);
    QVERIFY(!form->shape1()->isVisible());
    QTRY_VERIFY(!rig.state.busy);
  }

  // A right release redraws the other shape; activation brings back the square; early releases do nothing.
  void rightButtonAndReleaseGuard() {
    PictureRig rig;
    PictureForm* form = rig.open(blocks(200, 200));
    QTest::mousePress(rig.image1(), Qt::LeftButton, {}, {10, 10});
    rig.move({70, 30});
    QCOMPARE(form->shape1()->size(), QSize(20, 20));
    rig.rightClick({70, 30});
    QCOMPARE(form->shape1()->size(), QSize(60, 20));
    QVERIFY(!form->selection().squareSelection());
    QApplication::setActiveWindow(rig.window.get());
    QApplication::setActiveWindow(form);
    QCOMPARE(QApplication::activeWindow(), form);
    QVERIFY(form->selection().squareSelection());
    rig.now += 0.49;  // 0.49 s after that activation
    QTest::mouseRelease(rig.image1(), Qt::LeftButton, {}, {70, 30});
    QVERIFY(form->shape1()->isVisible() && rig.state.canvas == Canvas());
  }

  void conversion_data() {
    QTest::addColumn<QPoint>("drag");  // from (20, 10) in the picture area
    QTest::addColumn<bool>("free");
    QTest::newRow("one point, 320 wide") << QPoint(320, 330) << false;
    QTest::newRow("averaged, 400 wide") << QPoint(400, 300) << true;
    QTest::newRow("past the window's edge") << QPoint(700, 100) << true;
  }
  // Cells as sampled from the picture itself; Undo brings back the icon from before.
  void conversion() {
    QFETCH(QPoint, drag);
    QFETCH(bool, free);
    PictureRig rig;
    rig.state.canvas.at(3, 4) = Cell{rgb(1, 2, 3), 0};
    const Canvas before = rig.state.canvas;
    const QImage picture = blocks(632, 433);
    rig.open(picture);
    if (free) rig.rightClick({1, 1});
    rig.drag({20, 10}, QPoint(20, 10) + drag);
    const SelectionRect rect{20, 31, drag.x(), free ? drag.y() : drag.x()};
    const PictureSamples expected = samplePicture(rect, [&](int x, int y) {
      if (x >= 632) return kNoColour;
      const QRgb c = picture.pixel(x, y - 20);
      return rgb(qRed(c), qGreen(c), qBlue(c));
    });
    Canvas sampled;
    applySamples(expected, sampled);
    QCOMPARE(rig.state.canvas, sampled);
    const QRgb corner = picture.pixel(21, 32 - 20);  // cell (0, 0) reads (Left + 1, Top + 1)
    QCOMPARE(rig.state.canvas.at(0, 0).colour, rgb(qRed(corner), qGreen(corner), qBlue(corner)));
    QCOMPARE(rig.state.canvas.at(31, 0).transparent, std::int16_t(drag.x() > 612));
    QTRY_VERIFY(!rig.state.busy);
    QCOMPARE(rig.busyDuringPause, std::vector<bool>(4, true));
    QCOMPARE(rig.state.canvas, sampled);  // the clicks during the pause were dropped
    QVERIFY(!rig.form()->isVisible());
    rig.triggerMenu("mnuEditUndo");
    QCOMPARE(rig.state.canvas, before);
  }

  void aConversionAfterASaveIsUnsaved_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("title");
    QTest::newRow("exit") << "mnuFileExit" << "Save Changes Before Exit?";
    QTest::newRow("new") << "mnuFileNew" << "Save Changes Before New?";
    QTest::newRow("open") << "mnuFileOpen" << "Save Changes Before Open?";
  }
  // Open Image, save from the main window, then convert in the still-open picture
  // window: the new icon is unsaved, so the commands that would drop it ask first.
  void aConversionAfterASaveIsUnsaved() {
    QFETCH(QString, command);
    QFETCH(QString, title);
    PictureRig rig;
    PictureForm* form = rig.open(blocks(200, 200));
    rig.dialog.queue(rig.tmp.path("saved.ico"));
    rig.triggerMenu("mnuFileSaveAs24");
    QVERIFY(rig.state.iconSaved && form->isVisible());
    rig.drag({10, 10}, {100, 100});
    QVERIFY(!form->isVisible() && rig.state.canvas != Canvas());
    QVERIFY(!rig.state.iconSaved);
    QTRY_VERIFY(!rig.state.busy);
    rig.boxes.queue(Answer::Cancel);
    rig.triggerMenu(qPrintable(command));
    QCOMPARE(rig.boxes.shown().size(), std::size_t(1));
    QCOMPARE(QString::fromStdString(rig.boxes.shown()[0].title), title);
    QVERIFY(rig.window->isVisible() && rig.state.canvas != Canvas());
  }

  // Looked at by hand: a photo-like picture with a selection being drawn.
  void screenshot() {
    QImage photo(560, 400, QImage::Format_RGB32);
    QPainter p(&photo);
    QLinearGradient sky(0, 0, 0, 260);
    sky.setColorAt(0, QColor(40, 90, 200));
    sky.setColorAt(1, QColor(250, 190, 120));
    p.fillRect(photo.rect(), sky);
    QRadialGradient sun(380, 150, 60);
    sun.setColorAt(0, QColor(255, 250, 200));
    sun.setColorAt(1, QColor(255, 160, 60));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(QPoint(380, 150), 60, 60);
    p.setBrush(QColor(40, 110, 60));
    p.drawEllipse(QRect(-150, 230, 600, 300));
    p.setBrush(QColor(30, 80, 50));
    p.drawEllipse(QRect(200, 260, 600, 300));
    p.end();
    PictureRig rig;
    PictureForm* form = rig.open(photo);
    QTest::mousePress(rig.image1(), Qt::LeftButton, {}, {290, 70});
    rig.move({460, 240});
    const QString dir = qEnvironmentVariable("PICTAVO_SCREENSHOTS", qEnvironmentVariable("PICTAVO_TEST_TMP", QDir::tempPath()));
    QVERIFY(QDir().mkpath(dir) && form->grab().save(dir + "/picture-window.png"));
  }
};

QTEST_MAIN(PictureWindowTest)
#include "test_picture_window.moc"
