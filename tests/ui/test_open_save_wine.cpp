// Opening Debian's wine shell32.dll: hundreds of icons of every depth; screenshots.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

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

namespace {

const char* kShell32 = "/usr/lib/x86_64-linux-gnu/wine/x86_64-windows/shell32.dll";

int bitCountOf(const IcoState& ico, int k) {
  QFile f(QString::fromStdString(ico.openPath));
  f.open(QIODevice::ReadOnly);
  f.seek(qint64(ico.iconRecord[k] - 1) * kScanRecordSize + ico.iconOffset[k] + 14);
  return static_cast<unsigned char>(f.read(1).at(0));
}

Canvas modelDecode(IcoState ico, int k) {
  Canvas canvas;
  if (loadTempIco(ico, k)) moveTempIco2Pixel(ico, canvas);
  return canvas;
}

void save(QWidget& window, const char* name) {
  const QString dir = qEnvironmentVariable("PICTAVO_SCREENSHOTS", qEnvironmentVariable("PICTAVO_TEST_TMP", QDir::tempPath()));
  QDir().mkpath(dir);
  QVERIFY(window.grab().save(dir + QLatin1Char('/') + QLatin1String(name)));
}

}  // namespace

class TestOpenSaveWine : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    QApplication::setQuitOnLastWindowClosed(false);
    if (!QFileInfo::exists(QLatin1String(kShell32))) QSKIP("wine's shell32.dll is not installed");
  }

  void everyIconIsOfferedAndLoadsAsTheModelDecodesIt() {
    FileCommandRig rig;
    rig.dialog.queue(kShell32);
    rig.open.mnuFileOpen_Click();
    Form4* form = rig.open.chooser();
    const int count = rig.state.ico.iconCount;
    QVERIFY(form && count > 100);
    const int last = form->scrollBar()->maximum();
    QCOMPARE(last, (count - 22) / 14 + 1);
    for (int value = 0; value <= last; ++value) {
      form->scrollBar()->setValue(value);
      for (int b = 0; b < Form4::kBoxes; ++b)
        QCOMPARE(form->box(b)->content(), value * 14 + b < count ? ui::IconPicture::Content::Image
                                                                  : ui::IconPicture::Content::Empty);
    }
    std::map<int, int> firstOfDepth;
    for (int k = 0; k < count; ++k) firstOfDepth.emplace(bitCountOf(rig.state.ico, k), k);
    for (int k : {firstOfDepth[4], firstOfDepth[8], firstOfDepth[24], firstOfDepth[32], count - 1}) {
      if (!rig.open.chooser()) {
        rig.dialog.queue(kShell32);
        rig.open.mnuFileOpen_Click();
      }
      form = rig.open.chooser();
      const int value = std::min(k / 14, last);
      form->scrollBar()->setValue(value);
      const Canvas expected = modelDecode(rig.state.ico, k);
      QVERIFY(expected != Canvas());
      QCOMPARE(form->box(k - 14 * value)->image(), ui::iconImage(expected, Qt::white));
      QTest::mouseDClick(form->box(k - 14 * value), Qt::LeftButton);
      QVERIFY2(rig.state.canvas == expected, qPrintable(QString::number(k)));
    }
    QVERIFY(rig.boxes.shown().empty());
  }

  void screenshotsAndNothingCutOff() {
    FileCommandRig rig;
    rig.dialog.queue(kShell32);
    rig.open.mnuFileOpen_Click();
    Form4* form = rig.open.chooser();
    form->scrollBar()->setValue(3);
    QTest::mouseClick(form->box(9), Qt::LeftButton);
    save(*form, "chooser-shell32.png");
    form->scrollBar()->setValue(form->scrollBar()->maximum());
    save(*form, "chooser-shell32-last-page.png");
    ui::WaitForm* wait = rig.open.waitForm();
    wait->setProgress(45);
    save(*wait, "wait-form.png");
    QCOMPARE(clippedLabels(*form), std::vector<std::string>{});
    QCOMPARE(clippedLabels(*wait), std::vector<std::string>{});

    QTest::mouseClick(form->box(0), Qt::LeftButton);
    QTest::mouseClick(form->okButton(), Qt::LeftButton);
    rig.save.mnuFileSaveAs_Click();
    save(*rig.save.saveForm(), "save-type-chooser.png");
    for (int i = 0; i < kCellCount; ++i)
      rig.state.canvas.cells()[i] = Cell{rgb(i % 32 * 8, i / 32 * 8, 255 - i % 32 * 4), 0};
    rig.save.saveForm()->Form_Activate();
    save(*rig.save.saveForm(), "save-type-chooser-reduced.png");
    QCOMPARE(clippedLabels(*rig.save.saveForm()), std::vector<std::string>{});

    ScratchFolder tmp;
    writeIconSet(tmp.path("mixed.ico"), 4, {1});
    rig.dialog.queue(tmp.path("mixed.ico"));
    rig.open.mnuFileOpen_Click();
    save(*rig.open.chooser(), "chooser-unsupported.png");
  }
};

QTEST_MAIN(TestOpenSaveWine)
#include "test_open_save_wine.moc"
