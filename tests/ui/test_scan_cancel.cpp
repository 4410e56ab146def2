// Cancelling the scan of a large file from the "Please Wait" window.
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "icofile/IcoWriter.h"
#include "icofile/ui/Form4.h"
#include "icofile/ui/WaitForm.h"
#include "support/IconFileFixtures.h"

using namespace pictavo;
using namespace pictavo::testing;

namespace {

constexpr std::uintmax_t kBigFileSize = 300ull * 1024 * 1024;
constexpr int kIconsAtStart = 3;

// Three icons at the start, one near the end, nothing but a hole between.
void writeBigSparseFile(const std::string& path) {
  writeIconSet(path, kIconsAtStart);
  std::filesystem::resize_file(path, kBigFileSize);
  const std::vector<std::uint8_t> last = encodeIcon24(numberedCanvas(99));
  std::fstream f(path, std::ios::in | std::ios::out | std::ios::binary);
  f.seekp(static_cast<std::streamoff>(kBigFileSize - 8192));
  f.write(reinterpret_cast<const char*>(last.data()), static_cast<std::streamsize>(last.size()));
}

}  // namespace

class TestScanCancel : public QObject {
  Q_OBJECT

  ScratchFolder tmp_;
  std::string big_;

 private slots:
  void initTestCase() {
    QApplication::setQuitOnLastWindowClosed(false);
    big_ = tmp_.path("big.dll");
    writeBigSparseFile(big_);
  }

  void cleanupTestCase() { std::filesystem::remove(big_); }

  void uncancelledScanFindsTheLastIcon() {
    FileCommandRig rig;
    rig.dialog.queue(big_);
    QElapsedTimer clock;
    clock.start();
    rig.open.mnuFileOpen_Click();
    qInfo("whole 300 MB scan and chooser: %lld ms", clock.elapsed());
    QCOMPARE(rig.state.ico.iconCount, kIconsAtStart + 1);
    QCOMPARE(rig.open.lastScan().status, ScanStatus::Completed);
  }

  void cancelKeepsWhatWasFound() {
    FileCommandRig rig;
    // A first, small file brings the window into being so it can be watched.
    const std::string small = tmp_.path("small.ico");
    writeIconSet(small, 1);
    rig.dialog.queue(small);
    rig.open.mnuFileOpen_Click();
    ui::WaitForm* wait = rig.open.waitForm();
    QVERIFY(wait);

    // Once the scan is under way the user presses Cancel. (Scanning a sparse
    // file from the page cache outruns the event interval, so the press is
    // delivered right as the bar moves rather than queued.)
    QElapsedTimer sinceClick;
    int valueAtClick = -1;
    QMetaObject::Connection watch = connect(wait->progressBar(), &QProgressBar::valueChanged, this, [&](int value) {
      if (value < 2 || valueAtClick >= 0) return;
      valueAtClick = value;
      sinceClick.start();
      QTest::mouseClick(wait->cancelButton(), Qt::LeftButton);
    });
    rig.dialog.queue(big_);
    rig.open.mnuFileOpen_Click();
    const double afterClick = sinceClick.isValid() ? sinceClick.nsecsElapsed() / 1e6 : -1;
    disconnect(watch);
    qInfo("Cancel pressed at %d%%; control back %.2f ms later", valueAtClick,
          afterClick);

    QCOMPARE(rig.open.lastScan().status, ScanStatus::Cancelled);
    QVERIFY(wait->scanCancelled());
    QVERIFY(!wait->isVisible());
    QCOMPARE(rig.state.ico.iconCount, kIconsAtStart);  // kept, and the one at the end never reached
    ui::Form4* chooser = rig.open.chooser();
    QVERIFY(chooser && chooser->isVisible());
    QCOMPARE(chooser->findChild<QLabel*>("Label3")->text(), QString::number(kIconsAtStart));
    QVERIFY(!rig.state.busy);

    // The next scan starts afresh.
    rig.dialog.queue(small);
    rig.open.mnuFileOpen_Click();
    QVERIFY(!wait->scanCancelled());
    QCOMPARE(rig.open.lastScan().status, ScanStatus::Completed);
  }
};

QTEST_MAIN(TestScanCancel)
#include "test_scan_cancel.moc"
