// Files dropped on the windows, the system clipboard and the recent icon files, on real windows.
#include <QClipboard>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QUrl>
#include <set>

#include "picture/ui/PictureCommand.h"
#include "picture/ui/PictureForm.h"
#include "picture/ui/PictureImage.h"
#include "support/MainWindowHarness.h"

using namespace pictavo;
using namespace pictavo::testing;
using Paths = std::vector<std::string>;

namespace {

QList<QUrl> urls(const Paths& paths) {
  QList<QUrl> all;
  for (const std::string& p : paths) all << QUrl::fromLocalFile(QString::fromStdString(p));
  return all;
}

// A drag entering `target` and, if taken, the drop; true when the drop was accepted.
bool drop(QWidget* target, const QList<QUrl>& dragged) {
  QMimeData data;
  data.setUrls(dragged);
  const QPoint at = target->rect().center();
  QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &enter);
  QDropEvent dropped(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  if (enter.isAccepted()) QApplication::sendEvent(target, &dropped);
  QCoreApplication::processEvents();  // the opening is queued behind the drop
  return enter.isAccepted() && dropped.isAccepted();
}

QImage solid(int width, int height, QColor colour) {
  QImage image(width, height, QImage::Format_ARGB32);
  image.fill(colour);
  return image;
}

struct DesktopRig : MainWindowHarness {
  ScratchFolder tmp;
  double now = 100;

  DesktopRig() {
    // The picture window's release guard has long passed at every event.
    window->pictureCommand().setClock([this] { return now += 1; });
    window->pictureCommand().setPauseYield([] {});
  }
  ui::PictureForm* pictureForm() const { return window->pictureCommand().pictureForm(); }
  QSize pictureShown() const { return pictureForm()->image1()->size(); }
  std::string picture(const char* name, const QImage& image) {
    if (!image.save(QString::fromStdString(tmp.path(name)))) qFatal("cannot write %s", name);
    return tmp.path(name);
  }
  std::string icons(const std::string& name, int count) {
    writeIconSet(tmp.path(name), count);
    return tmp.path(name);
  }
  QMenu* menu(const char* name) const { return named(window->findChild<QMenu*>(name), name); }
  bool enabled(const char* item) const { return window->menuItem(item)->isEnabled(); }
};

// The Recent Icons files of `window` as they show when its File menu opens.
Paths recentShown(const ui::FrmMain& window) {
  emit window.findChild<QMenu*>("mnuFile")->aboutToShow();
  Paths shown;
  for (QAction* item : window.findChild<QMenu*>("mnuFileRecent")->actions())
    shown.push_back(item->data().toString().toStdString());
  return shown;
}

}  // namespace

class DesktopFeaturesTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

  // An icon file goes through the save prompt and the scan: one icon loads, several open the chooser,
  // none says so and offers the dialog in that folder. Cancel, and a busy window, change nothing.
  void droppingIconFiles() {
    DesktopRig rig;
    QVERIFY(rig.window->acceptDrops());
    const std::string one = rig.icons("one.ico", 1);
    rig.state.iconSaved = false;
    rig.boxes.queue(Answer::Cancel);
    QVERIFY(drop(rig.window.get(), urls({one})));
    QCOMPARE(rig.boxes.shown().back().title, std::string("Save Changes Before Open?"));
    QCOMPARE(rig.state.canvas, Canvas());
    rig.boxes.queue(Answer::No);
    QVERIFY(drop(rig.window.get(), urls({one})));
    QCOMPARE(rig.state.canvas, whiteUnderTransparent(numberedCanvas(0)));
    QVERIFY(rig.dialog.shown().empty() && !rig.state.busy && rig.state.ico.lastIconDir == rig.tmp.folder());

    rig.state.iconSaved = true;
    QVERIFY(drop(rig.window.get(), urls({rig.icons("three.dll", 3)})));
    QVERIFY(rig.window->openCommand().chooser() && rig.window->openCommand().chooser()->isVisible());
    writeFile(rig.tmp.path("notes.txt"), std::string(5000, 'x'));
    QVERIFY(drop(rig.window.get(), urls({rig.tmp.path("notes.txt")})));
    QCOMPARE(rig.boxes.shown().back().text, std::string("There were no icons in the file you selected"));
    QVERIFY(rig.dialog.shown().size() == 1 && rig.dialog.shown()[0].initDir == rig.tmp.folder());

    const std::size_t messages = rig.boxes.shown().size();
    QVERIFY(!drop(rig.window.get(), QList<QUrl>{QUrl("https://example.org/a.ico")}));
    rig.state.busy = true;
    QVERIFY(!drop(rig.window.get(), urls({one})));
    QCOMPARE(rig.boxes.shown().size(), messages);
  }

  // A picture opens in the picture window without a dialog; one dropped on that window replaces its
  // picture (an .ico is a picture there), a bad one gets that window's message. Several files: the
  // first local one decides.
  void droppingPictures() {
    DesktopRig rig;
    const std::string red = rig.picture("red.BMP", solid(90, 40, Qt::red)), ico = rig.icons("one.ico", 1);
    QVERIFY(drop(rig.window.get(), urls({ico, red})));
    QVERIFY(!rig.pictureForm() && rig.state.canvas == whiteUnderTransparent(numberedCanvas(0)));
    QVERIFY(drop(rig.window.get(), QList<QUrl>{QUrl("https://example.org/x.ico")} + urls({red, ico})));
    QVERIFY(rig.pictureForm() && rig.pictureForm()->isVisible() && rig.pictureShown() == QSize(90, 40));
    QVERIFY(rig.pictureDialog.shown().empty() && !rig.state.iconSaved && !rig.state.busy);
    QCOMPARE(rig.window->pictureCommand().picturePath(), red);

    QVERIFY(drop(rig.pictureForm(), urls({rig.picture("blue.jpg", solid(30, 70, Qt::blue))})));
    QCOMPARE(rig.pictureShown(), QSize(30, 70));
    QVERIFY(drop(rig.pictureForm(), urls({ico})));
    QCOMPARE(rig.pictureShown(), QSize(32, 32));
    writeFile(rig.tmp.path("bad.gif"), "not a picture");
    QVERIFY(drop(rig.pictureForm(), urls({rig.tmp.path("bad.gif")})));
    QCOMPARE(rig.boxes.shown().back().title, std::string("Invalid Picture Format"));
  }

  // Below the design's Edit items, no shortcut shared; the icon goes out as a 32 x 32 PNG with its
  // transparency and as an image, read back both ways and by Pillow where it is installed.
  void copyIconAsImage() {
    DesktopRig rig;
    QStringList edit;
    for (QAction* a : rig.menu("mnuEdit")->actions()) edit << a->objectName() + " " + a->text() + " " +
                                                                  a->shortcut().toString();
    QCOMPARE(edit.mid(7), QStringList({"mnuEditPaste &Paste Ctrl+V", "mnuEditBar3  ",
                                       "mnuEditCopyImage Copy Icon as Image Ctrl+Shift+C",
                                       "mnuEditPasteImage Paste Image Ctrl+Shift+V"}));
    std::set<QString> shortcuts;
    for (QAction* a : rig.window->findChildren<QAction*>())
      QVERIFY(a->shortcut().isEmpty() || shortcuts.insert(a->shortcut().toString()).second);

    rig.state.canvas.at(0, 0) = Cell{rgb(255, 0, 0), 0};
    rig.state.canvas.at(31, 30) = Cell{rgb(10, 200, 30), 0};
    rig.triggerMenu("mnuEditCopyImage");
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data && data->hasImage() && rig.enabled("mnuEditPasteImage"));
    for (const QImage& back : {QImage::fromData(data->data("image/png"), "PNG"), QGuiApplication::clipboard()->image()}) {
      QVERIFY(back.size() == QSize(32, 32) && back.hasAlphaChannel());
      QCOMPARE(back.pixel(0, 0), qRgba(255, 0, 0, 255));
      QCOMPARE(back.pixel(31, 30), qRgba(10, 200, 30, 255));
      QCOMPARE(qAlpha(back.pixel(5, 5)), 0);
    }
    if (QProcess::execute("/usr/bin/python3", {"-c", "import PIL"}) != 0)
      QSKIP("Pillow check skipped: needs /usr/bin/python3 with PIL (python3-pil)");
    writeFile(rig.tmp.path("clip.png"), data->data("image/png").toStdString());
    QProcess pillow;
    pillow.start("/usr/bin/python3", {"-c", "import sys; from PIL import Image; im = Image.open(sys.argv[1]).convert('RGBA');"
                                            "print(im.size, im.getpixel((31, 30)), im.getpixel((5, 5))[3])",
                                      QString::fromStdString(rig.tmp.path("clip.png"))});
    QVERIFY(pillow.waitForFinished(20000));
    QCOMPARE(pillow.readAllStandardOutput().trimmed(), QByteArray("(32, 32) (10, 200, 30, 255) 0"));
  }

  // The clipboard's image opens at natural size, transparent parts white, fits and converts like a
  // picture file; Paste Image follows the clipboard, also when only the opening Edit menu notices.
  void pasteImage() {
    DesktopRig rig;
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    QVERIFY(!rig.enabled("mnuEditPasteImage"));
    QImage picture = solid(120, 80, Qt::red);
    picture.setPixel(110, 0, qRgba(0, 0, 0, 0));
    clipboard->setImage(picture);
    QVERIFY(rig.enabled("mnuEditPasteImage"));
    rig.triggerMenu("mnuEditPasteImage");
    ui::PictureForm* form = rig.pictureForm();
    QVERIFY(form && form->isVisible() && !rig.state.iconSaved && !rig.state.busy);
    QCOMPARE(rig.pictureShown(), QSize(120, 80));
    QCOMPARE(form->image1()->picture().pixel(110, 0), qRgb(255, 255, 255));

    QTest::mouseClick(form->findChild<QWidget*>("Check2"), Qt::LeftButton);
    QCOMPARE(rig.pictureShown().width(), form->width());
    QTest::mouseClick(form->findChild<QWidget*>("Check2"), Qt::LeftButton);
    QCOMPARE(rig.pictureShown(), QSize(120, 80));
    QWidget* image1 = form->image1();
    QTest::mousePress(image1, Qt::LeftButton, {}, QPoint(5, 5));
    QMouseEvent move(QEvent::MouseMove, QPointF(60, 60), image1->mapToGlobal(QPointF(60, 60)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(image1, &move);
    QTest::mouseRelease(image1, Qt::LeftButton, {}, QPoint(60, 60));
    QTRY_VERIFY(!form->isVisible());
    QCOMPARE(rig.state.canvas.at(16, 16), (Cell{rgb(255, 0, 0), 0}));

    clipboard->clear();
    QVERIFY(!rig.enabled("mnuEditPasteImage"));
    {
      const QSignalBlocker quiet(clipboard);
      clipboard->setImage(picture);
    }
    emit rig.menu("mnuEdit")->aboutToShow();
    QVERIFY(rig.enabled("mnuEditPasteImage"));
  }

  // Files opened, dropped and saved: newest first, each once, at most 8; gone files drop out as the
  // menu opens; a choice opens as Open would; a second window on the same store lists the same.
  void recentIcons() {
    DesktopRig rig;
    QStringList file;
    for (QAction* a : rig.menu("mnuFile")->actions()) file << a->objectName();
    QCOMPARE(file.mid(file.indexOf("mnuFileBar6")), QStringList({"mnuFileBar6", "mnuFileRecent", "mnuFileBar7", "mnuFileExit"}));
    QCOMPARE(rig.menu("mnuFileRecent")->title(), QString("Recent Icons"));
    QVERIFY(recentShown(*rig.window).empty() && !rig.enabled("mnuFileRecent"));

    Paths opened;
    for (int k = 0; k < 10; ++k) {
      opened.push_back(rig.icons("icon" + std::to_string(k) + ".ico", 1));
      rig.dialog.queue(opened.back());
      rig.triggerMenu("mnuFileOpen");
    }
    rig.dialog.queue(opened[4]);
    rig.triggerMenu("mnuFileOpen");
    QVERIFY(drop(rig.window.get(), urls({opened[6]})));
    rig.dialog.queue(rig.tmp.path("saved.ico"));
    rig.triggerMenu("mnuFileSaveAs24");
    QCOMPARE(recentShown(*rig.window), (Paths{rig.tmp.path("saved.ico"), opened[6], opened[4], opened[9],
                                              opened[8], opened[7], opened[5], opened[3]}));
    QVERIFY(rig.enabled("mnuFileRecent"));
    QVERIFY(rig.menu("mnuFileRecent")->actions()[1]->text().startsWith("&2 icon6.ico (/"));

    QVERIFY(QFile::remove(QString::fromStdString(opened[9])) && QFile::remove(QString::fromStdString(opened[3])));
    QCOMPARE(recentShown(*rig.window), (Paths{rig.tmp.path("saved.ico"), opened[6], opened[4], opened[8],
                                              opened[7], opened[5]}));
    QCOMPARE(rig.store.values["RecentIcon7"], std::string());

    rig.state.iconSaved = false;
    rig.boxes.queue(Answer::No);
    rig.menu("mnuFileRecent")->actions()[3]->trigger();
    QCOMPARE(rig.boxes.shown().back().title, std::string("Save Changes Before Open?"));
    QCOMPARE(rig.state.ico.openPath, opened[8]);
    QCOMPARE(rig.state.canvas, whiteUnderTransparent(numberedCanvas(0)));

    ProgramState nextState;
    ui::FrmMain next(nextState, ui::Services{rig.boxes, rig.store, rig.launcher});
    QCOMPARE(recentShown(next), (Paths{opened[8], rig.tmp.path("saved.ico"), opened[6], opened[4], opened[7],
                                       opened[5]}));
  }
};

QTEST_MAIN(DesktopFeaturesTest)
#include "test_desktop_features.moc"
