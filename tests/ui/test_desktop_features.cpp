// Files dropped on the windows, the system clipboard and the recent icon files, on real windows.
#include <QClipboard>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QUrl>

#include "picture/ui/PictureCommand.h"
#include "picture/ui/PictureForm.h"
#include "picture/ui/PictureImage.h"
#include "support/MainWindowHarness.h"

using namespace pictavo;
using namespace pictavo::testing;
using Paths = std::vector<std::string>;

namespace {

// Sends a drag entering `target` and, if it is taken, the drop; true when the drop was accepted.
bool drop(QWidget* target, const QList<QUrl>& urls) {
  QMimeData data;
  data.setUrls(urls);
  const QPoint at = target->rect().center();
  QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &enter);
  if (!enter.isAccepted()) return false;
  QDropEvent dropped(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &dropped);
  QCoreApplication::processEvents();  // the opening is queued behind the drop
  return dropped.isAccepted();
}

bool drop(QWidget* target, const Paths& files) {
  QList<QUrl> urls;
  for (const std::string& f : files) urls << QUrl::fromLocalFile(QString::fromStdString(f));
  return drop(target, urls);
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
    // The release guard of the picture window has long passed at every event.
    window->pictureCommand().setClock([this] { return now += 1; });
    window->pictureCommand().setPauseYield([] {});
  }
  ui::PictureForm* pictureForm() const { return window->pictureCommand().pictureForm(); }
  QSize pictureShown() const { return pictureForm()->image1()->size(); }
  std::string picture(const char* name, const QImage& image) {
    const std::string path = tmp.path(name);
    if (!image.save(QString::fromStdString(path))) qFatal("cannot write %s", name);
    return path;
  }
  std::string icons(const char* name, int count) {
    writeIconSet(tmp.path(name), count);
    return tmp.path(name);
  }
  QMenu* menu(const char* name) const { return named(window->findChild<QMenu*>(name), name); }
  // The Recent Icons submenu's files, as they show when the File menu opens.
  Paths recentShown() const {
    emit menu("mnuFile")->aboutToShow();
    Paths shown;
    for (QAction* item : menu("mnuFileRecent")->actions()) shown.push_back(item->data().toString().toStdString());
    return shown;
  }
  void openByDialog(const std::string& path) {
    dialog.queue(path);
    triggerMenu("mnuFileOpen");
  }
};

}  // namespace

class DesktopFeaturesTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

  // An icon file through the save prompt and the scan: one icon loads, several open the chooser,
  // none says so and offers the dialog in that folder. Cancel, and a busy window, drop nothing.
  void droppingIconFiles() {
    DesktopRig rig;
    QVERIFY(rig.window->acceptDrops());
    const std::string one = rig.icons("one.ico", 1), three = rig.icons("three.dll", 3);
    rig.state.iconSaved = false;
    rig.boxes.queue(Answer::Cancel);
    QVERIFY(drop(rig.window.get(), Paths{one}));
    QCOMPARE(rig.boxes.shown().back().title, std::string("Save Changes Before Open?"));
    QCOMPARE(rig.state.canvas, Canvas());

    rig.boxes.queue(Answer::No);
    QVERIFY(drop(rig.window.get(), Paths{one}));
    QCOMPARE(rig.state.canvas, whiteUnderTransparent(numberedCanvas(0)));
    QVERIFY(rig.dialog.shown().empty() && !rig.state.busy && !rig.state.iconSaved);
    QCOMPARE(rig.state.ico.lastIconDir, rig.tmp.folder());

    rig.state.iconSaved = true;
    QVERIFY(drop(rig.window.get(), Paths{three}));
    QVERIFY(rig.window->openCommand().chooser() && rig.window->openCommand().chooser()->isVisible());
    rig.window->openCommand().chooser()->close();

    writeFile(rig.tmp.path("notes.txt"), std::string(5000, 'x'));
    QVERIFY(drop(rig.window.get(), Paths{rig.tmp.path("notes.txt")}));
    QCOMPARE(rig.boxes.shown().back().text, std::string("There were no icons in the file you selected"));
    QCOMPARE(rig.dialog.shown().size(), std::size_t(1));
    QCOMPARE(rig.dialog.shown()[0].initDir, rig.tmp.folder());

    const std::size_t messages = rig.boxes.shown().size();
    rig.state.busy = true;
    QVERIFY(!drop(rig.window.get(), Paths{one}));
    QVERIFY(!drop(rig.window.get(), QList<QUrl>{QUrl("https://example.org/a.ico")}));
    QCOMPARE(rig.boxes.shown().size(), messages);
  }

  // A picture file opens in the picture window without a dialog; one dropped on that window replaces
  // its picture; a bad one is refused there with the picture window's message.
  void droppingPictures() {
    DesktopRig rig;
    const std::string red = rig.picture("red.BMP", solid(90, 40, Qt::red));
    QVERIFY(drop(rig.window.get(), Paths{red}));
    QVERIFY(rig.pictureForm() && rig.pictureForm()->isVisible());
    QCOMPARE(rig.pictureShown(), QSize(90, 40));
    QVERIFY(rig.pictureDialog.shown().empty() && !rig.state.iconSaved && !rig.state.busy);
    QCOMPARE(rig.window->pictureCommand().picturePath(), red);

    QVERIFY(drop(rig.pictureForm(), Paths{rig.picture("blue.bmp", solid(30, 70, Qt::blue))}));
    QCOMPARE(rig.pictureShown(), QSize(30, 70));
    // An icon file dropped on the picture window is a picture there, as Open Image reads it.
    QVERIFY(drop(rig.pictureForm(), Paths{rig.icons("pic.ico", 1)}));
    QCOMPARE(rig.pictureShown(), QSize(32, 32));
    writeFile(rig.tmp.path("bad.jpg"), "not a picture");
    QVERIFY(drop(rig.pictureForm(), Paths{rig.tmp.path("bad.jpg")}));
    QCOMPARE(rig.boxes.shown().back().title, std::string("Invalid Picture Format"));
    QCOMPARE(rig.pictureShown(), QSize(32, 32));
  }

  // Several files: the first local one decides, whatever follows it.
  void droppingSeveralFiles() {
    DesktopRig rig;
    const std::string pic = rig.picture("pic.jpg", solid(50, 50, Qt::green)), ico = rig.icons("one.ico", 1);
    QVERIFY(drop(rig.window.get(), Paths{ico, pic}));
    QCOMPARE(rig.state.canvas, whiteUnderTransparent(numberedCanvas(0)));
    QVERIFY(!rig.pictureForm());
    QVERIFY(drop(rig.window.get(), QList<QUrl>{QUrl("https://example.org/x.ico"),
                                               QUrl::fromLocalFile(QString::fromStdString(pic)),
                                               QUrl::fromLocalFile(QString::fromStdString(ico))}));
    QVERIFY(rig.pictureForm() && rig.pictureForm()->isVisible());
    QCOMPARE(rig.pictureShown(), QSize(50, 50));
  }

  // The new items sit below the design's Edit items; no two items share a shortcut.
  void clipboardItemsAndShortcuts() {
    DesktopRig rig;
    const QList<QAction*> edit = rig.menu("mnuEdit")->actions();
    QStringList names;
    for (QAction* a : edit) names << a->objectName();
    QCOMPARE(names.mid(names.indexOf("mnuEditPaste") + 1),
             QStringList({"mnuEditBar3", "mnuEditCopyImage", "mnuEditPasteImage"}));
    const std::pair<const char*, const char*> items[] = {{"mnuEditCopyImage", "Copy Icon as Image|Ctrl+Shift+C"},
                                                         {"mnuEditPasteImage", "Paste Image|Ctrl+Shift+V"},
                                                         {"mnuEditCopy", "&Copy|Ctrl+C"},
                                                         {"mnuEditPaste", "&Paste|Ctrl+V"}};
    for (const auto& [name, expected] : items) {
      QAction* a = rig.window->menuItem(name);
      QCOMPARE(a->text() + "|" + a->shortcut().toString(), QString(expected));
    }
    QSet<QString> shortcuts;
    for (QAction* a : rig.window->findChildren<QAction*>()) {
      if (a->shortcut().isEmpty()) continue;
      QVERIFY2(!shortcuts.contains(a->shortcut().toString()), qPrintable(a->shortcut().toString()));
      shortcuts.insert(a->shortcut().toString());
    }
  }

  // The icon goes out as a 32 x 32 PNG with its transparency and as an image; read back both ways.
  void copyIconAsImage() {
    DesktopRig rig;
    rig.state.canvas.at(0, 0) = Cell{rgb(255, 0, 0), 0};
    rig.state.canvas.at(31, 31) = Cell{rgb(0, 0, 255), 0};
    rig.triggerMenu("mnuEditCopyImage");
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data && data->hasFormat("image/png") && data->hasImage());
    const QImage png = QImage::fromData(data->data("image/png"), "PNG");
    const QImage image = QGuiApplication::clipboard()->image();
    for (const QImage& back : {png, image}) {
      QCOMPARE(back.size(), QSize(32, 32));
      QVERIFY(back.hasAlphaChannel());
      QCOMPARE(back.pixel(0, 0), qRgba(255, 0, 0, 255));
      QCOMPARE(back.pixel(31, 31), qRgba(0, 0, 255, 255));
      QCOMPARE(qAlpha(back.pixel(5, 5)), 0);
    }
    QVERIFY(rig.window->menuItem("mnuEditPasteImage")->isEnabled());
    QCOMPARE(rig.state.canvas.at(5, 5).transparent, std::int16_t(1));  // the cells are untouched
  }

  // An independent PNG reader sees the same: Pillow, when it is installed.
  void copiedPngReadByPillow() {
    if (QProcess::execute("/usr/bin/python3", {"-c", "import PIL"}) != 0)
      QSKIP("needs /usr/bin/python3 with PIL (python3-pil)");
    DesktopRig rig;
    rig.state.canvas.at(2, 1) = Cell{rgb(10, 200, 30), 0};
    rig.triggerMenu("mnuEditCopyImage");
    const std::string file = rig.tmp.path("clip.png");
    writeFile(file, QGuiApplication::clipboard()->mimeData()->data("image/png").toStdString());
    QProcess pillow;
    pillow.start("/usr/bin/python3", {"-c",
                                      "import sys; from PIL import Image; im = Image.open(sys.argv[1]).convert('RGBA');"
                                      "print(im.size, im.getpixel((2, 1)), im.getpixel((0, 0))[3])",
                                      QString::fromStdString(file)});
    QVERIFY(pillow.waitForFinished(20000));
    QCOMPARE(pillow.readAllStandardOutput().trimmed(), QByteArray("(32, 32) (10, 200, 30, 255) 0"));
  }

  // The clipboard's image opens at natural size, transparent parts white, and converts like a picture
  // file; Paste Image follows the clipboard, also when only the opening menu notices.
  void pasteImage() {
    DesktopRig rig;
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    QVERIFY(!rig.window->menuItem("mnuEditPasteImage")->isEnabled());
    QImage picture = solid(120, 80, Qt::red);
    for (int x = 100; x < 120; ++x) picture.setPixel(x, 0, qRgba(0, 0, 0, 0));
    clipboard->setImage(picture);
    QVERIFY(rig.window->menuItem("mnuEditPasteImage")->isEnabled());
    rig.triggerMenu("mnuEditPasteImage");
    ui::PictureForm* form = rig.pictureForm();
    QVERIFY(form && form->isVisible() && !rig.state.iconSaved && !rig.state.busy);
    QCOMPARE(rig.pictureShown(), QSize(120, 80));
    QCOMPARE(form->image1()->picture().pixel(110, 0), qRgb(255, 255, 255));
    QCOMPARE(form->image1()->picture().pixel(50, 50), qRgb(255, 0, 0));

    // Fitting and back works on the pasted picture, which has no file to reload.
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
    QVERIFY(!rig.window->menuItem("mnuEditPasteImage")->isEnabled());
    {
      const QSignalBlocker quiet(clipboard);
      clipboard->setImage(picture);
    }
    QVERIFY(!rig.window->menuItem("mnuEditPasteImage")->isEnabled());
    emit rig.menu("mnuEdit")->aboutToShow();
    QVERIFY(rig.window->menuItem("mnuEditPasteImage")->isEnabled());
  }

  // Opened and saved files, newest first, each once, at most 8; gone files drop out as the menu opens;
  // a choice opens as Open would; the list outlives the window.
  void recentIcons() {
    DesktopRig rig;
    QStringList file;
    for (QAction* a : rig.menu("mnuFile")->actions()) file << a->objectName();
    QCOMPARE(file.mid(file.indexOf("mnuFileBar6")), QStringList({"mnuFileBar6", "mnuFileRecent", "mnuFileBar7",
                                                                 "mnuFileExit"}));
    QCOMPARE(rig.menu("mnuFileRecent")->title(), QString("Recent Icons"));
    QVERIFY(rig.recentShown().empty() && !rig.window->menuItem("mnuFileRecent")->isEnabled());

    Paths opened;
    for (int k = 0; k < 10; ++k) opened.push_back(rig.icons(qPrintable(QString("icon%1.ico").arg(k)), 1));
    for (const std::string& path : opened) rig.openByDialog(path);
    rig.openByDialog(opened[4]);
    QVERIFY(drop(rig.window.get(), Paths{opened[6]}));
    QCOMPARE(rig.recentShown(), (Paths{opened[6], opened[4], opened[9], opened[8], opened[7], opened[5],
                                       opened[3], opened[2]}));
    QVERIFY(rig.window->menuItem("mnuFileRecent")->isEnabled());
    // The name first, then its folder, cut short in the middle when long.
    const QString caption = rig.menu("mnuFileRecent")->actions()[0]->text();
    QVERIFY2(caption.startsWith("&1 icon6.ico (/") && caption.endsWith(QDir(rig.tmp.dir.path()).dirName() + ")") &&
                 caption.size() < 80,
             qPrintable(caption));

    rig.dialog.queue(rig.tmp.path("saved.ico"));
    rig.triggerMenu("mnuFileSaveAs24");
    QCOMPARE(rig.recentShown().front(), rig.tmp.path("saved.ico"));

    QVERIFY(QFile::remove(QString::fromStdString(opened[9])) && QFile::remove(QString::fromStdString(opened[3])));
    const Paths left{rig.tmp.path("saved.ico"), opened[6], opened[4], opened[8], opened[7], opened[5]};
    QCOMPARE(rig.recentShown(), left);
    QCOMPARE(rig.store.values["RecentIcon6"], opened[5]);
    QCOMPARE(rig.store.values["RecentIcon7"], std::string());

    // Choosing one: the save prompt, then the icon; it moves to the top.
    rig.state.iconSaved = false;
    rig.boxes.queue(Answer::No);
    rig.menu("mnuFileRecent")->actions()[3]->trigger();
    QCOMPARE(rig.boxes.shown().back().title, std::string("Save Changes Before Open?"));
    QCOMPARE(rig.state.canvas, whiteUnderTransparent(numberedCanvas(0)));
    QCOMPARE(rig.state.ico.openPath, opened[8]);
    QCOMPARE(rig.recentShown().front(), opened[8]);

    // A second main window on the same store (the next run) lists the same files.
    const Paths before = rig.recentShown();
    ProgramState nextState;
    ui::FrmMain next(nextState, ui::Services{rig.boxes, rig.store, rig.launcher});
    emit next.findChild<QMenu*>("mnuFile")->aboutToShow();
    Paths shown;
    for (QAction* a : next.findChild<QMenu*>("mnuFileRecent")->actions())
      shown.push_back(a->data().toString().toStdString());
    QCOMPARE(shown, before);
  }

  // A store that refuses writes loses only the list: the icon still opens.
  void recentIconsWithoutAWritableStore() {
    struct RefusingStore : MemorySettingsStore {
      void setValue(const std::string&, const std::string&) override { throw std::runtime_error("read-only"); }
    } store;
    ProgramState state;
    ScriptedMessageBoxes boxes;
    RecordingLauncher launcher;
    ScriptedFileDialog dialog;
    ui::Services services{boxes, store, launcher};
    services.dlgCommonDialog = &dialog;
    ui::FrmMain window(state, services);
    ScratchFolder tmp;
    writeIconSet(tmp.path("one.ico"), 1);
    dialog.queue(tmp.path("one.ico"));
    window.mnuFileOpen_Click();
    QCOMPARE(state.canvas, whiteUnderTransparent(numberedCanvas(0)));
    QVERIFY(boxes.shown().empty());
  }
};

QTEST_MAIN(DesktopFeaturesTest)
#include "test_desktop_features.moc"
