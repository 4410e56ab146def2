// Opening a real icon library: Debian's wine shell32.dll, with icons of every depth.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <map>

#include "icofile/FileHandle.h"
#include "icofile/IcoFormat.h"
#include "icofile/IconDecoder.h"
#include "icofile/ui/Form4.h"
#include "icofile/ui/IconPicture.h"
#include "icofile/ui/SaveForm.h"
#include "icofile/ui/WaitForm.h"
#include "support/IconFileFixtures.h"

using namespace pictavo;
using namespace pictavo::testing;
using ui::Form4;
using ui::IconPicture;

namespace {

const char* kShell32 = "/usr/lib/x86_64-linux-gnu/wine/x86_64-windows/shell32.dll";

// The bit count of found icon k, read straight from the file.
int bitCountOf(const IcoState& ico, int k) {
  const long at = static_cast<long>(ico.iconRecord[k] - 1) * kScanRecordSize + ico.iconOffset[k] + 14;
  FileHandle file = openForReading(ico.openPath);
  std::fseek(file.get(), at, SEEK_SET);
  return std::fgetc(file.get());
}

// The model's own decode of found icon k, as the canvas would hold it.
Canvas modelDecode(const IcoState& found, int k) {
  IcoState ico = found;
  Canvas canvas;
  if (loadTempIco(ico, k)) moveTempIco2Pixel(ico, canvas);
  return canvas;
}

// Shows icon k on the chooser's page and returns its box.
int pageTo(Form4& form, int k) {
  const int value = std::min(k / Form4::kScrollStep, form.scrollBar()->maximum());
  form.scrollBar()->setValue(value);
  return k - value * Form4::kScrollStep;
}

// Where screenshots go: PICTAVO_SCREENSHOTS if set, else the scratch folder.
QString screenshotPath(const QString& name) {
  QString dir = qEnvironmentVariable("PICTAVO_SCREENSHOTS");
  if (dir.isEmpty()) dir = qEnvironmentVariable("PICTAVO_TEST_TMP", QDir::tempPath());
  QDir().mkpath(dir);
  return dir + QLatin1Char('/') + name;
}

}  // namespace

class TestOpenWineDll : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    QApplication::setQuitOnLastWindowClosed(false);
    if (!QFileInfo::exists(QString::fromLatin1(kShell32))) QSKIP("wine's shell32.dll is not installed");
  }

  void everyIconIsOfferedAndLoadsAsDecoded() {
    FileCommandRig rig;
    rig.dialog.queue(kShell32);
    rig.open.mnuFileOpen_Click();
    Form4* form = rig.open.chooser();
    QVERIFY(form);
    const int count = rig.state.ico.iconCount;
    QVERIFY(count > 21);
    QCOMPARE(form->findChild<QLabel*>("Label3")->text(), QString::number(count));
    QCOMPARE(form->scrollBar()->maximum(), (count - 22) / 14 + 1);

    // Page by page, every icon found shows in a box, none undecodable.
    std::vector<bool> seen(static_cast<std::size_t>(count), false);
    for (int value = 0; value <= form->scrollBar()->maximum(); ++value) {
      form->scrollBar()->setValue(value);
      for (int b = 0; b < Form4::kBoxes; ++b) {
        const int k = value * 14 + b;
        const IconPicture::Content shown = form->box(b)->content();
        if (k >= count) {
          QCOMPARE(shown, IconPicture::Content::Empty);
          continue;
        }
        QCOMPARE(shown, IconPicture::Content::Image);
        seen[static_cast<std::size_t>(k)] = true;
      }
    }
    QVERIFY(std::all_of(seen.begin(), seen.end(), [](bool s) { return s; }));

    // The first icon of each depth, and the very last icon, load as the model decodes them.
    std::map<int, int> firstOfDepth;
    for (int k = 0; k < count; ++k) firstOfDepth.emplace(bitCountOf(rig.state.ico, k), k);
    std::vector<int> picks;
    for (int bits : {4, 8, 24, 32}) {
      QVERIFY2(firstOfDepth.count(bits), qPrintable(QStringLiteral("no %1-bit icon").arg(bits)));
      picks.push_back(firstOfDepth[bits]);
    }
    picks.push_back(count - 1);
    for (int k : picks) {
      if (!rig.open.chooser()) {
        rig.dialog.queue(kShell32);
        rig.open.mnuFileOpen_Click();
      }
      form = rig.open.chooser();
      const int b = pageTo(*form, k);
      const Canvas expected = modelDecode(rig.state.ico, k);
      QVERIFY(expected != Canvas());
      QCOMPARE(form->box(b)->image(), ui::iconImage(expected, Qt::white));
      QTest::mouseDClick(form->box(b), Qt::LeftButton);
      QVERIFY2(rig.state.canvas == expected, qPrintable(QStringLiteral("icon %1").arg(k)));
    }
    QVERIFY(rig.boxes.shown().empty());
  }

  void screenshots() {
    FileCommandRig rig;
    rig.dialog.queue(kShell32);
    rig.open.mnuFileOpen_Click();
    Form4* form = rig.open.chooser();
    form->scrollBar()->setValue(3);
    QTest::mouseClick(form->box(9), Qt::LeftButton);
    const QString chooserShot = screenshotPath(QStringLiteral("chooser-shell32.png"));
    QVERIFY(form->grab().save(chooserShot));

    form->scrollBar()->setValue(form->scrollBar()->maximum());
    const QString lastPageShot = screenshotPath(QStringLiteral("chooser-shell32-last-page.png"));
    QVERIFY(form->grab().save(lastPageShot));
    form->scrollBar()->setValue(3);

    ui::WaitForm* wait = rig.open.waitForm();
    wait->setProgress(45);
    QVERIFY(wait->grab().save(screenshotPath(QStringLiteral("wait-form.png"))));

    QTest::mouseClick(form->okButton(), Qt::LeftButton);
    rig.save.mnuFileSaveAs_Click();
    ui::SaveForm* saveForm = rig.save.saveForm();
    saveForm->Form_Activate();
    const QString saveShot = screenshotPath(QStringLiteral("save-type-chooser.png"));
    QVERIFY(saveForm->grab().save(saveShot));
    // A photo-like icon needs reducing for 256 colours: the quality label shows.
    for (int i = 0; i < kCellCount; ++i)
      rig.state.canvas.cells()[i] = Cell{rgb(i % 32 * 8, i / 32 * 8, 255 - i % 32 * 4), 0};
    saveForm->Form_Activate();
    const QString reducedShot = screenshotPath(QStringLiteral("save-type-chooser-reduced.png"));
    QVERIFY(saveForm->grab().save(reducedShot));
    // An image the decoder refuses shows as a marked, empty box.
    ScratchFolder tmp;
    const std::string mixed = tmp.path("mixed.ico");
    writeIconSet(mixed, 4, {1});
    rig.dialog.queue(mixed);
    rig.open.mnuFileOpen_Click();
    QVERIFY(rig.open.chooser()->grab().save(screenshotPath(QStringLiteral("chooser-unsupported.png"))));
    qInfo("screenshots: %s %s %s", qPrintable(chooserShot), qPrintable(saveShot), qPrintable(reducedShot));
  }
};

QTEST_MAIN(TestOpenWineDll)
#include "test_open_wine_dll.moc"
