// Cancelling the scan of a 300 MB file from the "Please Wait" window.
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

class TestOpenSaveScan : public QObject {
  Q_OBJECT

 private slots:
  void cancelKeepsWhatWasFound() {
    QApplication::setQuitOnLastWindowClosed(false);
    ScratchFolder tmp;
    // Three icons at the start and one near the end of a sparse file.
    const std::string big = tmp.path("big.dll");
    const std::uintmax_t size = 300ull << 20;
    writeIconSet(big, 3);
    std::filesystem::resize_file(big, size);
    const std::vector<std::uint8_t> last = encodeIcon24(numberedCanvas(99));
    std::fstream(big, std::ios::in | std::ios::out | std::ios::binary)
        .seekp(static_cast<std::streamoff>(size - 8192))
        .write(reinterpret_cast<const char*>(last.data()), static_cast<std::streamsize>(last.size()));

    FileCommandRig rig;
    QElapsedTimer clock;
    clock.start();
    rig.dialog.queue(big);
    rig.open.mnuFileOpen_Click();
    qInfo("whole scan with chooser: %lld ms", clock.elapsed());
    QCOMPARE(rig.state.ico.iconCount, 4);

    // Cancel pressed once the bar moves (a sparse file in the page cache scans
    // faster than events are let through, so the press is not queued).
    ui::WaitForm* wait = rig.open.waitForm();
    connect(wait->progressBar(), &QProgressBar::valueChanged, this, [&](int value) {
      if (value < 2 || wait->scanCancelled()) return;
      QTest::mouseClick(wait->cancelButton(), Qt::LeftButton);
      clock.start();
    });
    rig.dialog.queue(big);
    rig.open.mnuFileOpen_Click();
    qInfo("control back %.2f ms after Cancel", clock.nsecsElapsed() / 1e6);
    std::filesystem::remove(big);
    QCOMPARE(rig.open.lastScan().status, ScanStatus::Cancelled);
    QVERIFY(!wait->isVisible() && !rig.state.busy);
    QCOMPARE(rig.state.ico.iconCount, 3);  // kept; the one at the end never reached
    QCOMPARE(rig.open.chooser()->findChild<QLabel*>("Label3")->text(), QStringLiteral("3"));
  }
};

QTEST_MAIN(TestOpenSaveScan)
#include "test_open_save_scan.moc"
